#include "view_clock_driver.h"

#include <algorithm>
#include <cmath>

ViewClockDriver::ViewClockDriver(ClockDriver::WallClock wall_clock, QObject *parent)
    : QObject(parent),
      wall_clock_(wall_clock ? std::move(wall_clock) : ClockDriver::monotonic_clock())
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ViewClockDriver::wake);
}

void ViewClockDriver::drive(ViewClock &clock)
{
    if (clock_)
        clock_->set_runner(nullptr);
    clock_ = &clock;
    clock_->set_runner(this);
    last_wall_ = static_cast<zun::Millis>(std::floor(wall_clock_()));
    arm();
}

void ViewClockDriver::wake()
{
    catch_up();
    arm();
}

void ViewClockDriver::catch_up()
{
    // A tick's handler that starts a timer finds the clock at that tick's time already.
    if (!clock_ || clock_->advancing())
        return;
    const auto wall = static_cast<zun::Millis>(std::floor(wall_clock_()));
    const zun::Millis step = std::clamp<zun::Millis>(wall - last_wall_, 0, max_step);
    last_wall_ = wall;
    clock_->advance_to(clock_->now() + step);
}

void ViewClockDriver::arm()
{
    const zun::Millis next = clock_ ? clock_->next_due() : -1;
    if (next < 0) {
        timer_.stop();
        return;
    }
    timer_.start(static_cast<int>(std::max<zun::Millis>(next - clock_->now(), 0)));
}
