#pragma once

#include "sim/dispatcher.h"

namespace zun {

// The model's own unit tests reach into its parts: they lay pieces of strip by hand, run one
// component's tick, call one step of the construction or set one signal. Every other test, and
// every caller of the model, changes it by inputs and by its clock only.
struct LineModelInternals {
    static LineModel &of(Simulator &simulator) { return simulator.line_; }
    static LineModel &of(Dispatcher &dispatcher) { return of(*dispatcher.simulator_); }
    // What a completed stage does in the first working mode, on its own; the windows are told
    // with the next dispatch.
    static void point_to_next_step(Dispatcher &dispatcher) { of(dispatcher).point_to_next_step(); }
};

} // namespace zun
