#pragma once

#include "sim/scheduler.h"

namespace zun {

// A virtual clock that something outside the model runs: the program's clock driver runs the
// dispatcher's, which tells everyone what each advance did.
class DrivenClock {
public:
    virtual Millis now() const = 0;
    // The due time of the earliest tick, or -1 when no timer is enabled.
    virtual Millis next_due() const = 0;
    virtual void advance_to(Millis time) = 0;

protected:
    ~DrivenClock() = default;
};

} // namespace zun
