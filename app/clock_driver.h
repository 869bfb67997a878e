#pragma once

#include "sim/driven_clock.h"

#include <QObject>
#include <QTimer>

#include <functional>

class ErrorReporter;

// Runs the model's virtual clock from the monotonic wall clock with one precise timer armed for
// the next due tick. It never advances more than max_step of virtual time in one call: after a
// stall the rest of the lag is absorbed instead of firing a burst of catch-up ticks. A speed
// factor scales virtual time against wall time; 0 pauses. Frozen, the clock stands whatever the
// speed, which comes back when the freeze ends. The model never knows either.
class ClockDriver final : public QObject {
    Q_OBJECT

public:
    // Milliseconds of a monotonic clock.
    using WallClock = std::function<double()>;

    static constexpr zun::Millis max_step = 100;

    // The monotonic clock, counted from this call.
    static WallClock monotonic_clock();

    ClockDriver(zun::DrivenClock &clock, ErrorReporter &errors, WallClock wall_clock = {},
                QObject *parent = nullptr);

    // Starts counting virtual time from the present wall time.
    void start();
    // Drives another model's clock (the model was rebuilt) from the next start; stops till then.
    void drive(zun::DrivenClock &clock);
    // Stops driving until the next start (a replay runs the model's clock itself).
    void stop();
    void set_speed(double factor);
    double speed() const { return speed_; }
    void set_frozen(bool frozen);
    bool frozen() const { return frozen_; }

    // Brings the virtual clock up to the wall clock, then waits for the next due tick. Called by
    // the timer; a call made while the clock is advancing (from a nested loop) does nothing.
    void wake();

signals:
    // The model may have changed: views refresh what they show of it.
    void advanced();
    void frozen_changed(bool frozen);

private:
    void arm();
    double running_speed() const { return frozen_ ? 0 : speed_; }

    zun::DrivenClock *clock_;
    ErrorReporter &errors_;
    WallClock wall_clock_;
    QTimer timer_;
    double last_wall_ = 0;
    double owed_ = 0; // virtual milliseconds due but not yet run, below max_step
    double speed_ = 1;
    bool advancing_ = false;
    bool driving_ = false; // from start to stop
    bool frozen_ = false;
};
