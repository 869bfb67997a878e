#pragma once

#include "app/clock_driver.h"
#include "app/forms.h"
#include "app/kept_moments.h"
#include "app/quiet_port.h"
#include "app/view_clock_driver.h"
#include "runner/session_loader.h"
#include "sessions/session_player.h"
#include "sessions/session_recorder.h"
#include "training/exercise.h"
#include "training/exercise_director.h"
#include "ui/sessions_window.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class ErrorReporter;

// The program's training session: the model with its windows (a Forms), the clock that drives
// it, and the file that records it from the start. It replays recorded sessions in the same
// windows and goes back in time; both rebuild the model and the windows from the latest moment
// kept at or before the goal and replay the inputs from there at full speed, the windows'
// requests kept quiet meanwhile. Moments are kept as the recording and the replay pass them.
//
// For the other windows: the current file, the trainee's name, a call when a file ends, and a
// call each time the model and its windows are built anew (observers of the model go with it).
class TrainerSession final : public QObject, public SessionControl {
    Q_OBJECT

public:
    struct Settings {
        std::filesystem::path folder; // where session files go
        std::string program;          // name and version for the header
        std::string trainee;
        ClockDriver::WallClock wall_clock = {}; // the monotonic clock unless a test gives one
        std::string station = {}; // the PC and the account that record, for the headers
        std::string account = {};
    };
    using FormsBuilt = std::function<void(Forms &forms)>;
    using FileEnded = std::function<void(const std::filesystem::path &file)>;

    // Builds the model and its windows, shows the start screen and starts recording.
    TrainerSession(zun::UiPort &port, ErrorReporter &errors, Settings settings,
                   FormsBuilt forms_built = {});
    ~TrainerSession() override;

    Forms &forms() const { return *forms_; }
    // The moments kept of the session in the windows, for seeking and going back.
    const SeekCache &kept_moments() const { return moments_; }
    ClockDriver &clock() const { return *clock_; }
    // The file the live session is written to; empty while a replay runs.
    std::filesystem::path current_file() const;
    // When the session in the windows began on the model's clock: an exercise's or an
    // examination's starts where the line stood; the replayed one's during a replay.
    zun::Millis began() const { return player_ ? replay_start_.time : live_start_.time; }
    // The trainee of the session in the windows: the replayed one's during a replay.
    const std::string &trainee() const { return player_ ? replay_trainee_ : settings_.trainee; }
    void set_trainee(const std::string &name);
    // The id of the live session's file, as its header has it.
    const std::string &live_id() const { return live_id_; }
    void set_file_ended(FileEnded file_ended) { file_ended_ = std::move(file_ended); }
    // Writes what the recording holds back; after each clock advance, so that a recording
    // catches up even while nobody touches the line.
    void catch_up_recording();
    // The live files get the line's time every `interval` while nobody touches it, for those
    // who follow them as they grow (a centre's class); none by default.
    void mark_time_every(zun::Millis interval) { time_mark_interval_ = interval; }
    // The program ends normally: the file gets its end line.
    void end();

    // What the sessions window does.
    std::vector<zun::SessionSummary> sessions() const override;
    std::string open_replay(const std::filesystem::path &file) override;
    bool replaying() const override { return player_ != nullptr; }
    zun::Millis replay_length() const override { return replay_length_; }
    zun::Millis replay_position() const override;
    void replay_play_to(zun::Millis time) override;
    void replay_seek(zun::Millis time) override;
    void continue_from_here() override;
    void close_replay() override;
    void go_back(zun::Millis by) override;

    SessionsWindow &sessions_window() const { return *sessions_window_; }
    // Opens the sessions window, as Ctrl+O does; not during an examination.
    void show_sessions_window();
    // Starts a new session of the exercise from its start state, live: the file names the
    // exercise and holds its start and goal, and its malfunctions come as their triggers do.
    // Not during an examination or a replay; the answer says why not, empty when started.
    std::string start_exercise(const zun::Exercise &exercise,
                               std::unique_ptr<zun::Simulator> start);
    // Starts a new session from a starting point (a step's, or a snapshot), with no exercise:
    // the file holds the start state. The answer says why not, empty when started.
    std::string start_from_point(std::unique_ptr<zun::Simulator> start);

