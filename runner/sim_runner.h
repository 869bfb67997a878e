#pragma once

#include "sessions/session_file.h"
#include "sim/dispatcher.h"
#include "sim/ui_port.h"
#include "training/exercise_director.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The headless runner: the model built as the program builds it, driven by a script of one
// command per line instead of windows.
class SimRunner final : private zun::InputObserver {
public:
    // Cancelled only when the progress watcher asked to stop; zun-sim never does.
    enum ExitStatus { Completed = 0, Failed = 1, ScriptError = 2, Cancelled = 3 };

    // Told the virtual time reached, every minute of it at most, while the clock runs; the run
    // stops with Cancelled when it returns false. The longest advance the clock holds takes
    // hours of CPU: whoever waits for it can see it go on and give it up.
    using Progress = std::function<bool(zun::Millis reached)>;
    static constexpr zun::Millis progress_step = 60'000;

    explicit SimRunner(std::ostream &out);
    ~SimRunner();
    SimRunner(const SimRunner &) = delete;
    SimRunner &operator=(const SimRunner &) = delete;

    // Runs the script to its end, or up to its first bad line, which is reported on `errors` as
    // "line N: ..." before anything of it runs. A goal not reached, or a failing model, ends the
    // run with Failed.
    ExitStatus run(std::istream &script, std::ostream &errors);

    // Puts the line in a start state: what follows begins at its time.
    void enter(std::unique_ptr<zun::Simulator> start);
    // Sets the exercise's lesson and carries out its events as their triggers come while the
    // script runs, the exercise having begun where the line was entered.
    void begin_exercise(const zun::Exercise &exercise);
    // When the session or the exercise began: the time of its start state, 0 on a fresh line.
    zun::Millis began() const { return began_; }

    // Replays a session file's lines, from the state its start snapshot holds when it has one
    // (a start refused is a script error). A last line cut short is dropped with a warning. With
    // `check`, the final state hash must equal the file's end line; a session without one
    // (killed, or still running) cannot be checked and fails.
    ExitStatus replay(const zun::SessionScript &session, bool check, std::ostream &errors);

    // A cycle takes some minutes of virtual time; a run that stalls gives up after an hour
    // each, and the clock must hold that hour for every cycle and the start.
    static constexpr zun::Millis bench_cycle_limit = 3600000;
    static constexpr long long max_bench_cycles = zun::Scheduler::latest / bench_cycle_limit - 1;

    // From the start, the automatic mode and one press of "пройти стадию": runs `cycles` whole
    // scenarios and prints the virtual time, the CPU time and their ratio. A count outside
    // 1..max_bench_cycles is refused as a script error.
    ExitStatus bench(long long cycles, std::ostream &errors);

    void set_progress(Progress progress) { progress_ = std::move(progress); }

    zun::Dispatcher &dispatcher() { return dispatcher_; }
    const zun::LineModel &sim() const { return dispatcher_.model(); }

    // Runs one script line; a bad line throws std::invalid_argument before anything of it runs.
    // Lines that are no command of the runner's own are inputs, applied through the model's door.
    void run_line(std::string_view line);

private:
    enum class ArgumentKind {
        Duration,
        Mechanism,
        PictureName,
        Stage,
        Within,
        Control,
        StepLine,
        File,
    };
    using Argument = std::variant<long long, const zun::Picture *, std::string>;
    using Arguments = std::vector<Argument>;

    struct Command {
        std::vector<std::string_view> words;
        std::vector<ArgumentKind> arguments;
        void (SimRunner::*action)(const Arguments &);
        std::size_t required = arguments.size(); // the rest may be left out together
    };
    static const std::vector<Command> &commands();

    // Runs one line numbered as in its file; reports a failure and returns its status.
    ExitStatus run_numbered(int number, std::string_view line, std::ostream &errors);
    const Command *match(const std::vector<std::string_view> &tokens) const;
    Argument parse(ArgumentKind kind, std::string_view token) const;
    void stage_changed(zun::Millis time, int before, int after) override;
    void refuse_past_clock_end(long long duration, const char *what) const;
    // Advances the clock in steps, telling the progress watcher between them.
    void advance_watched(zun::Millis duration);
    // Advances to `time`, or to the first moment before it that a scripted event waits for; a
    // tick at most while an event waits for the line.
    void advance_towards(zun::Millis time);
    void tell_progress();

    void advance(const Arguments &arguments);
    void trace_on(const Arguments &arguments);
    void trace_off(const Arguments &arguments);
    void until_stage(const Arguments &arguments);
    void show_time(const Arguments &arguments);
    void show_cur(const Arguments &arguments);
    void show_stage(const Arguments &arguments);
    void show_mech(const Arguments &arguments);
    void show_picture(const Arguments &arguments);
    void show_strip(const Arguments &arguments);
    void show_coils(const Arguments &arguments);
    void show_explanation(const Arguments &arguments);
    void show_key(const Arguments &arguments);
    void snapshot_save(const Arguments &arguments);
    void snapshot_load(const Arguments &arguments);
    const zun::TMech &mech(const Argument &argument) const;

    std::ostream &out_;
    zun::RecordingUiPort ui_;
    zun::Dispatcher dispatcher_{ui_};
    Progress progress_;
    zun::Millis next_progress_ = progress_step;
    bool tracing_ = false;
    int awaited_stage_ = -1; // the goal of `until stage`, while it waits
    bool awaited_reached_ = false;
    long long stage_1_begun_ = 0;
    zun::Millis began_ = 0;
    std::unique_ptr<zun::ExerciseDirector> director_;
};
