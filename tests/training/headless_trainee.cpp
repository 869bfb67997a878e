#include "headless_trainee.h"

namespace zun::training {

namespace {

constexpr Millis tick = 10;
// As long as a trainee waits before letting the line's delayed stop act for itself.
constexpr Millis a_while = 2000;

} // namespace

bool Headless_Trainee::do_current_step(Millis limit)
{
    const int stage = sim_.Frame_LineMetal.Stadiya_Raboti;
    deadline_ = sim_.scheduler.now() + limit;
    const Step_Facts facts = step_facts(stage);
    for (const Key_Action &action : facts.keys) {
        if (angle_of(*action.key) != action.angle_before) {
            trouble_ = "step " + std::to_string(stage) + ": the page says key " +
                       std::string(action.key->caption) + " stands at " +
                       std::to_string(action.angle_before) + ", it stands at " +
                       std::to_string(angle_of(*action.key));
            return false;
        }
    }
    using Control_Kind = stages::Step_Control::Kind;
    if (facts.first.kind == Control_Kind::New_Coil_Button) {
        apply({Input::Kind::New_Coil_Click});
    } else if (facts.first.kind == Control_Kind::Bell) {
        apply({Input::Kind::Bell_Press});
        wait_for([&] { return stage_left(stage); });
        apply({Input::Kind::Bell_Release});
    }
    for (const Key_Action &action : facts.keys) {
        if (stage_left(stage))
            break;
        if (action.spring_return)
            hold(action, stage);
        else
            turn(action);
    }
    if (facts.stop_after_a_while && !stage_left(stage)) {
        const Millis since = sim_.scheduler.now();
        wait_for([&] { return sim_.scheduler.now() - since >= a_while; });
        const Key_Action &kept = facts.keys.front();
        turn({kept.key, Upright, kept.angle, 0, false, kept.has_ends});
    }
    wait_for([&] { return stage_left(stage); });
    if (!stage_left(stage))
        trouble_ = "step " + std::to_string(stage) + " not done; the stage is " +
                   std::to_string(int{sim_.Frame_LineMetal.Stadiya_Raboti});
    return stage_left(stage);
}

// Clicks towards the goal until the key stands there; a key already there is clicked once more
// to start its drive again.
void Headless_Trainee::turn(const Key_Action &action)
{
    const bool left = action.angle < angle_of(*action.key) ||
                      (action.angle == angle_of(*action.key) && action.angle < 0);
    do {
        apply({Input::Kind::Key_Press, action.key, left});
    } while (angle_of(*action.key) != action.angle);
}

// Holds a spring-return key until its mechanism reaches its end or, for a rotating drive, until
// the step is done.
void Headless_Trainee::hold(const Key_Action &action, int stage)
{
    const bool left = action.angle < 0;
    TMech &mech = *sim_.Mech_Array[action.key->tag];
    apply({Input::Kind::Key_Press, action.key, left});
    wait_for([&] {
        if (action.has_ends)
            return left ? mech.bi_KV_FWD : mech.bi_KV_RWS;
        return stage_left(stage);
    });
    apply({Input::Kind::Key_Release, action.key, left});
}

// The one place that turns an input into the model's operations: a key's own commands as its
// console frame sends them (left forward, right reverse, upright stop; a spring-return key stops
// before it starts), the working-speed key's extra start, the new-coil button, the bell.
void Headless_Trainee::apply(const Input &input)
{
    using Kind = Input::Kind;
    switch (input.kind) {
    case Kind::New_Coil_Click:
        sim_.Button_Get_RulonClick();
        return;
    case Kind::Bell_Press:
        sim_.b_Beep_Pressed = true;
        return;
    case Kind::Bell_Release:
        sim_.b_Beep_Pressed = false;
        return;
    case Kind::Key_Press:
    case Kind::Key_Release:
        break;
    }
    const console::Control &key = *input.key;
    int &angle = angles_[&key];
    const bool spring_return = key.kind == console::ControlKind::BackKey;
    if (input.kind == Kind::Key_Release)
        angle = Upright;
    else if (input.left_button)
        angle = std::max(angle - 45, Turned_Left);
    else
        angle = std::min(angle + 45, Turned_Right);
    TMech &mech = *sim_.Mech_Array[key.tag];
    if (spring_return || angle == Upright)
        mech.f_Stop();
    if (angle == Turned_Left)
        mech.f_Start_FWD_Pulse();
    if (angle == Turned_Right)
        mech.f_Start_RWS_Pulse();
    if (input.kind == Kind::Key_Press && key.handler == console::LabelHandler::WorkingSpeed) {
        if (angle == Turned_Left)
            sim_.Frame_LineMetal.f_Start_Working_Speed();
        if (angle == Turned_Right)
            sim_.Frame_LineMetal.f_Stop_All_Mech();
    }
}

void Headless_Trainee::wait_for(const std::function<bool()> &done)
{
    while (!done() && sim_.scheduler.now() < deadline_)
        sim_.scheduler.advance_by(tick);
}

bool Headless_Trainee::stage_left(int stage) const
{
    return sim_.Frame_LineMetal.Stadiya_Raboti != stage;
}

int Headless_Trainee::angle_of(const console::Control &key) const
{
    const auto known = angles_.find(&key);
    return known == angles_.end() ? Upright : known->second;
}

} // namespace zun::training
