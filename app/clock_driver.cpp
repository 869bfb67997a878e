#include "clock_driver.h"

#include "app/application.h"
#include "app/error_reporter.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <memory>

ClockDriver::WallClock ClockDriver::monotonic_clock()
{
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    return [elapsed] { return static_cast<double>(elapsed->nsecsElapsed()) / 1e6; };
}

ClockDriver::ClockDriver(zun::DrivenClock &clock, ErrorReporter &errors, WallClock wall_clock,
                         QObject *parent)
    : QObject(parent), clock_(&clock), errors_(errors),
      wall_clock_(wall_clock ? std::move(wall_clock) : monotonic_clock())
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClockDriver::wake);
}

void ClockDriver::start()
{
    driving_ = true;
    last_wall_ = wall_clock_();
    owed_ = 0;
    arm();
}

void ClockDriver::drive(zun::DrivenClock &clock)
{
    stop();
    clock_ = &clock;
}

void ClockDriver::stop()
{
    driving_ = false;
    timer_.stop();
}

void ClockDriver::set_speed(double factor)
{
    wake();
    speed_ = std::max(factor, 0.0);
    arm();
}

void ClockDriver::set_frozen(bool frozen)
{
    if (frozen == frozen_)
        return;
    wake(); // the time up to the freeze still runs
    frozen_ = frozen;
    arm();
    emit frozen_changed(frozen_);
}

void ClockDriver::wake()
{
    if (advancing_ || !driving_)
        return;
    const double wall = wall_clock_();
    const double elapsed = std::max(wall - last_wall_, 0.0) * running_speed();
    // A stall is measured in wall time: at a higher speed the same stall owes more.
    const double most_owed = static_cast<double>(max_step) * std::max(running_speed(), 1.0);
    owed_ = std::min(owed_ + elapsed, most_owed);
    last_wall_ = wall;
    const zun::Millis start = clock_->now();
    advancing_ = true;
    try {
        clock_->advance_to(start + static_cast<zun::Millis>(std::floor(owed_)));
    } catch (...) {
        errors_.report(current_exception_message());
    }
    advancing_ = false;
    // What ran is paid; after a failed tick the rest of the step runs at the next wake.
    owed_ -= static_cast<double>(clock_->now() - start);
    emit advanced();
    arm();
}

void ClockDriver::arm()
{
    if (running_speed() <= 0 || !driving_) {
        timer_.stop();
        return;
    }
    const zun::Millis next = clock_->next_due();
    // With nothing queued, look again after the shortest period: a handler may enable a timer.
    const double virtual_wait = next < 0 ? static_cast<double>(zun::Scheduler::shortest_period)
                                         : static_cast<double>(next - clock_->now()) - owed_;
    timer_.start(static_cast<int>(std::ceil(std::max(virtual_wait, 0.0) / running_speed())));
}
