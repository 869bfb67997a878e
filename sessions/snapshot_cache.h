#pragma once

#include "sim/scheduler.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>

namespace zun {

// A moment of a session kept whole: the model's snapshot (write_snapshot's text), how many of
// the session's inputs it had applied, and what the observers had built from those inputs.
template <typename Records> struct KeptMoment {
    Millis time = 0;
    std::size_t played = 0;
    std::string model;
    Records records;
};

// The moments of one session's timeline kept in memory, so that the session can be brought to
// any moment from the latest one kept at or before it, playing only the inputs from there. It
// holds one moment in each `interval` of virtual time from the base, the session's first moment,
// which is never forgotten. The session's file stays whole without it: a moment forgotten or
// refused is kept again when the inputs are played through its interval once more.
template <typename Records> class SnapshotCache {
public:
    using Moment = KeptMoment<Records>;

    SnapshotCache(Millis interval, Moment base) : interval_(interval), base_time_(base.time)
    {
        if (interval_ <= 0)
            throw std::invalid_argument("moments kept at an interval of no length");
        moments_.emplace(base.time, std::move(base));
    }

    // The latest moment at or before `time`; the base for a time before it.
    const Moment &at_or_before(Millis time) const
    {
        const auto after = moments_.upper_bound(time);
        return after == moments_.begin() ? after->second : std::prev(after)->second;
    }

    // The start of the interval after the one `time` is in: where a player stops to keep one.
    Millis next_stop(Millis time) const
    {
        return (time - base_time_) / interval_ * interval_ + interval_ + base_time_;
    }

    // Whether the interval `time` is in has no moment yet.
    bool wants(Millis time) const
    {
        const Millis begins = next_stop(time) - interval_;
        const auto kept = moments_.lower_bound(begins);
        return kept == moments_.end() || kept->first >= begins + interval_;
    }

    void keep(Moment moment) { moments_.insert_or_assign(moment.time, std::move(moment)); }

    // Drops the moment at `time` (one whose snapshot was refused); the base stays, and the
    // answer is whether one was dropped.
    bool forget(Millis time) { return time != base_time_ && moments_.erase(time) > 0; }

    // The session goes another way after `time` (it went back there): the moments after it are
    // of a timeline that is no more.
    void drop_after(Millis time)
    {
        moments_.erase(moments_.upper_bound(std::max(time, base_time_)), moments_.end());
    }

    std::size_t size() const { return moments_.size(); }
    // The snapshots' text, the records apart.
    std::size_t model_bytes() const
    {
        std::size_t bytes = 0;
        for (const auto &[time, moment] : moments_)
            bytes += moment.model.size();
        return bytes;
    }

private:
    Millis interval_;
    Millis base_time_;
    std::map<Millis, Moment> moments_;
};

} // namespace zun
