#include "history_window.h"

#include "runner/session_report.h"
#include "training/score.h"
#include "ui/background_job.h"
#include "ui/report_window.h"
#include "ui/score_plot.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

#include <algorithm>
#include <sstream>
#include <utility>

namespace {

const QStringList columns{"начало",     "длительность", "режимы",    "занятие",
                          "стадий сам", "оценка",       "упражнение"};
const QStringList course_columns{"упражнение", "проходной балл", "попыток", "лучший балл", "итог"};

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
      plot_(new ScorePlot), below_(new QTabWidget), course_(new QTableWidget), message_(new QLabel),
      open_report_(new QPushButton("отчёт")), open_replay_(new QPushButton("воспроизвести")),
      storing_label_(new QLabel), storing_bar_(new QProgressBar),
      cancel_storing_button_(new QPushButton("остановить"))
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
    below_->addTab(plot_, QStringLiteral("оценки по сеансам"));
    course_->setColumnCount(int(course_columns.size()));
    course_->setHorizontalHeaderLabels(course_columns);
    course_->horizontalHeader()->setStretchLastSection(true);
    course_->verticalHeader()->hide();
    course_->setSelectionMode(QAbstractItemView::NoSelection);
    right_layout->addWidget(below_, 2);
    auto *splitter = new QSplitter;
    splitter->addWidget(trainees_);
    splitter->addWidget(right);
    splitter->setSizes({200, 660});
    auto *storing = new QHBoxLayout;
    storing->addWidget(storing_label_);
    storing->addWidget(storing_bar_, 1);
    storing->addWidget(cancel_storing_button_);
    storing_bar_->setRange(0, 100);
    show_storing({}, -1);
    connect(cancel_storing_button_, &QPushButton::clicked, this, [this] {
        if (cancel_storing_)
            cancel_storing_();
    });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addLayout(storing);
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

const HistorySession *HistoryWindow::chosen() const
{
    const QList<QTableWidgetItem *> chosen = sessions_->selectedItems();
    if (chosen.isEmpty())
        return nullptr;
    const auto row = static_cast<std::size_t>(chosen.first()->row());
    return row < shown_.size() ? shown_[row] : nullptr;
}

void HistoryWindow::open_chosen_report()
{
    if (const HistorySession *session = chosen())
        open_report(session->key());
}

void HistoryWindow::set_replay_request(ReplayRequest request)
{
    replay_request_ = std::move(request);
}

void HistoryWindow::set_text_request(TextRequest request)
{
    text_request_ = std::move(request);
}

void HistoryWindow::set_cancel_storing(std::function<void()> cancel)
{
    cancel_storing_ = std::move(cancel);
}

void HistoryWindow::show_storing(const QString &file_name, int percent)
{
    const bool storing = percent >= 0;
    storing_label_->setText(QStringLiteral("В журнал записывается %1:").arg(file_name));
    storing_bar_->setValue(std::max(percent, 0));
    storing_label_->setVisible(storing);
    storing_bar_->setVisible(storing);
    cancel_storing_button_->setVisible(storing && cancel_storing_);
}

// The stored text is what any PC of a centre can replay, whether or not the file is here.
void HistoryWindow::replay_chosen()
{
    const HistorySession *session = chosen();
    if (!session || !text_request_ || !replay_request_)
        return;
    text_request_(session->key(), [this, file_name = session->file_name](
                                      const std::optional<QString> &text, const QString &problem) {
        if (text)
            replay_request_(file_name, *text);
        else
            show_problem(problem);
    });
}

bool HistoryWindow::open_report(const QString &key)
{
    if (!text_request_ || !reference_)
        return false;
    const auto session = std::ranges::find_if(
        history_, [&key](const HistorySession &stored) { return stored.key() == key; });
    const QString file_name = session == history_.end() ? key : session->file_name;
    text_request_(key, [this, file_name](const std::optional<QString> &text,
                                         const QString &problem) {
        if (!text) {
            show_problem(problem.isEmpty()
                             ? QStringLiteral("В журнале нет текста сеанса %1.").arg(file_name)
                             : problem);
            return;
        }
        show_report_of(file_name, *text);
    });
    return true;
}

// The replay may be long (the clock holds ten years): it runs off the windows' thread, with a
// progress dialog that can cancel it.
void HistoryWindow::show_report_of(const QString &file_name, const QString &text)
{
    std::istringstream in(text.toStdString());
    const zun::SessionScript script = zun::read_session(in);
    struct Replayed {
        std::unique_ptr<AssessedReplay> replay;
        SimRunner::ExitStatus status;
        std::string errors;
    };
    std::optional<Replayed> replayed = run_with_progress<Replayed>(
        this, QStringLiteral("Воспроизводится сеанс %1").arg(file_name), script.length_ms,
        [&script](SimRunner::Progress progress) {
            auto replay = std::make_unique<AssessedReplay>();
            replay->set_progress(std::move(progress));
            std::ostringstream errors;
            const SimRunner::ExitStatus status = replay->replay(script, errors);
            replay->set_progress({}); // it watched this thread's replay only
            return Replayed{std::move(replay), status, errors.str()};
        });
    if (!replayed || replayed->status == SimRunner::Cancelled)
        return;
    if (replayed->status != SimRunner::Completed)
        show_problem(QStringLiteral("Сеанс %1 воспроизведён не до конца: %2")
                         .arg(file_name, QString::fromStdString(replayed->errors).trimmed()));
    if (!report_)
        report_ = new ReportWindow(this);
    const zun::Report report = replayed->replay->report(*reference_);
    const zun::ReportHeading heading{script.header.trainee, script.header.started};
    report_->show_report(report, replayed->replay->length(),
                         QString::fromStdString(zun::report_title(heading, report.lesson)));
    replay_ = std::move(replayed->replay); // the window now reads the new record
    report_->show();
    report_->raise();
}

QString HistoryWindow::message() const
{
    return message_->isHidden() ? QString() : message_->text();
}

void HistoryWindow::show_history(std::vector<HistorySession> sessions,
                                 const QString &unavailable_reason)
{
    history_ = std::move(sessions);
    open_report_->setEnabled(false);
    open_replay_->setEnabled(false);
    message_->setVisible(!unavailable_reason.isEmpty());
    message_->setText(unavailable_reason);
    const QString chosen = trainees_->currentItem() ? trainees_->currentItem()->text() : QString();
    QStringList names;
    for (const HistorySession &session : history_)
        names << session.trainee;
    names.removeDuplicates();
    names.sort();
    trainees_->clear();
    shown_.clear();
    if (names.isEmpty()) {
        show_sessions_of({});
        return;
    }
    trainees_->addItems(names);
    const QList<QListWidgetItem *> again = trainees_->findItems(chosen, Qt::MatchExactly);
    trainees_->setCurrentRow(again.isEmpty() ? 0 : trainees_->row(again.first()));
}

void HistoryWindow::show_sessions_of(const QString &trainee)
{
    shown_.clear();
    for (const HistorySession &session : history_)
        if (session.trainee == trainee)
            shown_.push_back(&session);
    sessions_->setRowCount(int(shown_.size()));
    std::vector<std::optional<int>> scores;
    for (int row = 0; row < int(shown_.size()); ++row) {
        const HistorySession &session = *shown_[std::size_t(row)];
        sessions_->setItem(row, 0, cell(session.started.toString("yyyy-MM-dd hh:mm")));
        sessions_->setItem(row, 1, cell(duration_text(session.length_ms)));
        sessions_->setItem(row, 2, cell(session.modes));
        sessions_->setItem(row, 3, cell(lesson_text(session.lesson)));
        sessions_->setItem(row, 4, cell(QString::number(session.stages_by_trainee)));
        sessions_->setItem(row, 5, cell(session.score ? QString::number(*session.score)
                                                      : QStringLiteral("—")));
        sessions_->setItem(row, 6, cell(session.exercise));
        sessions_->item(row, 0)->setData(Qt::UserRole, session.key());
        scores.push_back(session.score);
    }
    sessions_->resizeColumnsToContents();
    plot_->set_scores(std::move(scores));
    show_course_progress();
}

void HistoryWindow::set_course(zun::Course course)
{
    if (!course_shown_)
        below_->addTab(course_, {});
    below_->setTabText(below_->indexOf(course_),
                       QStringLiteral("курс «%1»").arg(QString::fromStdString(course.name)));
    course_shown_ = std::move(course);
    show_course_progress();
}

void HistoryWindow::show_course_progress()
{
    if (!course_shown_)
        return;
    std::vector<zun::CourseAttempt> attempts;
    for (const HistorySession *session : shown_)
        if (!session->exercise.isEmpty())
            attempts.push_back({session->exercise.toStdString(), session->score,
                                session->goal_reached.value_or(false)});
    const std::vector<zun::ItemProgress> progress = zun::course_progress(*course_shown_, attempts);
    course_->setRowCount(int(progress.size()));
    for (int row = 0; row < int(progress.size()); ++row) {
        const zun::CourseItem &item = course_shown_->items[std::size_t(row)];
        const zun::ItemProgress &mine = progress[std::size_t(row)];
        course_->setItem(row, 0, cell(QString::fromStdString(item.exercise)));
        course_->setItem(row, 1, cell(QString::number(item.pass_mark)));
        course_->setItem(row, 2, cell(QString::number(mine.attempts)));
        course_->setItem(
            row, 3,
            cell(mine.best_score ? QString::number(*mine.best_score) : QStringLiteral("—")));
        course_->setItem(row, 4, cell(QString::fromStdString(zun::progress_words_ru(mine))));
    }
    course_->resizeColumnsToContents();
}
