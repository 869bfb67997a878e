#pragma once

#include "sessions/session_recorder.h"

#include <cstddef>

namespace zun {

// Plays recorded inputs into a model built fresh: the clock runs to each input's time and the
// input is applied there, as it was when recorded.
class SessionPlayer {
public:
    SessionPlayer(Dispatcher &dispatcher, const InputTimeline &inputs)
        : dispatcher_(dispatcher), inputs_(inputs)
    {
    }

    // Runs the clock to `time` (never back), applying every input due up to it, those at
    // `time` included.
    void play_to(Millis time);

    Millis position() const { return dispatcher_.now(); }
    // The inputs played so far.
    InputTimeline played() const;

private:
    Dispatcher &dispatcher_;
    const InputTimeline &inputs_;
    std::size_t next_ = 0;
};

} // namespace zun
