#pragma once

#include "sim/kind_move.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

// The configuration of the line's drives, one row per configured mechanism; every mechanism
// without a row keeps the construction values of its fields.
namespace zun::mechanism_table {

// Travel bounds relative to the start coordinate: lower .. upper.
struct Bounds {
    int lower;
    int upper;
};

struct MechanismConfig {
    int number;
    KindMove kind;
    std::int16_t step_x;
    std::int16_t step_y;
    std::int16_t step_z;
    std::optional<Bounds> x_bounds; // none: the construction bounds stay
    std::optional<Bounds> y_bounds;
    int drive_ms;
    std::array<int, 4> co_mech;     // 0: empty slot
    std::array<int, 4> follow_mech; // 0: empty slot
    bool auto_return;
};

std::span<const MechanismConfig> configuration();

// The peeler's drive is slowed to this interval by the main window's construction, before the
// intervals are remembered as the normal ones.
inline constexpr int peeler = 10;
inline constexpr int peeler_drive_ms = 300;

} // namespace zun::mechanism_table
