#include "step_actions.h"

#include "sim/console_layout.h"
#include "sim/line_mechanisms.h"
#include "sim/mechanism_table.h"
#include "sim/stage_tables.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zun::stages {

namespace {

// Where the commands the line gives itself are not what a person should be told.
struct OrderingNote {
    int stage;
    std::vector<StepAction> left_out = {}; // refused in the state the step is in, or not needed
    std::vector<StepAction> added = {}; // needed for the step, though the line's commands lack it
    // The action that completes the step where its condition watches the strip, not a key's
    // mechanism: it goes last but for keys held until the step is counted.
    std::optional<StepAction> completing = std::nullopt;
};

const std::vector<OrderingNote> &ordering_notes()
{
    constexpr auto F = MechCommand::Forward;
    constexpr auto R = MechCommand::Reverse;
    static const std::vector<OrderingNote> notes{
        // Once the feed roll holds the strip it draws it on alone, within seconds: the
        // uncoiler's jog would find the step done before it.
        {.stage = 15, .left_out = {{3, F}}},
        {.stage = 17, .left_out = {{3, F}}},
        {.stage = 21, .left_out = {{3, F}}, .completing = StepAction{15, F}},
        // The lower feed roll turned back for longer than the line's own instant pulls the strip
        // out of it again, and nothing then threads it on.
        {.stage = 23, .left_out = {{25, R}}},
        {.stage = 25, .left_out = {{31, F}}, .completing = StepAction{25, F}},
        {.stage = 26, .left_out = {{31, F}, {61, F}}, .completing = StepAction{25, F}},
        // The device's clamp must be down for the step's condition: it belongs to this step.
        {.stage = 27, .left_out = {{31, F}}, .added = {{61, F}}},
        // The pusher stands at its end since the line's reset.
        {.stage = 29, .left_out = {{71, F}, {31, F}}},
        // The removal table came down in step 47 already.
        {.stage = 48, .left_out = {{73, R}}},
    };
    return notes;
}

const OrderingNote *note_of(int stage)
{
    const auto &notes = ordering_notes();
    const auto found = std::ranges::find(notes, stage, &OrderingNote::stage);
    return found == notes.end() ? nullptr : &*found;
}

bool completes_the_step(int stage, int mech)
{
    using Kind = Test::Kind;
    return std::ranges::any_of(condition(stage), [mech](const Test &test) {
        switch (test.kind) {
        case Kind::AtForwardEnd:
        case Kind::AtReverseEnd:
        case Kind::HalfTurn:
        case Kind::RunEnded:
        case Kind::ReverseRunEnded:
            return test.mech == mech;
        default:
            return false;
        }
    });
}

std::vector<StepAction> commanded_keys(int stage)
{
    using Op = Command::Op;
    std::vector<StepAction> keys;
    for (const Command &command : commands(stage)) {
        if ((command.op == Op::Forward || command.op == Op::Reverse) &&
            console::key_of(command.mech))
            keys.push_back({command.mech, command.op == Op::Forward ? MechCommand::Forward
                                                                     : MechCommand::Reverse});
        else if (command.op == Op::WorkingSpeed)
            keys.push_back({line_mech::WorkingSpeedKey, MechCommand::Forward});
    }
    return keys;
}

} // namespace

bool has_ends(int mech)
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration())
        if (config.number == mech)
            return config.kind != KindMove::Rotation;
    return false;
}

bool held_until_counted(int mech)
{
    const console::Control *key = console::key_of(mech);
    return key && key->kind == console::ControlKind::BackKey && !has_ends(mech);
}

namespace {

std::vector<StepAction> ordered_actions(int stage)
{
    std::vector<StepAction> listed = commanded_keys(stage);
    const OrderingNote *note = note_of(stage);
    if (note) {
        std::erase_if(listed, [note](const StepAction &action) {
            return std::ranges::find(note->left_out, action) != note->left_out.end();
        });
        listed.insert(listed.end(), note->added.begin(), note->added.end());
    }
    const auto rank = [stage, note](const StepAction &action) {
        if (held_until_counted(action.mech))
            return 2;
        const bool completing = note && note->completing
                                    ? note->completing == action
                                    : completes_the_step(stage, action.mech);
        return completing ? 1 : 0;
    };
    std::ranges::stable_sort(listed, {}, rank);
    return listed;
}

} // namespace

std::span<const StepAction> actions(int stage)
{
    if (stage < 0 || stage > last_stage)
        return {};
    // Read by every key turned and every page written: worked out once.
    static const auto table = [] {
        std::array<std::vector<StepAction>, last_stage + 1> rows;
        for (int each = 0; each <= last_stage; ++each)
            rows[static_cast<std::size_t>(each)] = ordered_actions(each);
        return rows;
    }();
    return table[static_cast<std::size_t>(stage)];
}

} // namespace zun::stages
