#include "trainer_session.h"

#include "app/Unit_start.h"
#include "runner/session_loader.h"
#include "sessions/text_line.h"
#include "sim/snapshot.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/background_job.h"
#include "ui/history_window.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace {

std::tm local_now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string started_text(const std::tm &local)
{
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace

TrainerSession::TrainerSession(zun::UiPort &port, ErrorReporter &errors, Settings settings,
                               FormsBuilt forms_built)
    : port_(port), settings_(std::move(settings)), forms_built_(std::move(forms_built)),
      view_clock_driver_(settings_.wall_clock),
      sessions_window_(std::make_unique<SessionsWindow>(*this))
{
    install(rebuilt({}, 0));
    clock_ = std::make_unique<ClockDriver>(forms_->dispatcher(), errors, settings_.wall_clock);
    connect(clock_.get(), &ClockDriver::advanced, this, &TrainerSession::catch_up_recording);
    go_live();
}

TrainerSession::~TrainerSession()
{
    recorder_.reset(); // it observes the model
}

std::filesystem::path TrainerSession::current_file() const
{
    return recorder_ ? recorder_->path() : std::filesystem::path();
}

void TrainerSession::set_trainee(const std::string &name)
{
    settings_.trainee = name;
    if (recorder_)
        recorder_->set_trainee(name);
    forms_->set_report_heading({zun::one_line(name), started_});
    emit recording_changed();
}

void TrainerSession::catch_up_recording()
{
    if (!recorder_)
        return;
    recorder_->catch_up();
    if (time_mark_interval_)
        recorder_->mark_time(*time_mark_interval_);
    keep_live_moment();
}

void TrainerSession::keep_live_moment()
{
    const zun::Millis now = forms_->sim().scheduler.now();
    if (moments_.wants(now))
        moments_.keep(*forms_, port_, recorder_->inputs().size());
}

void TrainerSession::end()
{
    end_recording({});
}

std::vector<zun::SessionSummary> TrainerSession::sessions() const
{
    return zun::list_sessions(settings_.folder);
}

std::string TrainerSession::open_replay(const std::filesystem::path &file)
{
    if (forms_->sim().lesson_is_exam())
        return "Во время экзамена сеансы не воспроизводятся.";
    // The live session's own file is played as it ends now.
    std::error_code unknown; // a file that is not there is not the live one
    if (recorder_ && std::filesystem::equivalent(file, recorder_->path(), unknown))
        end_recording("its own replay was opened");
    std::optional<LoadedSession> opened = load_with_progress(file);
    if (!opened)
        return "Открытие сеанса отменено.";
    LoadedSession &loaded = *opened;
    if (!loaded.error.empty())
        return loaded.error;
    end_recording("a replay of " + file.filename().string() + " was opened");
    clock_->stop();
    director_.reset();
    exercise_.reset();
    player_.reset(); // it reads the inputs of the replay before
    replay_start_ = {loaded.header.exercise, loaded.header.goal, loaded.header.start,
                     zun::snapshot_time(loaded.header.start).value_or(0)};
    moments_ = fresh_cache(replay_start_);
    replay_inputs_ = std::move(loaded.inputs);
    replay_length_ = loaded.length;
    replay_file_ = file;
    replay_trainee_ = loaded.header.trainee;
    replay_seek(replay_start_.time);
    tell_trainee();
    return {};
}

// The replay that checks the file may take hours (the clock holds ten years): off the windows'
// thread, with a progress dialog that cancels it.
std::optional<LoadedSession> TrainerSession::load_with_progress(const std::filesystem::path &file)
{
    std::istringstream text(zun::read_session_file(file).text);
    const zun::Millis length = zun::read_session(text).length_ms;
    return run_with_progress<LoadedSession>(
        sessions_window_.get(),
        QStringLiteral("Открывается сеанс %1").arg(QString::fromStdString(file.filename().string())),
        length, [file](SimRunner::Progress progress) {
            return load_session(file, std::move(progress));
        });
}

zun::Millis TrainerSession::replay_position() const
{
    return player_ ? player_->position() : 0;
}

void TrainerSession::replay_play_to(zun::Millis time)
{
    if (!player_)
        return;
    player_->play_to(std::min(time, replay_length_));
    show_windows_above_sessions();
    forms_->refresh();
    emit replay_moved();
}

// Forwards plays on quietly, unless a moment is kept on the way; backwards, or from such a
// moment, the windows are built anew from the latest moment kept before the goal.
void TrainerSession::replay_seek(zun::Millis time)
{
    time = std::clamp<zun::Millis>(time, replay_start_.time, replay_length_);
    if (!player_ || time < player_->position() ||
        moments_.at_or_before(time).time > player_->position()) {
        player_.reset();
        replay_keeper_.reset();
        install(rebuilt(replay_inputs_, time));
        forms_->start().hide();
        replay_keeper_ = std::make_unique<MomentKeeper>(moments_, *forms_, port_);
        player_ = std::make_unique<zun::SessionPlayer>(forms_->dispatcher(), replay_inputs_,
                                                       zun::played_by(replay_inputs_, time),
                                                       replay_keeper_.get());
    }
    port_.set_quiet(QuietPort::Quiet::Everything);
    player_->play_to(time);
    forms_->refresh(); // the model's last requests are kept, not shown one by one
    port_.set_quiet(QuietPort::Quiet::Boxes);
    show_windows_above_sessions();
    port_.show_kept_pointers();
    emit replay_moved();
}

// The continued session is the replayed trainee's: their steps stay under their name.
void TrainerSession::continue_from_here()
{
    if (!player_)
        return;
    // The replay's inputs are not needed again: those played are handed over, not copied.
    zun::InputTimeline earlier = std::exchange(replay_inputs_, {});
    earlier.erase(earlier.begin() + static_cast<std::ptrdiff_t>(player_->played_count()),
                  earlier.end());
    player_.reset();
    replay_keeper_.reset();
    moments_.drop_after(forms_->sim().scheduler.now()); // it goes another way after it
    settings_.trainee = replay_trainee_;
    live_start_ = replay_start_;
    // Back behind the windows the trainee had opened from it, as it stood in the recording.
    forms_->start().show();
    forms_->start().lower();
    start_recording(std::move(earlier), replay_file_);
    go_live();
    tell_trainee();
}

void TrainerSession::close_replay()
{
    if (!player_)
        return;
    player_.reset();
    replay_keeper_.reset();
    live_start_ = {};
    moments_ = fresh_cache(live_start_);
    install(rebuilt({}, 0));
    forms_->start().show();
    go_live();
    tell_trainee();
}

void TrainerSession::go_back(zun::Millis by)
{
    if (player_ || !recorder_ || forms_->sim().lesson_is_exam())
        return;
    const zun::Millis goal =
        std::max<zun::Millis>(forms_->sim().scheduler.now() - by, live_start_.time);
    std::vector<bool> done = director_ ? director_->done_by(goal) : std::vector<bool>{};
    director_.reset();
    const std::filesystem::path parent = recorder_->path();
    zun::InputTimeline earlier = end_recording("went back to " + std::to_string(goal) +
                                               " ms; the session goes on in a new file");
    earlier.erase(earlier.begin() + static_cast<std::ptrdiff_t>(zun::played_by(earlier, goal)),
                  earlier.end());
    moments_.drop_after(goal); // the new file goes another way after it
    install(rebuilt(earlier, goal));
    start_recording(std::move(earlier), parent);
    if (exercise_)
        direct_exercise(std::move(done));
    go_live();
    // Ctrl+1 and Ctrl+5 go back with the list in sight: it shows the new file.
    if (sessions_window_->isVisible())
        sessions_window_->fill_list();
}

std::string TrainerSession::start_exercise(const zun::Exercise &exercise,
                                           std::unique_ptr<zun::Simulator> start)
{
    if (std::string why = why_no_new_start(); !why.empty())
        return why;
    exercise_ = exercise;
    begin_from_here({exercise.name, zun::goal_text(exercise.goal),
                     zun::write_snapshot(start->state()), start->now()},
                    "the exercise " + zun::one_line(exercise.name) + " begins in a new file");
    if (exercise.lesson == zun::LessonKind::Exam)
        forms_->dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
    direct_exercise({});
    go_live();
    forms_->refresh();
    return {};
}

std::string TrainerSession::start_from_point(std::unique_ptr<zun::Simulator> start)
{
    if (std::string why = why_no_new_start(); !why.empty())
        return why;
    exercise_.reset();
    begin_from_here({{}, {}, zun::write_snapshot(start->state()), start->now()},
                    "the line starts from a starting point in a new file");
    go_live();
    forms_->refresh();
    return {};
}

std::string TrainerSession::why_no_new_start() const
{
    if (player_)
        return "Закройте воспроизведение, чтобы начать заново.";
    if (forms_->sim().lesson_is_exam())
        return "Во время экзамена линия не перезапускается.";
    return {};
}

void TrainerSession::begin_exam()
{
    if (player_ || forms_->sim().lesson_is_exam())
        return;
    exercise_.reset();
    begin_from_here({{}, {}, zun::write_snapshot(forms_->sim()), forms_->sim().scheduler.now()},
                    "an examination begins in a new file");
    forms_->dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
    go_live();
    forms_->refresh();
}

void TrainerSession::begin_from_here(SessionStart start, const std::string &note)
{
    const bool main_open = forms_->main().isVisible();
    director_.reset();
    end_recording(note);
    live_start_ = std::move(start);
    moments_ = fresh_cache(live_start_);
    install(rebuilt({}, live_start_.time));
    start_recording({}, {});
    // The trainee goes on at the line: a start state with the main window closed opens it where
    // it stood, and the new file has it opened, as the trainee's click would.
    if (main_open && !forms_->main().isVisible())
        forms_->main().show();
}

SeekCache TrainerSession::fresh_cache(const SessionStart &start)
{
    return {seek_interval,
            start.state.empty() ? fresh_base(port_) : start_base(port_, start.state)};
}

void TrainerSession::direct_exercise(std::vector<bool> done)
{
    director_ = std::make_unique<zun::ExerciseDirector>(forms_->dispatcher(), exercise_->events,
                                                        live_start_.time, std::move(done));
}

std::unique_ptr<Forms> TrainerSession::rebuilt(const zun::InputTimeline &inputs, zun::Millis time)
{
    const QuietPort::Quiet before = port_.quiet();
    port_.set_quiet(QuietPort::Quiet::Everything);
    RestoredMoment from = restored(moments_, port_, time);
    from.forms->door_lock().set_locked(true);
    MomentKeeper keeper(moments_, *from.forms, port_);
    zun::SessionPlayer(from.forms->dispatcher(), inputs, from.played, &keeper).play_to(time);
    port_.set_quiet(before);
    return std::move(from.forms);
}

void TrainerSession::install(std::unique_ptr<Forms> fresh)
{
    if (forms_) {
        const std::vector<QWidget *> old_windows = forms_->windows();
        const std::vector<QWidget *> new_windows = fresh->windows();
        // The client area's place, not the frame's: the window manager frames a new window
        // only after it is shown, and what is placed at once by a control's place on the screen
        // (the hand) must find it where it will be.
        for (std::size_t i = 0; i < old_windows.size(); ++i)
            if (old_windows[i]->isVisible())
                new_windows[i]->setGeometry(old_windows[i]->geometry());
        fresh->start().setVisible(forms_->start().isVisible());
    }
    if (forms_built_)
        forms_built_(*fresh);
    view_clock_driver_.drive(fresh->view_clock());
    if (clock_) // it never drives a model that is gone; going live starts it
        clock_->drive(fresh->dispatcher());
    forms_ = std::move(fresh);
    port_.set_quiet(QuietPort::Quiet::Everything);
    forms_->show_windows_as_model();
    forms_->refresh();
    port_.set_quiet(QuietPort::Quiet::Boxes);
    port_.show_kept_pointers();
    add_shortcuts();
    if (sessions_window_->isVisible())
        sessions_window_->raise();
}

// The main window's keys; what they start rebuilds the windows, so it runs after the key's event.
void TrainerSession::add_shortcuts()
{
    TForm_Main_ZUN &main = forms_->main();
    const auto add = [this, &main](QKeyCombination keys, std::function<void()> action) {
        auto *shortcut = new QShortcut(QKeySequence(keys), &main);
        connect(shortcut, &QShortcut::activated, this, [this, action] {
            QTimer::singleShot(0, this, [action] {
                // A box open over the windows would lose its parent in a rebuild.
                if (!QApplication::activeModalWidget())
                    action();
            });
        });
    };
    add(Qt::CTRL | Qt::Key_O, [this] { show_sessions_window(); });
    // An examination is the trainee's own: a sessions window opened before it closes.
    forms_->set_exam_began([this] { sessions_window_->hide(); });
    // The replay rebuilds the journal too: it starts once the journal's click is over.
    forms_->journal().set_replay_request([this](const QString &name, const QString &text) {
        QTimer::singleShot(0, this, [this, name = name.toStdString(), text = text.toStdString()] {
            replay_stored(name, text);
        });
    });
    add(Qt::CTRL | Qt::Key_1, [this] { go_back(60'000); });
    add(Qt::CTRL | Qt::Key_5, [this] { go_back(300'000); });
}

// The first time at the screen's right edge, beside the main window rather than over it.
void TrainerSession::replay_stored(const std::string &file_name, const std::string &text)
{
    if (forms_->sim().lesson_is_exam())
        return;
    // A session recorded on this PC plays from its own file; one from another PC of the centre
    // is written out from the history first, into a folder of its own beside the sessions.
    std::filesystem::path file = settings_.folder / std::filesystem::path(file_name).filename();
    // Another PC's session may bear the name of one of this PC's.
    if (zun::read_session_file(file).text != text) {
        const std::filesystem::path others = settings_.folder / "from-history";
        std::error_code error;
        std::filesystem::create_directories(others, error);
        file = others / std::filesystem::path(file_name).filename();
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << text;
        if (error || !out) {
            port_.message_box("Сеанс не открыт: не удалось записать " + file.string() + ".");
            return;
        }
    }
    show_sessions_window();
    sessions_window_->play_file(file);
}

void TrainerSession::show_sessions_window()
{
    // An examination is the trainee's own: no replays and no going back.
    if (forms_->sim().lesson_is_exam())
        return;
    SessionsWindow &window = *sessions_window_;
    if (!window.isVisible() && !sessions_window_placed_) {
        sessions_window_placed_ = true;
        if (const QScreen *screen = forms_->main().screen()) {
            const QRect free = screen->availableGeometry();
            window.move(free.right() - window.frameGeometry().width(), free.top());
        }
    }
    window.show();
    window.raise();
    window.activateWindow();
}

// A window the replay brings up comes above the others; the sessions window stays in sight.
void TrainerSession::show_windows_above_sessions()
{
    const bool main_shown = forms_->main().isVisible();
    forms_->show_windows_as_model();
    if (!main_shown && forms_->main().isVisible() && sessions_window_->isVisible())
        sessions_window_->raise();
}

void TrainerSession::start_recording(zun::InputTimeline earlier,
                                     const std::filesystem::path &continues)
{
    const std::tm local = local_now();
    const zun::SessionHeader header{settings_.program,     started_text(local),
                                    settings_.trainee,     continues.filename().string(),
                                    settings_.station,     settings_.account,
                                    zun::new_session_id(), live_start_.exercise,
                                    live_start_.goal,      live_start_.state};
    started_ = header.started;
    live_id_ = header.id;
    forms_->set_report_heading({header.trainee, header.started});
    recorder_ = std::make_unique<zun::SessionRecorder>(
        forms_->dispatcher(), settings_.folder, local, header, std::move(earlier),
        [this](zun::SessionRecorder::Writing what, const std::string &error) {
            report_writing(what, error);
        });
    if (!recorder_->failed())
        forms_->session_file_started(recorder_->path());
    emit recording_changed();
}

zun::InputTimeline TrainerSession::end_recording(const std::string &note)
{
    if (!recorder_)
        return {};
    recorder_->end(note);
    zun::InputTimeline inputs = recorder_->take_inputs();
    const std::filesystem::path file = recorder_->path();
    const bool written = !recorder_->failed();
    recorder_.reset();
    forms_->session_file_ended();
    if (written && file_ended_)
        file_ended_(file);
    return inputs;
}

// Live again: the trainee's input reaches the model, its requests show, the clock runs it, and
// a file records it (a fresh one when none was started for it).
void TrainerSession::go_live()
{
    port_.set_quiet(QuietPort::Quiet::Nothing);
    forms_->door_lock().set_locked(false);
    if (!recorder_)
        start_recording({}, {});
    clock_->drive(forms_->dispatcher());
    clock_->start();
}

void TrainerSession::tell_trainee()
{
    emit trainee_changed(QString::fromStdString(trainee()));
}

// Told after the input that found it, never from inside the model's door: a file that cannot be
// made once in the program's run, a pause and its end each time.
void TrainerSession::report_writing(zun::SessionRecorder::Writing what, const std::string &error)
{
    using Writing = zun::SessionRecorder::Writing;
    if (what == Writing::CannotCreate && std::exchange(failure_told_, true))
        return;
    std::string text;
    switch (what) {
    case Writing::CannotCreate:
        text = "Сеанс не записывается: " + error + ". Обучение продолжается без записи.";
        break;
    case Writing::Paused:
        text = "Запись сеанса приостановлена: " + error +
               ". Обучение продолжается: действия запоминаются и будут записаны в файл, "
               "как только на диске появится место.";
        break;
    case Writing::CaughtUp:
        text = "Запись сеанса возобновлена: всё, что было сделано за время паузы, записано в "
               "файл.";
        break;
    }
    QTimer::singleShot(0, this, [this, text] { port_.message_box(text); });
}
