#pragma once

#include "sim/Unit_simulator.h"

namespace zun {

// Keeps the windows' inputs out of the model while it is locked: a recorded session playing in
// the windows is the only one to change the model then.
class DoorLock {
public:
    bool locked() const { return locked_; }
    void set_locked(bool locked) { locked_ = locked; }

private:
    bool locked_ = false;
};

// What a window holds of the model: the model as const, to paint it, and the door, to change it.
// Nothing else a window holds can change the model. Through a locked door nothing passes, and
// the answer is empty.
class Door {
public:
    explicit Door(TSimulator &sim) : sim_(sim) {}
    Door(TSimulator &sim, const DoorLock &lock) : sim_(sim), lock_(&lock) {}

    const TSimulator &model() const { return sim_; }
    Answer apply(const Input &input) const
    {
        return lock_ && lock_->locked() ? Answer{} : sim_.apply(input);
    }

private:
    TSimulator &sim_;
    const DoorLock *lock_ = nullptr;
};

} // namespace zun
