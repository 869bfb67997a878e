#include "pointer_track.h"

void PointerTrack::glide(qint64 start_ms, qint64 end_ms, QPointF goal)
{
    from_ = at(start_ms);
    goal_ = goal;
    start_ms_ = start_ms;
    end_ms_ = end_ms;
}

QPointF PointerTrack::at(qint64 ms) const
{
    if (ms >= end_ms_)
        return goal_;
    if (ms <= start_ms_)
        return from_;
    const double share = double(ms - start_ms_) / double(end_ms_ - start_ms_);
    const double eased = share * share * (3.0 - 2.0 * share);
    return from_ + (goal_ - from_) * eased;
}
