#include "stage_usage.h"

#include "sim/stage_tables.h"
#include "sim/step_actions.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zun {
namespace {

constexpr Direction F = Direction::Forward;
constexpr Direction R = Direction::Reverse;

using Pulses = std::vector<UsedPulse>;

const Pulses steps_11_to_13{{10, R}, {3, F}, {15, F}, {20, F}};
const Pulses steps_16_17{{9, R}, {3, F}, {15, F}};
const Pulses steps_23_24{{46, F}, {25, R}, {31, F}, {49, F}};
const Pulses working_speed{{79, F}, {3, F}, {25, F}, {31, F}, {46, F}, {69, F}};
const Pulses working_speed_and_strapping{{79, F}, {3, F}, {25, F}, {31, F}, {46, F}, {69, F},
                                         {64, F}};

// Row N: stage N, the step that is next while the stage is N.
const std::array<Pulses, stages::Last_Stage + 1> usage{{
    {},                                         // 0: before the first step
    {},                                         // 1: the new-coil button
    {{5, R}},                                   // 2
    {{1, F}, {2, F}},                           // 3
    {{7, R}},                                   // 4
    {{2, R}},                                   // 5
    {{1, R}},                                   // 6
    {{5, F}},                                   // 7
    {{3, R}},                                   // 8
    {{10, F}},                                  // 9
    {{3, F}},                                   // 10
    steps_11_to_13,                             // 11
    steps_11_to_13,                             // 12
    steps_11_to_13,                             // 13
    {{22, F}},                                  // 14
    {{3, F}, {15, F}},                          // 15
    steps_16_17,                                // 16
    steps_16_17,                                // 17
    {{20, R}, {18, F}},                         // 18
    {{19, F}},                                  // 19
    {{22, R}},                                  // 20
    {{3, F}, {15, F}, {25, F}},                 // 21
    {{27, F}},                                  // 22
    steps_23_24,                                // 23
    steps_23_24,                                // 24
    {{25, F}, {31, F}, {46, F}, {62, F}},       // 25
    {{25, F}, {31, F}, {46, F}, {61, F}},       // 26
    {{25, F}, {31, F}, {46, F}},                // 27
    {{61, R}},                                  // 28
    {{25, F}, {31, F}, {46, F}, {71, F}, {60, F}}, // 29
    {{70, F}},                                  // 30
    {{65, F}},                                  // 31
    {{61, F}},                                  // 32
    {{60, R}},                                  // 33
    {{31, F}},                                  // 34
    {{65, R}},                                  // 35
    {{66, F}},                                  // 36
    {{69, F}},                                  // 37
    {{65, F}, {66, R}},                         // 38
    {},                                         // 39: the bell
    working_speed,                              // 40
    working_speed,                              // 41
    working_speed_and_strapping,                // 42
    {{69, F}},                                  // 43
    {{70, R}, {74, F}, {75, F}},                // 44
    {{73, F}},                                  // 45
    {{72, R}},                                  // 46
    {{73, R}},                                  // 47
    {{72, F}, {73, R}, {76, R}},                // 48
}};

} // namespace

std::span<const UsedPulse> used_pulses(int stage)
{
    if (stage < 0 || stage > stages::Last_Stage)
        return {};
    return usage[static_cast<std::size_t>(stage)];
}

bool listed_on_page(int stage, int mech, Direction direction)
{
    if (direction == Direction::Stop || stage < 1)
        return false;
    const MechCommand command =
        direction == Direction::Forward ? MechCommand::Forward : MechCommand::Reverse;
    return std::ranges::any_of(stages::actions(stage), [&](const stages::Step_Action &action) {
        return action.mech == mech && action.command == command;
    });
}

bool in_sequence(int stage, int mech, Direction direction)
{
    if (direction == Direction::Stop || listed_on_page(stage, mech, direction))
        return true;
    return std::ranges::any_of(used_pulses(stage), [&](const UsedPulse &pulse) {
        return pulse.mech == mech && pulse.direction == direction;
    });
}

} // namespace zun
