#pragma once

#include <QWidget>

#include "store/history_database.h"
#include "training/course.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AssessedReplay;
class QProgressBar;
class QPushButton;
class ReportWindow;
class QLabel;
class QListWidget;
class QTabWidget;
class QTableWidget;
class ScorePlot;
namespace zun {
class ReferenceTimes;
}

// "журнал": the trainees, the sessions of the one chosen, and their scores over time; a session's
// report, its file replayed headless with the assessment, opens from its row. It never waits on
// the database: it shows what it is given, and asks for a session's text, which comes later.
class HistoryWindow : public QWidget {
public:
    explicit HistoryWindow(QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // The reference the reports of the sessions score against; until it is given, no report
    // opens.
    void set_reference(const zun::ReferenceTimes &reference);

    // Shows the sessions the history holds; with the reason it is away, says why there are none.
    void show_history(std::vector<HistorySession> sessions,
                      const QString &unavailable_reason = {});

    // Where a stored session's text comes from: asked with the session's key, it answers once,
    // with the text or with what went wrong.
    using TextReply = std::function<void(const std::optional<QString> &text, const QString &problem)>;
    using TextRequest = std::function<void(const QString &key, TextReply reply)>;
    void set_text_request(TextRequest request);

    // The course whose progress the journal shows for the trainee chosen: each exercise's
    // attempts, best score and whether it is passed.
    void set_course(zun::Course course);
    const QTableWidget &course_progress() const { return *course_; }

    // While the session files are being stored: which, how far (0..100), and a button that gives
    // it up; `percent` below zero hides them.
    void show_storing(const QString &file_name, int percent);
    void set_cancel_storing(std::function<void()> cancel);

    QListWidget &trainees() const { return *trainees_; }
    QTableWidget &sessions() const { return *sessions_; }
    const ScorePlot &plot() const { return *plot_; }
    QString message() const;

    // Asks for the text of the session stored under `key` and opens its report once the text
    // has come and replayed; false when it cannot even ask (no reference to score against yet,
    // nowhere to ask).
    bool open_report(const QString &key);
    // Asked to replay a stored session in the program's windows: its file name and its text.
    using ReplayRequest = std::function<void(const QString &file_name, const QString &text)>;
    void set_replay_request(ReplayRequest request);

    // The report last opened, or null.
    const ReportWindow *opened_report() const { return report_; }

private:
    void show_sessions_of(const QString &trainee);
    void open_chosen_report();
    void replay_chosen();
    void show_report_of(const QString &file_name, const QString &text);
    const HistorySession *chosen() const;
    void show_problem(const QString &text);
    void show_course_progress();

    std::vector<HistorySession> history_;
    std::vector<const HistorySession *> shown_; // the rows of the trainee chosen
    TextRequest text_request_;
    std::function<void()> cancel_storing_;
    QListWidget *trainees_;
    QTableWidget *sessions_;
    ScorePlot *plot_;
    QTabWidget *below_;
    QTableWidget *course_;
    std::optional<zun::Course> course_shown_;
    QLabel *message_;
    QPushButton *open_report_;
    QPushButton *open_replay_;
    QLabel *storing_label_;
    QProgressBar *storing_bar_;
    QPushButton *cancel_storing_button_;
    ReplayRequest replay_request_;
    const zun::ReferenceTimes *reference_ = nullptr;
    std::unique_ptr<AssessedReplay> replay_; // the record the opened report reads
    ReportWindow *report_ = nullptr;
};
