#pragma once

#include "sessions/session_writer.h"
#include "sim/dispatcher.h"

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zun {

// An input with the virtual time it was applied at.
struct TimedInput {
    Millis time = 0;
    Input input;
};
using InputTimeline = std::vector<TimedInput>;

// Keeps the inputs a model applies, with their times, while it observes the model's dispatcher.
class TimelineRecorder final : public InputObserver {
public:
    explicit TimelineRecorder(InputTimeline &inputs) : inputs_(inputs) {}
    void input_applied(Millis time, const Input &input, const Answer &) override
    {
        inputs_.push_back({time, input});
    }

private:
    InputTimeline &inputs_;
};

// Records a session of the model into a new session file: every input as it arrives at the door,
// before it is applied, and a note at each change of the work stage. It keeps the inputs too, so
// that the session can be rebuilt at an earlier moment. A file that cannot be made is reported
// once; one that stops taking lines (a full disk) is reported when it stops and again when it has
// caught up, the lines waiting in memory meanwhile.
class SessionRecorder final : public InputObserver {
public:
    enum class Writing { CannotCreate, Paused, CaughtUp };
    using WritingReport = std::function<void(Writing what, const std::string &error)>;

    // Starts the file with its header, then the inputs of `earlier` (a session continued from a
    // moment of another one: the model has been brought there by replaying them). A header with
    // a start state has its lines follow that state's time.
    SessionRecorder(Dispatcher &dispatcher, const std::filesystem::path &folder,
                    const std::tm &local_time, const SessionHeader &header,
                    InputTimeline earlier = {}, WritingReport report_writing = {});
    SessionRecorder(const SessionRecorder &) = delete;
    SessionRecorder &operator=(const SessionRecorder &) = delete;
    ~SessionRecorder();

    void input_arriving(Millis time, const Input &input) override;
    void stage_changed(Millis time, int before, int after) override;
    // Writes the lines waiting for the file, when some do; the program calls it after each
    // advance of the clock, so that a recording catches up even while nobody touches the line.
    void catch_up();
    // Writes the time the line has run to when that is `interval` or more after the file's last
    // line, so that whoever follows the file as it grows sees the line's time go on while nobody
    // touches it. A replay runs the same: the advances add up to the same run of the clock.
    void mark_time(Millis interval);
    // The trainee's name, set after the start (the instructor's window): a header line that
    // overrides the first.
    void set_trainee(const std::string &name);
    // The normal end: `note` (when given) and the end line with the state hash. Nothing is
    // recorded after it.
    void end(const std::string &note = {});

    const InputTimeline &inputs() const { return inputs_; }
    // The inputs applied up to `time`, that one included.
    InputTimeline inputs_until(Millis time) const;
    // Once ended, all its inputs, handed over rather than copied: it keeps none.
    InputTimeline take_inputs();
    const std::filesystem::path &path() const { return writer_.path(); }
    bool ended() const { return writer_.ended(); }
    bool failed() const { return writer_.failed(); }
    bool paused() const { return writer_.paused(); }
    const std::string &error() const { return writer_.error(); }

private:
    void check_writing();
    // Writes a stage note when the stage differs from the last noted.
    void note_stage(Millis time, int stage);

    Dispatcher &dispatcher_;
    SessionWriter writer_;
    InputTimeline inputs_;
    WritingReport report_writing_;
    int noted_stage_ = -1;
    bool failure_reported_ = false;
    bool pause_reported_ = false;
};

} // namespace zun
