#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace zun {

// Virtual time of the simulation, in milliseconds since the scheduler was made.
using Millis = std::int64_t;

class Timer;

// One deterministic clock for every timer of the program. Nothing here reads the wall clock:
// the owner advances virtual time, and the due ticks fire in order of due time, ties in order of
// the timers' creation. Only enabled timers are queued, so a tick costs the same however many
// disabled timers exist.
class Scheduler {
public:
    // Like message-loop timers, no timer ticks more often than this; a shorter interval is kept
    // as set but ticks at this period.
    static constexpr Millis shortest_period = 10;
    // The clock's end: ten years (of 366 days) of virtual time. No time and no interval goes
    // beyond it, so that a time plus a period never overflows.
    static constexpr Millis latest = Millis{10} * 366 * 24 * 60 * 60 * 1000;

    Scheduler() = default;
    Scheduler(const Scheduler &) = delete;
    Scheduler &operator=(const Scheduler &) = delete;
    ~Scheduler() = default;

    Millis now() const { return now_; }

    // Fires every tick due at or before `time`, each handler running to its end; inside a handler
    // now() is that tick's due time. Afterwards now() is `time` (time never goes back). An
    // exception from a handler propagates with the scheduler consistent: now() is the failed
    // tick's due time, that timer's next tick is already queued, and a later call goes on from
    // there. A handler must not advance the clock itself. A time past `latest` throws
    // std::out_of_range before anything runs.
    void advance_to(Millis time);
    // Advances by a duration of 0 up to what is left before `latest`; others throw
    // std::out_of_range before anything runs.
    void advance_by(Millis duration);

    // Due time of the earliest queued tick, or -1 when no timer is enabled.
    Millis next_due() const;
    // Whether a tick's handler is running.
    bool advancing() const { return advancing_; }

    // Sets the clock of a model being restored to the time it was saved at and unqueues every
    // tick, for each timer to put its saved one back (Timer::restore); a time outside 0..latest
    // throws std::invalid_argument.
    void restore_now(Millis time);

private:
    friend class Timer;

    struct Entry {
        Millis due;
        std::uint64_t order; // creation order of the timer: breaks ties
        Timer *timer;
        bool operator<(const Entry &other) const
        {
            return due != other.due ? due < other.due : order < other.order;
        }
    };

    std::uint64_t register_timer() { return created_++; }
    void queue(Timer &timer, Millis due);
    void unqueue(Timer &timer);

    // The queued ticks in due order, earliest first. A handful of timers run at once, so a
    // sorted vector moves less memory per tick than a tree's nodes do.
    std::vector<Entry> queue_;
    Millis now_ = 0;
    std::uint64_t created_ = 0;
    bool advancing_ = false;
};

// A periodic timer on a Scheduler, owned by whoever ticks on it. Enabling a disabled timer
// schedules its first tick one period later; enabling an enabled one changes nothing; giving an
// enabled timer another interval restarts its period from now; a handler that disables its own
// timer makes it one-shot. An interval of 0 never ticks, as with message-loop timers; an
// interval beyond the clock's end throws std::out_of_range.
class Timer {
public:
    Timer(Scheduler &scheduler, Millis interval, std::function<void()> on_tick);
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;
    ~Timer();

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled);
    Millis interval() const { return interval_; }
    void set_interval(Millis interval);
    // When the next tick is due, or -1 when none is queued.
    Millis due() const { return queued_ ? due_ : -1; }
    // Puts back a saved state: the tick due at `due` (-1: none) is queued at exactly that time,
    // not a period from now, so that the timer goes on as it would have. A due time that could
    // not have been saved (before now, beyond the clock's end, queued while disabled or the
    // reverse) throws std::invalid_argument and leaves the timer as it was.
    void restore(bool enabled, Millis interval, Millis due);

private:
    friend class Scheduler;

    Millis period() const;
    void reschedule();

    Scheduler &scheduler_;
    std::function<void()> on_tick_;
    Millis interval_;
    std::uint64_t order_;
    bool enabled_ = false;
    bool queued_ = false;
    Millis due_ = 0;
};

} // namespace zun
