#include "step_facts.h"

#include "sim/mechanism_table.h"

#include <algorithm>
#include <map>

namespace zun::training {

namespace {

using Op = stages::Command::Op;

bool is_pulse(const stages::Command &command)
{
    return command.op == Op::Forward || command.op == Op::Reverse;
}

bool stopped_by_trainee(int stage)
{
    const auto commands = stages::commands(stage);
    return std::any_of(commands.begin(), commands.end(), [](const stages::Command &command) {
        return command.op == Op::DelayedStop;
    });
}

// The positions the fixed keys keep, with the step that left each there, once steps 1 to
// `stage` - 1 have been done as described: turned by their step's command, or back upright
// where the trainee stops the drive. Spring-return keys are always upright again.
struct Key_Position {
    int angle = Upright;
    int turned_at = 0;
};
std::map<const console::Control *, Key_Position> positions_before(int stage)
{
    std::map<const console::Control *, Key_Position> positions;
    for (int done = 1; done < stage; ++done) {
        for (const stages::Command &command : stages::commands(done)) {
            const console::Control *key =
                is_pulse(command) ? console::key_of(command.mech) : nullptr;
            if (!key || key->kind == console::ControlKind::BackKey)
                continue;
            const int angle = stopped_by_trainee(done)    ? Upright
                              : command.op == Op::Forward ? Turned_Left
                                                          : Turned_Right;
            positions[key] = {angle, done};
        }
    }
    return positions;
}

int order_of(const Key_Action &action)
{
    if (!action.spring_return)
        return 0;
    return action.has_ends ? 1 : 2;
}

} // namespace

bool has_ends(int mech)
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration())
        if (config.number == mech)
            return config.kind != KindMove::Rotation;
    return false;
}

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

Step_Facts step_facts(int stage)
{
    Step_Facts facts{stage, stages::first_control(stage), {}, false, {}};
    if (stage < 1 || stage > stages::Last_Stage)
        return facts;
    facts.condition = stages::condition(stage);
    const auto positions = positions_before(stage);
    const auto add_key = [&](int mech, int angle) {
        const console::Control *key = console::key_of(mech);
        if (!key)
            return;
        const auto known = positions.find(key);
        const Key_Position before = known == positions.end() ? Key_Position{} : known->second;
        facts.keys.push_back({key, angle, before.angle, before.turned_at,
                              key->kind == console::ControlKind::BackKey, has_ends(mech)});
    };
    for (const stages::Command &command : stages::commands(stage)) {
        if (is_pulse(command))
            add_key(command.mech, command.op == Op::Forward ? Turned_Left : Turned_Right);
        else if (command.op == Op::WorkingSpeed)
            add_key(facts.first.mech, Turned_Left);
        else if (command.op == Op::DelayedStop)
            facts.stop_after_a_while = true;
    }
    std::stable_sort(
        facts.keys.begin(), facts.keys.end(),
        [](const Key_Action &a, const Key_Action &b) { return order_of(a) < order_of(b); });
    return facts;
}

} // namespace zun::training
