#pragma once

#include <QWidget>

class HistoryDatabase;
class QLabel;
class QListWidget;
class QTableWidget;
class ScorePlot;

// "журнал": the trainees, the sessions of the one chosen, and their scores over time.
class HistoryWindow : public QWidget {
public:
    explicit HistoryWindow(QWidget *parent = nullptr);

    // Shows what `history` holds now; without a database, says why there is none.
    void show_history(const HistoryDatabase *history, const QString &unavailable_reason = {});

    QListWidget &trainees() const { return *trainees_; }
    QTableWidget &sessions() const { return *sessions_; }
    const ScorePlot &plot() const { return *plot_; }
    QString message() const;

private:
    void show_sessions_of(const QString &trainee);

    const HistoryDatabase *history_ = nullptr;
    QListWidget *trainees_;
    QTableWidget *sessions_;
    ScorePlot *plot_;
    QLabel *message_;
};
