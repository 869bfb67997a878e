#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class AssessedReplay;
class HistoryDatabase;
class QPushButton;
class ReportWindow;
class QLabel;
class QListWidget;
class QTableWidget;
class ScorePlot;
namespace zun {
class ReferenceTimes;
}

// "журнал": the trainees, the sessions of the one chosen, and their scores over time; a session's
// report, its file replayed headless with the assessment, opens from its row.
class HistoryWindow : public QWidget {
public:
    explicit HistoryWindow(QWidget *parent = nullptr);
    ~HistoryWindow() override;

    // The reference the reports of the sessions score against; until it is given, no report
    // opens.
    void set_reference(const zun::ReferenceTimes &reference);

    // Shows what `history` holds now; without a database, says why there is none.
    void show_history(const HistoryDatabase *history, const QString &unavailable_reason = {});

    QListWidget &trainees() const { return *trainees_; }
    QTableWidget &sessions() const { return *sessions_; }
    const ScorePlot &plot() const { return *plot_; }
    QString message() const;

    // Opens the report of the session stored under `file_name`; false, with the message shown,
    // when its text cannot be read.
    bool open_report(const QString &file_name);
    // Asked to replay a stored session in the program's windows: its file name and its text.
    using ReplayRequest = std::function<void(const QString &file_name, const QString &text)>;
    void set_replay_request(ReplayRequest request);

    // The report last opened, or null.
    const ReportWindow *opened_report() const { return report_; }

private:
    void show_sessions_of(const QString &trainee);
    void open_chosen_report();
    void replay_chosen();
    QString chosen_file_name() const;
    void show_problem(const QString &text);

    const HistoryDatabase *history_ = nullptr;
    QListWidget *trainees_;
    QTableWidget *sessions_;
    ScorePlot *plot_;
    QLabel *message_;
    QPushButton *open_report_;
    QPushButton *open_replay_;
    ReplayRequest replay_request_;
    const zun::ReferenceTimes *reference_ = nullptr;
    std::unique_ptr<AssessedReplay> replay_; // the record the opened report reads
    ReportWindow *report_ = nullptr;
};
