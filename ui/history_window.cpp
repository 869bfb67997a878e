#include "history_window.h"

#include "store/history_database.h"
#include "store/history_error.h"
#include "tools/session_report.h"
#include "training/score.h"
#include "ui/report_window.h"
#include "ui/score_plot.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

#include <sstream>

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
      plot_(new ScorePlot), message_(new QLabel), open_report_(new QPushButton("отчёт")),
      open_replay_(new QPushButton("воспроизвести"))
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
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(open_report_);
    buttons->addWidget(open_replay_);
    right_layout->addLayout(buttons);
    right_layout->addWidget(new QLabel("оценки по сеансам:"));
    right_layout->addWidget(plot_, 1);
    auto *splitter = new QSplitter;
    splitter->addWidget(trainees_);
    splitter->addWidget(right);
    splitter->setSizes({200, 660});
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(splitter);

    open_report_->setEnabled(false);
    open_replay_->setEnabled(false);
    connect(trainees_, &QListWidget::currentTextChanged, this,
            [this](const QString &trainee) { show_sessions_of(trainee); });
    connect(sessions_, &QTableWidget::itemSelectionChanged, this, [this] {
        open_report_->setEnabled(reference_ && !sessions_->selectedItems().isEmpty());
        open_replay_->setEnabled(replay_request_ && !sessions_->selectedItems().isEmpty());
    });
    connect(open_replay_, &QPushButton::clicked, this, [this] { replay_chosen(); });
    connect(sessions_, &QTableWidget::cellDoubleClicked, this, [this] { open_chosen_report(); });
    connect(open_report_, &QPushButton::clicked, this, [this] { open_chosen_report(); });
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::set_reference(const zun::ReferenceTimes &reference)
{
    reference_ = &reference;
}

void HistoryWindow::show_problem(const QString &text)
{
    message_->setText(text);
    message_->show();
}

QString HistoryWindow::chosen_file_name() const
{
    const QList<QTableWidgetItem *> chosen = sessions_->selectedItems();
    return chosen.isEmpty()
               ? QString()
               : sessions_->item(chosen.first()->row(), 0)->data(Qt::UserRole).toString();
}

void HistoryWindow::open_chosen_report()
{
    if (const QString file_name = chosen_file_name(); !file_name.isEmpty())
        open_report(file_name);
}

void HistoryWindow::set_replay_request(ReplayRequest request)
{
    replay_request_ = std::move(request);
}

// The stored text is what any PC of a centre can replay, whether or not the file is here.
void HistoryWindow::replay_chosen()
{
    const QString file_name = chosen_file_name();
    if (file_name.isEmpty() || !history_ || !replay_request_)
        return;
    try {
        if (const std::optional<QString> text = history_->session_text(file_name))
            replay_request_(file_name, *text);
    } catch (const HistoryError &error) {
        show_problem(error.text());
    }
}

bool HistoryWindow::open_report(const QString &file_name)
{
    if (!history_ || !reference_)
        return false;
    std::optional<QString> text;
    try {
        text = history_->session_text(file_name);
    } catch (const HistoryError &error) {
        show_problem(error.text());
        return false;
    }
    if (!text) {
        show_problem(QStringLiteral("В журнале нет текста сеанса %1.").arg(file_name));
        return false;
    }
    std::istringstream in(text->toStdString());
    const zun::SessionScript session = zun::read_session(in);
    auto replay = std::make_unique<AssessedReplay>();
    std::ostringstream errors;
    if (replay->replay(session, errors) != SimRunner::Completed)
        show_problem(QStringLiteral("Сеанс %1 воспроизведён не до конца: %2")
                         .arg(file_name, QString::fromStdString(errors.str()).trimmed()));
    if (!report_)
        report_ = new ReportWindow(this);
    const zun::Report report = replay->report(*reference_);
    const zun::ReportHeading heading{session.header.trainee, session.header.started};
    report_->show_report(report, replay->length(),
                         QString::fromStdString(zun::report_title(heading, report.lesson)));
    replay_ = std::move(replay); // the window now reads the new record
    report_->show();
    report_->raise();
    return true;
}

QString HistoryWindow::message() const
{
    return message_->isHidden() ? QString() : message_->text();
}

void HistoryWindow::show_history(const HistoryDatabase *history, const QString &unavailable_reason)
{
    history_ = history;
    open_report_->setEnabled(false);
    open_replay_->setEnabled(false);
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
