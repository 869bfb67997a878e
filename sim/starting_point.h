#pragma once

#include "sim/simulator.h"

#include <memory>

namespace zun {

// The longest the automatic run is given to reach a step from a fresh line: a whole scenario takes
// some three minutes of virtual time.
inline constexpr Millis starting_point_limit = 3'600'000;

// The state in which a correct run enters step `step` (1..last_stage): the automatic run from a
// fresh line, stopped the moment the step begins and handed to the trainee, with the first
// working mode selected and no pause left running towards the next step. The clock stands where
// the run had it. Throws std::out_of_range for a step outside the scenario.
std::unique_ptr<Simulator> automatic_run_at_step(int step);

} // namespace zun
