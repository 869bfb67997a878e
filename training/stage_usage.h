#pragma once

#include <span>

namespace zun {

enum class Direction { Forward, Reverse, Stop };

// A pulse that a step asks of the trainee: a mechanism driven one way.
struct UsedPulse {
    int mech;
    Direction direction;
};

// The pulses each step uses, as an operator carries it out: what "пройти стадию" commands at
// that stage, with the working-speed key (79) and the drives it starts belonging to stages 40-42,
// and steps done "и одновременно" (11-13, 16-17, 23-24) sharing theirs. Empty outside 1..48.
std::span<const UsedPulse> used_pulses(int stage);

// Whether the step's page lists the pulse among its actions.
bool listed_on_page(int stage, int mech, Direction direction);

// Whether a forward or reverse pulse to `mech` belongs to `stage`: the step uses it or its page
// lists it; a stop always does.
bool in_sequence(int stage, int mech, Direction direction);

} // namespace zun
