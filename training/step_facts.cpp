#include "step_facts.h"

#include "sim/step_actions.h"

#include <algorithm>
#include <map>

namespace zun::training {

namespace {

using Op = stages::Command::Op;

bool stopped_by_trainee(int stage)
{
    const auto commands = stages::commands(stage);
    return std::any_of(commands.begin(), commands.end(), [](const stages::Command &command) {
        return command.op == Op::DelayedStop;
    });
}

int angle_of(const stages::StepAction &action)
{
    return action.command == MechCommand::Forward ? TurnedLeft : TurnedRight;
}

// The positions the fixed keys keep, with the step that left each there, once steps 1 to
// `stage` - 1 have been done as their pages say: turned by their actions, or back upright where
// the trainee stops the drive. Spring-return keys are always upright again.
struct KeyPosition {
    int angle = Upright;
    int turned_at = 0;
};
std::map<const console::Control *, KeyPosition> positions_before(int stage)
{
    std::map<const console::Control *, KeyPosition> positions;
    for (int done = 1; done < stage; ++done) {
        for (const stages::StepAction &action : stages::actions(done)) {
            const console::Control *key = console::key_of(action.mech);
            if (key->kind == console::ControlKind::BackKey)
                continue;
            positions[key] = {stopped_by_trainee(done) ? Upright : angle_of(action), done};
        }
    }
    return positions;
}

} // namespace

std::string mech_name(int mech)
{
    const console::Control *key = console::key_of(mech);
    if (!key)
        return std::to_string(mech);
    const std::string_view caption = key->caption;
    const std::size_t first = caption.find_first_not_of(' ');
    const std::size_t last = caption.find_last_not_of(' ');
    return std::string(caption.substr(first, last - first + 1));
}

std::string place_of(const console::Control &control)
{
    const console::Page &page = *console::page_named(control.page);
    for (const console::PageControl &holder : console::page_controls()) {
        if (holder.name != page.page_control)
            continue;
        if (const console::Page *post = console::page_named(holder.parent))
            return std::string(post->tab_caption) + ", пульт «" + std::string(page.tab_caption) +
                   "»";
    }
    return "вкладка «" + std::string(page.tab_caption) + "»";
}

StepFacts step_facts(int stage)
{
    StepFacts facts{stage, stages::first_control(stage), {}, false, {}};
    if (stage < 1 || stage > stages::last_stage)
        return facts;
    facts.condition = stages::condition(stage);
    facts.stop_after_a_while = stopped_by_trainee(stage);
    const auto positions = positions_before(stage);
    for (const stages::StepAction &action : stages::actions(stage)) {
        const console::Control *key = console::key_of(action.mech);
        const auto known = positions.find(key);
        const KeyPosition before = known == positions.end() ? KeyPosition{} : known->second;
        facts.keys.push_back({key, angle_of(action), before.angle, before.turned_at,
                              key->kind == console::ControlKind::BackKey,
                              stages::has_ends(action.mech)});
    }
    return facts;
}

} // namespace zun::training
