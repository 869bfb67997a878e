#include "session_player.h"

namespace zun {

void SessionPlayer::play_to(Millis time)
{
    for (; next_ < inputs_.size() && inputs_[next_].time <= time; ++next_) {
        sim_.scheduler.advance_to(inputs_[next_].time);
        sim_.apply(inputs_[next_].input);
    }
    if (time > sim_.scheduler.now())
        sim_.scheduler.advance_to(time);
}

InputTimeline SessionPlayer::played() const
{
    return {inputs_.begin(), inputs_.begin() + static_cast<std::ptrdiff_t>(next_)};
}

} // namespace zun
