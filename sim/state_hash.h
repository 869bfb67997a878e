#pragma once

#include <cstdint>

namespace zun {

class TSimulator;

// A hash of the whole simulated state: every mechanism's fields and drive timer, the strip, the
// coils, the stage and the line's timers, Cur_Mech and the scene's place. Two runs that did the
// same things at the same virtual times have the same hash.
std::uint64_t state_hash(const TSimulator &sim);

} // namespace zun
