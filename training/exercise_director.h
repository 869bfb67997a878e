#pragma once

#include "sim/dispatcher.h"
#include "training/exercise.h"

#include <optional>
#include <vector>

namespace zun {

// Carries out an exercise's scripted events on a live line: each one, once, when its trigger
// comes — a step beginning, a mechanism's first run in a direction, or a virtual time — by
// applying its malfunction through the door, so that the session file and the history hold it as
// an input like the instructor's own. A replay of that file needs no director.
class ExerciseDirector final : private InputObserver {
public:
    // The exercise began at `began` on the dispatcher's clock. `done` marks the events carried
    // out already (see done_by), when the line has gone back into the exercise.
    ExerciseDirector(Dispatcher &dispatcher, std::vector<ScriptedEvent> events, Millis began,
                     std::vector<bool> done = {});
    ~ExerciseDirector();
    ExerciseDirector(const ExerciseDirector &) = delete;
    ExerciseDirector &operator=(const ExerciseDirector &) = delete;

    // The earliest moment an event waits for, when one waits for a time: a clock that runs in
    // steps stops there, so that the event comes at its very millisecond.
    std::optional<Millis> next_due() const;
    // Whether an event waits for a step or a mechanism's run: a clock that runs in steps keeps
    // them short (a tick), so that the event comes in the tick its trigger came.
    bool waits_for_the_line() const;
    // Which events had been carried out by `time`: what a director takes over when the line goes
    // back to that moment.
    std::vector<bool> done_by(Millis time) const;

private:
    void stage_changed(Millis time, int before, int after) override;
    void dispatched() override;
    void carry_out(std::size_t event);

    Dispatcher &dispatcher_;
    std::vector<ScriptedEvent> events_;
    std::vector<std::optional<Millis>> done_; // when each was carried out
    Millis began_;
};

} // namespace zun
