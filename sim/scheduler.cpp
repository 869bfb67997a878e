#include "scheduler.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

namespace zun {

namespace {

// Clears a flag however the scope is left, exceptions included.
class FlagGuard {
public:
    explicit FlagGuard(bool &flag) : flag_(flag) { flag_ = true; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;
    ~FlagGuard() { flag_ = false; }

private:
    bool &flag_;
};

// Rejects an interval the clock could not hold.
Millis checked_interval(Millis interval)
{
    if (interval > Scheduler::latest)
        throw std::out_of_range("timer interval " + std::to_string(interval) +
                                " ms beyond the clock's end");
    return interval;
}

} // namespace

void Scheduler::advance_to(Millis time)
{
    if (advancing_)
        throw std::logic_error("Scheduler::advance_to called from a timer handler");
    if (time > latest)
        throw std::out_of_range("virtual time " + std::to_string(time) +
                                " ms beyond the clock's end at " + std::to_string(latest));
    const FlagGuard guard(advancing_);
    while (!queue_.empty() && queue_.front().due <= time) {
        // Requeue the timer at its next due time before its handler runs, so that the handler
        // may disable or retime it and an exception leaves the queue whole. The entry moves
        // within the vector, which keeps the steady state free of allocations.
        Entry entry = queue_.front();
        Timer &timer = *entry.timer;
        now_ = entry.due;
        timer.due_ = now_ + timer.period();
        entry.due = timer.due_;
        const auto after = std::upper_bound(queue_.begin() + 1, queue_.end(), entry);
        std::move(queue_.begin() + 1, after, queue_.begin());
        *(after - 1) = entry;
        timer.on_tick_();
    }
    now_ = std::max(now_, time);
}

void Scheduler::advance_by(Millis duration)
{
    if (duration < 0 || duration > latest - now_)
        throw std::out_of_range("advancing " + std::to_string(duration) + " ms from " +
                                std::to_string(now_) + " leaves the clock's range 0.." +
                                std::to_string(latest));
    advance_to(now_ + duration);
}

Millis Scheduler::next_due() const
{
    return queue_.empty() ? -1 : queue_.front().due;
}

void Scheduler::restore_now(Millis time)
{
    if (time < 0 || time > latest)
        throw std::invalid_argument("virtual time " + std::to_string(time) + " outside 0.." +
                                    std::to_string(latest));
    if (advancing_)
        throw std::logic_error("Scheduler::restore_now called from a timer handler");
    // Every tick the construction queued goes: each timer puts its saved one back.
    for (const Entry &entry : queue_)
        entry.timer->queued_ = false;
    queue_.clear();
    now_ = time;
}

void Scheduler::queue(Timer &timer, Millis due)
{
    timer.due_ = due;
    timer.queued_ = true;
    const Entry entry{due, timer.order_, &timer};
    queue_.insert(std::upper_bound(queue_.begin(), queue_.end(), entry), entry);
}

void Scheduler::unqueue(Timer &timer)
{
    if (!timer.queued_)
        return;
    queue_.erase(std::lower_bound(queue_.begin(), queue_.end(),
                                  Entry{timer.due_, timer.order_, &timer}));
    timer.queued_ = false;
}

Timer::Timer(Scheduler &scheduler, Millis interval, std::function<void()> on_tick)
    : scheduler_(scheduler), on_tick_(std::move(on_tick)), interval_(checked_interval(interval)),
      order_(scheduler.register_timer())
{
}

Timer::~Timer()
{
    scheduler_.unqueue(*this);
}

void Timer::set_enabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    reschedule();
}

void Timer::set_interval(Millis interval)
{
    if (interval == interval_)
        return;
    interval_ = checked_interval(interval);
    reschedule();
}

void Timer::restore(bool enabled, Millis interval, Millis due)
{
    const bool ticks = enabled && interval > 0;
    if (interval < 0 || interval > Scheduler::latest || ticks != (due >= 0) ||
        (ticks && (due < scheduler_.now() || due > Scheduler::latest)))
        throw std::invalid_argument("a timer cannot be enabled=" + std::to_string(enabled) +
                                    " interval=" + std::to_string(interval) +
                                    " due=" + std::to_string(due) + " at " +
                                    std::to_string(scheduler_.now()));
    interval_ = interval;
    enabled_ = enabled;
    scheduler_.unqueue(*this);
    if (ticks)
        scheduler_.queue(*this, due);
}

Millis Timer::period() const
{
    return std::max(interval_, Scheduler::shortest_period);
}

void Timer::reschedule()
{
    scheduler_.unqueue(*this);
    if (enabled_ && interval_ > 0)
        scheduler_.queue(*this, scheduler_.now() + period());
}

} // namespace zun
