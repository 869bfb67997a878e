#pragma once

#include "sim/inputs.h"

#include <span>

// What a person does in each step, in an order that works at any pace: the keys the step's
// commands turn, with the few corrections that the commands alone cannot know.
namespace zun::stages {

// A console key turned to send its mechanism a pulse.
struct StepAction {
    int mech;
    MechCommand command; // Forward or Reverse
    bool operator==(const StepAction &) const = default;
};

// The actions of a step in the order to do them: keys held while a drive runs come last, and
// before them the key whose mechanism's end completes the step, so that nothing listed is left
// undone when the step is counted. Empty for a step without keys and outside 0..48.
std::span<const StepAction> actions(int stage);

// Whether a key held down is let go only once the step is counted: a spring-return key of a
// mechanism that rotates rather than stopping at an end.
bool held_until_counted(int mech);
// Whether a mechanism moves between two ends (and stops there) rather than rotating.
bool has_ends(int mech);

} // namespace zun::stages
