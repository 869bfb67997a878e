#include "history_window.h"

#include "store/history_database.h"
#include "store/history_error.h"
#include "ui/score_plot.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

namespace {

const QStringList columns{"начало", "длительность", "режимы", "занятие", "стадий сам",
                          "оценка"};

QString duration_text(qint64 milliseconds)
{
    return QTime(0, 0).addMSecs(static_cast<int>(milliseconds % (24 * 3600 * 1000)))
        .toString(milliseconds >= 3600 * 1000 ? "h:mm:ss" : "m:ss");
}

QString lesson_text(const QString &lesson)
{
    return lesson == "exam" ? QStringLiteral("экзамен") : QStringLiteral("обучение");
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

HistoryWindow::HistoryWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), trainees_(new QListWidget), sessions_(new QTableWidget),
      plot_(new ScorePlot), message_(new QLabel)
{
    setWindowTitle("журнал");
    resize(860, 480);
    sessions_->setColumnCount(int(columns.size()));
    sessions_->setHorizontalHeaderLabels(columns);
    sessions_->horizontalHeader()->setStretchLastSection(true);
    sessions_->verticalHeader()->hide();
    sessions_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sessions_->setSelectionMode(QAbstractItemView::SingleSelection);
    message_->setWordWrap(true);
    message_->setStyleSheet("color: #a00000");
    message_->hide();

    auto *right = new QWidget;
    auto *right_layout = new QVBoxLayout(right);
    right_layout->setContentsMargins(0, 0, 0, 0);
    right_layout->addWidget(sessions_, 3);
    right_layout->addWidget(new QLabel("оценки по сеансам:"));
    right_layout->addWidget(plot_, 1);
    auto *splitter = new QSplitter;
    splitter->addWidget(trainees_);
    splitter->addWidget(right);
    splitter->setSizes({200, 660});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(splitter);

    connect(trainees_, &QListWidget::currentTextChanged, this,
            [this](const QString &trainee) { show_sessions_of(trainee); });
}

QString HistoryWindow::message() const
{
    return message_->isHidden() ? QString() : message_->text();
}

void HistoryWindow::show_history(const HistoryDatabase *history, const QString &unavailable_reason)
{
    history_ = history;
    message_->setVisible(!unavailable_reason.isEmpty());
    message_->setText(unavailable_reason);
    const QString chosen = trainees_->currentItem() ? trainees_->currentItem()->text() : QString();
    trainees_->clear();
    if (!history_) {
        show_sessions_of({});
        return;
    }
    try {
        trainees_->addItems(history_->trainees());
    } catch (const HistoryError &error) {
        message_->setText(error.text());
        message_->show();
        return;
    }
    const QList<QListWidgetItem *> again = trainees_->findItems(chosen, Qt::MatchExactly);
    trainees_->setCurrentRow(again.isEmpty() ? 0 : trainees_->row(again.first()));
}

void HistoryWindow::show_sessions_of(const QString &trainee)
{
    sessions_->setRowCount(0);
    std::vector<std::optional<int>> scores;
    if (history_ && !trainee.isEmpty()) {
        try {
            const std::vector<HistorySession> sessions = history_->sessions_of(trainee);
            sessions_->setRowCount(int(sessions.size()));
            for (int row = 0; row < int(sessions.size()); ++row) {
                const HistorySession &session = sessions[std::size_t(row)];
                sessions_->setItem(row, 0, cell(session.started.toString("yyyy-MM-dd hh:mm")));
                sessions_->setItem(row, 1, cell(duration_text(session.length_ms)));
                sessions_->setItem(row, 2, cell(session.modes));
                sessions_->setItem(row, 3, cell(lesson_text(session.lesson)));
                sessions_->setItem(row, 4, cell(QString::number(session.stages_by_trainee)));
                sessions_->setItem(row, 5, cell(session.score ? QString::number(*session.score)
                                                              : QStringLiteral("—")));
                sessions_->item(row, 0)->setData(Qt::UserRole, session.file_name);
                scores.push_back(session.score);
            }
        } catch (const HistoryError &error) {
            message_->setText(error.text());
            message_->show();
        }
    }
    sessions_->resizeColumnsToContents();
    plot_->set_scores(std::move(scores));
}
