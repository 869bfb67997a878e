#include "stage_pointer.h"

#include "sim/stage_tables.h"
#include "sim/step_actions.h"

#include <algorithm>

namespace zun::stages {

StepControl first_control(int stage)
{
    using Op = Command::Op;
    using Kind = StepControl::Kind;
    if (stage < 0 || stage > last_stage)
        return {};
    const auto commands_of_stage = commands(stage);
    const auto commanded = [&](Op op) {
        return std::ranges::any_of(commands_of_stage,
                                   [op](const Command &command) { return command.op == op; });
    };
    if (commanded(Op::CoilOnCar))
        return {Kind::NewCoilButton};
    if (commanded(Op::Bell))
        return {Kind::Bell};
    const std::span<const StepAction> listed = actions(stage);
    if (listed.empty())
        return {};
    return {Kind::Key, listed.front().mech};
}

} // namespace zun::stages
