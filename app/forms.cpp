#include "forms.h"

#include "app/Unit_start.h"
#include "app/history_service.h"
#include "sim/door.h"
#include "ui/Unit_blocking.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/Unit_target.h"
#include "ui/Unit_test.h"
#include "ui/Unit_videomenu.h"
#include "ui/history_window.h"
#include "ui/report_window.h"

#include <QKeySequence>
#include <QSettings>
#include <QShortcut>

#include <utility>
#include <variant>

namespace {

// The live report's plot follows the clock in steps of this, when nothing else changed.
constexpr zun::Millis report_time_step = 1000;

} // namespace

Forms::Forms(zun::UiPort &ui_port, std::unique_ptr<zun::Simulator> model)
    : ui_port_(ui_port), dispatcher_(ui_port, std::move(model)),
      assessment_(std::make_unique<zun::Assessment>(dispatcher_)),
      steps_(std::make_unique<TForm_Steps>(zun::Door(dispatcher_, door_lock_, gate_))),
      test_(std::make_unique<TForm_Test>()), blocking_(std::make_unique<TForm_Blocking>()),
      status_(std::make_unique<TForm_Status_Mech_Array>(sim(), view_clock_)),
      target_(std::make_unique<TForm_Target>(view_clock_)), hand_(std::make_unique<TForm_Hand>()),
      video_menu_(std::make_unique<TVideoMenu>(ui_port)),
      main_(std::make_unique<TForm_Main_ZUN>(
          zun::Door(dispatcher_, door_lock_, gate_),
          TForm_Main_ZUN::Windows{*steps_, *status_, *target_, *hand_}, view_clock_)),
      start_(std::make_unique<TForm_Start>(ui_port,
                                           TForm_Start::Windows{*main_, *video_menu_, sim()})),
      report_(std::make_unique<ReportWindow>()), journal_(std::make_unique<HistoryWindow>())
{
    target_->set_placing([this] { main_->f_Place_Target(); });
    gate_.set_on_held_back([this] { follow_model(); });
    dispatcher_.add_observer(*this);
    journal_->show_history({}, "Журнал не открыт.");
    auto *report_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), main_.get());
    QObject::connect(report_key, &QShortcut::activated, report_key, [this] { show_report(); });
    auto *journal_key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_J), main_.get());
    QObject::connect(journal_key, &QShortcut::activated, journal_key, [this] { show_journal(); });
    start_->show();
}

Forms::~Forms()
{
    dispatcher_.remove_observer(*this);
}

std::vector<QWidget *> Forms::windows() const
{
    return {start_.get(),  main_.get(),   steps_.get(), test_.get(),      blocking_.get(),
            status_.get(), target_.get(), hand_.get(),  video_menu_.get()};
}

void Forms::refresh()
{
    follow_model();
    follow_report();
}

void Forms::set_frozen(bool frozen)
{
    gate_.set_open(!frozen);
    main_->set_paused(frozen);
}

void Forms::show_windows_as_model()
{
    main_->setVisible(sim().main_window_visible);
    if (sim().main_window_visible)
        main_->place_as_model();
    steps_->setVisible(sim().steps_window_visible);
}

void Forms::show_report()
{
    if (sim().lesson_is_exam()) // the trainee sees the report after the examination
        return;
    report_version_ = assessment_->version() + 1; // shown afresh
    report_->show();
    follow_report();
    report_->raise();
    report_->activateWindow();
}

// While the report is shown it follows the session: at once when the record changed, and
// second by second for the plot's time axis.
void Forms::follow_report()
{
    if (!report_->isVisible())
        return;
    const zun::Millis now = sim().scheduler.now();
    if (assessment_->version() == report_version_ && now - report_time_ < report_time_step)
        return;
    report_version_ = assessment_->version();
    report_time_ = now;
    const zun::Report report = assessment_->report(reference_times());
    report_->show_report(report, now,
                         QString::fromStdString(zun::report_title(report_heading_, report.lesson)));
}

void Forms::set_report_heading(zun::ReportHeading heading)
{
    report_heading_ = std::move(heading);
    report_version_ = assessment_->version() + 1; // the title changed: shown afresh
    follow_report();
}

