#pragma once

#include "app/clock_driver.h"
#include "console/view_clock.h"

#include <QObject>
#include <QTimer>

// Runs the windows' animation clock on the monotonic wall clock with one precise timer armed
// for the next due tick, so that the animations keep the wall clock's pace whatever the model's
// clock does (paused, faster, replaying). It never advances more than max_step in one call:
// after a stall the rest of the lag is absorbed instead of firing a burst of catch-up ticks.
class ViewClockDriver final : public QObject, private ViewClock::Runner {
    Q_OBJECT

public:
    static constexpr zun::Millis max_step = 100;

    explicit ViewClockDriver(ClockDriver::WallClock wall_clock = {}, QObject *parent = nullptr);

    // Runs `clock` from the present wall time on, and no longer the one it ran before, which
    // must still be there.
    void drive(ViewClock &clock);
    // Brings the clock up to the wall clock, then waits for its next due tick; called by the
    // timer.
    void wake();

private:
    void catch_up() override;
    void timers_changed() override { arm(); }
    void arm();

    ViewClock *clock_ = nullptr;
    ClockDriver::WallClock wall_clock_;
    QTimer timer_;
    zun::Millis last_wall_ = 0;
};
