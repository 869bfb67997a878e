#include "view_clock.h"

ViewTimer::ViewTimer(ViewClock &clock, zun::Millis interval, Shots shots,
                     std::function<void()> on_tick)
    : clock_(clock), shots_(shots), on_tick_(std::move(on_tick)),
      timer_(clock.scheduler_, interval, [this] { tick(); })
{
}

void ViewTimer::start()
{
    if (clock_.runner_)
        clock_.runner_->catch_up();
    timer_.set_enabled(false);
    timer_.set_enabled(true);
    if (clock_.runner_)
        clock_.runner_->timers_changed();
}

void ViewTimer::tick()
{
    if (shots_ == Shots::Single)
        timer_.set_enabled(false);
    on_tick_();
}