    // Begins an examination in a session file of its own, from the line as it stands: the steps
    // before it stay the training session's, and the examination's report counts only its own.
    void begin_exam();

    // Plays a session the history keeps, as the journal asks: from its own file when it was
    // recorded here, else from its stored text written out
    // into the sessions folder's "from-history".
    void replay_stored(const std::string &file_name, const std::string &text);

signals:
    // A replay has played on or sought: the model moved without the live clock.
    void replay_moved();
    // The session in the windows is another trainee's: a replay opened or ended, or a session
    // continued from a replay.
    void trainee_changed(const QString &name);
    // A live session's file began (a fresh one, continued, or an examination's own), or its
    // trainee was named anew.
    void recording_changed();

private:
    // A model with its windows brought to `time` by replaying `inputs` from the latest moment
    // kept before it, all quietly.
    std::unique_ptr<Forms> rebuilt(const zun::InputTimeline &inputs, zun::Millis time);
    // Keeps the live session's moment when its interval has none yet.
    void keep_live_moment();
    // Puts fresh windows in place of the old ones, where those stood.
    void install(std::unique_ptr<Forms> fresh);
    void add_shortcuts();
    std::optional<LoadedSession> load_with_progress(const std::filesystem::path &file);
    void show_windows_above_sessions();
    void start_recording(zun::InputTimeline earlier, const std::filesystem::path &continues);
    // Ends the file and hands over the inputs it recorded.
    zun::InputTimeline end_recording(const std::string &note);
    void go_live();
    void tell_trainee();
    void report_writing(zun::SessionRecorder::Writing what, const std::string &error);

    // What a session's file says of its beginning besides the inputs: the exercise, its goal and
    // its start state; all empty on a fresh line.
    struct SessionStart {
        std::string exercise;
        std::string goal;
        std::string state;
        zun::Millis time = 0;
    };
    // Ends the live file and begins a new one from the line as it stands: `start` names what
    // begins (an exercise, or nothing), the state is the line's.
    void begin_from_here(SessionStart start, const std::string &note);
    // Why a new session cannot begin now; empty when it can.
    std::string why_no_new_start() const;
    // The base moment of a session that begins as `start` says.
    SeekCache fresh_cache(const SessionStart &start);
    // Directs the live exercise's events on the windows' line, those in `done` carried out.
    void direct_exercise(std::vector<bool> done);

    QuietPort port_;
    SeekCache moments_{seek_interval, fresh_base(port_)}; // of the session in the windows
    Settings settings_;
    FormsBuilt forms_built_;
    FileEnded file_ended_;
    ViewClockDriver view_clock_driver_; // runs the windows' animations; outlives them
    std::unique_ptr<Forms> forms_;
    std::unique_ptr<ClockDriver> clock_;
    std::unique_ptr<zun::SessionRecorder> recorder_; // the live session's
    SessionStart live_start_;                        // of the live session, or the replayed one
    std::optional<zun::Exercise> exercise_;          // live, with its events still to come
    std::unique_ptr<zun::ExerciseDirector> director_;
    std::string started_;                            // when the live session's file began
    std::string live_id_;                            // the live session's header's id
    zun::InputTimeline replay_inputs_;
    zun::Millis replay_length_ = 0;
    std::filesystem::path replay_file_;
    std::string replay_trainee_;
    SessionStart replay_start_;
    std::unique_ptr<MomentKeeper> replay_keeper_; // keeps what the replay passes
    std::unique_ptr<zun::SessionPlayer> player_; // while a replay runs
    std::unique_ptr<SessionsWindow> sessions_window_;
    std::optional<zun::Millis> time_mark_interval_;
    bool failure_told_ = false;
    bool sessions_window_placed_ = false;
};
