#include "stage_usage.h"

#include "sim/line_mechanisms.h"
#include "sim/stage_tables.h"
#include "sim/step_actions.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace zun {
namespace {

// Steps an operator does "и одновременно" use each other's pulses.
constexpr std::array<std::pair<int, int>, 3> done_together{{{11, 13}, {16, 17}, {23, 24}}};
// While the line runs at working speed (steps 40-42) its key and the drives it starts belong.
constexpr std::pair<int, int> at_working_speed{40, 42};

bool within(const std::pair<int, int> &range, int stage)
{
    return stage >= range.first && stage <= range.second;
}

void add_once(std::vector<UsedPulse> &pulses, UsedPulse pulse)
{
    if (std::ranges::none_of(pulses, [&](const UsedPulse &used) {
            return used.mech == pulse.mech && used.direction == pulse.direction;
        }))
        pulses.push_back(pulse);
}

void add_commanded(std::vector<UsedPulse> &pulses, int stage)
{
    using Op = stages::Command::Op;
    for (const stages::Command &command : stages::commands(stage))
        if (command.op == Op::Forward || command.op == Op::Reverse)
            add_once(pulses, {command.mech, command.op == Op::Forward ? Direction::Forward
                                                                       : Direction::Reverse});
}

std::vector<UsedPulse> usage_of(int stage)
{
    std::vector<UsedPulse> pulses;
    if (within(at_working_speed, stage)) {
        add_once(pulses, {line_mech::WorkingSpeedKey, Direction::Forward});
        for (const int drive : stages::working_speed_drives())
            add_once(pulses, {drive, Direction::Forward});
    }
    const auto together = std::ranges::find_if(
        done_together, [stage](const std::pair<int, int> &range) { return within(range, stage); });
    const auto [first, last] =
        together == done_together.end() ? std::pair(stage, stage) : *together;
    for (int each = first; each <= last; ++each)
        add_commanded(pulses, each);
    return pulses;
}

// Row N: stage N, the step that is next while the stage is N; stage 0 is no step.
const std::array<std::vector<UsedPulse>, stages::last_stage + 1> &usage()
{
    static const auto table = [] {
        std::array<std::vector<UsedPulse>, stages::last_stage + 1> rows;
        for (int stage = 1; stage <= stages::last_stage; ++stage)
            rows[static_cast<std::size_t>(stage)] = usage_of(stage);
        return rows;
    }();
    return table;
}

} // namespace

std::span<const UsedPulse> used_pulses(int stage)
{
    if (stage < 0 || stage > stages::last_stage)
        return {};
    return usage()[static_cast<std::size_t>(stage)];
}

bool listed_on_page(int stage, int mech, Direction direction)
{
    if (direction == Direction::Stop || stage < 1)
        return false;
    const MechCommand command =
        direction == Direction::Forward ? MechCommand::Forward : MechCommand::Reverse;
    return std::ranges::any_of(stages::actions(stage), [&](const stages::StepAction &action) {
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