const zun::ReferenceTimes &Forms::reference_times() const
{
    if (!reference_)
        reference_ = zun::ReferenceTimes::human_pace();
    return *reference_;
}

void Forms::show_journal()
{
    if (sim().lesson_is_exam()) // old reports are no aid during an examination
        return;
    journal_->set_reference(reference_times());
    store_sessions();
    journal_->show();
    journal_->raise();
    journal_->activateWindow();
}

void Forms::open_history(const QSettings &settings, const std::filesystem::path &sessions_folder)
{
    const QString default_file =
        QString::fromStdString((sessions_folder.parent_path() / "history.sqlite").string());
    journal_->set_reference(reference_times());
    own_history_ = std::make_unique<HistoryService>(settings, sessions_folder, default_file,
                                                    reference_times());
    history_ = own_history_.get();
    connect_history();
    store_sessions();
}

void Forms::use_history(HistoryService &history, const zun::ReferenceTimes &reference)
{
    reference_ = reference;
    journal_->set_reference(*reference_);
    own_history_.reset();
    history_ = &history;
    connect_history();
    if (history_->last())
        journal_->show_history(history_->last()->sessions, history_->last()->unavailable_reason);
}

// The journal follows the history's thread: what it stored, how far it is, a session's text.
void Forms::connect_history()
{
    HistoryWindow &journal = *journal_;
    HistoryService &history = *history_;
    QObject::connect(&history, &HistoryService::stored, &journal,
                     [this, &history] { show_stored(history); });
    QObject::connect(&history, &HistoryService::storing, &journal, &HistoryWindow::show_storing);
    journal.set_cancel_storing([&history] { history.cancel_storing(); });
    journal.set_text_request(
        [&history, &journal](const QString &key, HistoryWindow::TextReply reply) {
            history.fetch_text(key, &journal, std::move(reply));
        });
}

void Forms::show_stored(const HistoryService &history)
{
    const HistoryService::Outcome &outcome = *history.last();
    journal_->show_history(outcome.sessions, outcome.unavailable_reason);
    if (outcome.newly_away)
        ui_port_.message_box(history_unavailable_text(outcome.unavailable_reason));
    if (!outcome.run.refused.empty())
        ui_port_.message_box(refused_sessions_text(outcome.run));
}

std::string Forms::history_unavailable_text(const QString &reason)
{
    return "Журнал обучаемых недоступен: " + reason.toStdString() +
           "\nОбучение продолжается: сеанс записывается в свой файл и попадёт в журнал, "
           "когда база данных снова будет доступна.";
}

std::string Forms::refused_sessions_text(const StoringRun &run)
{
    std::string text = "Эти файлы сеансов не записаны в журнал:";
    for (const RefusedSession &session : run.refused)
        text += "\n" + session.file.filename().string() + ": " + session.reason.toStdString();
    return run.stored > 0 ? text + "\nОстальные сеансы записаны." : text;
}

void Forms::session_file_started(const std::filesystem::path &file)
{
    session_file_ = file;
}

void Forms::session_file_ended()
{
    session_file_.clear();
    store_sessions();
}

void Forms::store_sessions()
{
    if (!history_)
        return;
    history_->store_sessions(session_file_);
}

void Forms::follow_model()
{
    main_->refresh_from_model();
    steps_->refresh_from_model();
    const QString notice = QString::fromStdString(assessment_->mistake_notice());
    main_->show_mistake_notice(notice);
    steps_->show_mistake_notice(notice);
}

void Forms::input_applied(zun::Millis, const zun::Input &input, const zun::Answer &)
{
    if (std::holds_alternative<zun::input::Lesson>(input) && sim().lesson_is_exam())
        close_what_an_exam_forbids();
}

// Once per input and per advance of the clock, before the model's requests reach the windows.
// While a replay plays through a locked door, its player refreshes the windows once it has
// played up to its moment, instead of after each input.
void Forms::dispatched()
{
    if (!door_lock_.locked())
        refresh();
}

// The trainee sees the report after the examination, not a live score during it, and no old
// reports or videos either.
void Forms::close_what_an_exam_forbids()
{
    report_->hide();
    journal_->hide();
    video_menu_->hide();
    if (exam_began_)
        exam_began_();
}
