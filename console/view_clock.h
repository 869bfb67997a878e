#pragma once

#include "sim/scheduler.h"

#include <functional>

// The clock of the windows' own animations: a caption's flash, a window's refresh, the marker
// following its picture, a note that goes after a while. The program runs it on the wall clock
// (ViewClockDriver); the video maker moves it with the model's clock, frame by frame, so that a
// frame shows the same on a fast machine as on a slow one. Nobody running it, it stands still
// until advanced by hand.
class ViewClock {
public:
    // Whoever runs the clock, told when a timer starts.
    class Runner {
    public:
        // Brings the clock up to the present, before a timer counts its period from it.
        virtual void catch_up() = 0;
        // A timer started: wake in time for its first tick.
        virtual void timers_changed() = 0;

    protected:
        ~Runner() = default;
    };

    ViewClock() = default;
    ViewClock(const ViewClock &) = delete;
    ViewClock &operator=(const ViewClock &) = delete;
    ~ViewClock() = default;

    zun::Millis now() const { return scheduler_.now(); }
    // The due time of the earliest tick, or -1 when no timer runs.
    zun::Millis next_due() const { return scheduler_.next_due(); }
    // Whether a tick's handler is running (the clock cannot advance then).
    bool advancing() const { return scheduler_.advancing(); }
    // Fires the ticks due up to `time`, in order.
    void advance_to(zun::Millis time) { scheduler_.advance_to(time); }
    // Null: nobody runs it.
    void set_runner(Runner *runner) { runner_ = runner; }

private:
    friend class ViewTimer;

    zun::Scheduler scheduler_;
    Runner *runner_ = nullptr;
};

// A timer of a view on a ViewClock, like a message-loop timer: it ticks every interval once
// started, or once when single-shot; starting a running timer begins its interval anew.
class ViewTimer {
public:
    enum class Shots { Repeated, Single };

    ViewTimer(ViewClock &clock, zun::Millis interval, Shots shots, std::function<void()> on_tick);

    void start();
    void stop() { timer_.set_enabled(false); }
    bool active() const { return timer_.enabled(); }
    zun::Millis interval() const { return timer_.interval(); }
    bool single_shot() const { return shots_ == Shots::Single; }

private:
    void tick();

    ViewClock &clock_;
    Shots shots_;
    std::function<void()> on_tick_;
    zun::Timer timer_;
};
