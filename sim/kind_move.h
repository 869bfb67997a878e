#pragma once

#include <cstdint>

namespace zun {

// How a mechanism moves: `Kind_Move`.
enum class KindMove : std::int8_t {
    Rotation = 0, // endless rotation through its four phases, no limit switches
    Phases = 1,   // four phases between two ends
    Travel = 2,   // travel of its pictures between bounds
};

} // namespace zun
