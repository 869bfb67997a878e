#include "session_player.h"

#include <algorithm>

namespace zun {

std::size_t played_by(const InputTimeline &inputs, Millis time)
{
    const auto after = std::ranges::upper_bound(inputs, time, {}, &TimedInput::time);
    return static_cast<std::size_t>(after - inputs.begin());
}

void SessionPlayer::play_to(Millis time)
{
    for (; next_ < inputs_.size() && inputs_[next_].time <= time; ++next_) {
        stop_on_the_way_to(inputs_[next_].time);
        dispatcher_.advance_to(inputs_[next_].time);
        dispatcher_.apply(inputs_[next_].input);
    }
    stop_on_the_way_to(time);
    if (time > dispatcher_.now())
        dispatcher_.advance_to(time);
}

void SessionPlayer::stop_on_the_way_to(Millis time)
{
    if (!stops_)
        return;
    for (Millis stop = stops_->next_stop(dispatcher_.now()); stop <= time;
         stop = stops_->next_stop(stop)) {
        dispatcher_.advance_to(stop);
        stops_->passing(stop, next_);
    }
}

InputTimeline SessionPlayer::played() const
{
    return {inputs_.begin(), inputs_.begin() + static_cast<std::ptrdiff_t>(next_)};
}

} // namespace zun
