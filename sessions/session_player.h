#pragma once

#include "sessions/session_recorder.h"

#include <cstddef>

namespace zun {

// How many of `inputs` are due up to `time`, those at `time` included.
std::size_t played_by(const InputTimeline &inputs, Millis time);

// Told by a player as its clock reaches each moment the listener asks for, so that the state
// there can be kept.
class PlayStops {
public:
    // The first moment after `time` the player is to stop at.
    virtual Millis next_stop(Millis time) const = 0;
    // The clock stands at `time`, a stop, `played` of the inputs applied.
    virtual void passing(Millis time, std::size_t played) = 0;

protected:
    ~PlayStops() = default;
};

// Plays recorded inputs into a model: the clock runs to each input's time and the input is
// applied there, as it was when recorded. The model is a fresh one, or one already brought to a
// moment of the same inputs with `played` of them applied.
class SessionPlayer {
public:
    SessionPlayer(Dispatcher &dispatcher, const InputTimeline &inputs, std::size_t played = 0,
                  PlayStops *stops = nullptr)
        : dispatcher_(dispatcher), inputs_(inputs), next_(played), stops_(stops)
    {
    }

    // Runs the clock to `time` (never back), applying every input due up to it, those at
    // `time` included.
    void play_to(Millis time);

    Millis position() const { return dispatcher_.now(); }
    // The inputs played so far.
    InputTimeline played() const;
    std::size_t played_count() const { return next_; }

private:
    // Runs the clock to each stop up to `time`, `time` included, and tells it there.
    void stop_on_the_way_to(Millis time);

    Dispatcher &dispatcher_;
    const InputTimeline &inputs_;
    std::size_t next_ = 0;
    PlayStops *stops_;
};

} // namespace zun
