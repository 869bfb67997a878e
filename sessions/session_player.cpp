#include "session_player.h"

namespace zun {

void SessionPlayer::play_to(Millis time)
{
    for (; next_ < inputs_.size() && inputs_[next_].time <= time; ++next_) {
        dispatcher_.advance_to(inputs_[next_].time);
        dispatcher_.apply(inputs_[next_].input);
    }
    if (time > dispatcher_.now())
        dispatcher_.advance_to(time);
}

InputTimeline SessionPlayer::played() const
{
    return {inputs_.begin(), inputs_.begin() + static_cast<std::ptrdiff_t>(next_)};
}

} // namespace zun
