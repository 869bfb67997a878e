#pragma once

#include "sim/Unit_simulator.h"

namespace zun {

// What a window holds of the model: the model as const, to paint it, and the door, to change it.
// Nothing else a window holds can change the model.
class Door {
public:
    explicit Door(TSimulator &sim) : sim_(sim) {}

    const TSimulator &model() const { return sim_; }
    Answer apply(const Input &input) const { return sim_.apply(input); }

private:
    TSimulator &sim_;
};

} // namespace zun
