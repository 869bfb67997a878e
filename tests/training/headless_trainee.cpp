#include "headless_trainee.h"

namespace zun::training {
namespace {

// A control's row in the console layout, which is how inputs name it.
int row_of(const console::Control &control)
{
    return static_cast<int>(&control - console::controls().data());
}

} // namespace

namespace {

constexpr Millis tick = 10;
// As long as a trainee waits before letting the line's delayed stop act for itself.
constexpr Millis a_while = 2000;

} // namespace

bool HeadlessTrainee::do_current_step(Millis limit)
{
    const int stage = sim_.Frame_LineMetal.Stadiya_Raboti;
    deadline_ = sim_.scheduler.now() + limit;
    const StepFacts facts = step_facts(stage);
    for (const KeyAction &action : facts.keys) {
        if (angle_of(*action.key) != action.angle_before) {
            trouble_ = "step " + std::to_string(stage) + ": the page says key " +
                       std::string(action.key->caption) + " stands at " +
                       std::to_string(action.angle_before) + ", it stands at " +
                       std::to_string(angle_of(*action.key));
            return false;
        }
    }
    using StepControlKind = stages::StepControl::Kind;
    if (facts.first.kind == StepControlKind::NewCoilButton) {
        think();
        apply({Input::Kind::NewCoilClick});
    } else if (facts.first.kind == StepControlKind::Bell) {
        think();
        apply({Input::Kind::BellPress});
        wait_for([&] { return stage_left(stage); });
        apply({Input::Kind::BellRelease});
    }
    for (const KeyAction &action : facts.keys) {
        think();
        if (stage_left(stage)) {
            trouble_ = "step " + std::to_string(stage) + " completed before its action with key " +
                       std::string(action.key->caption);
            return false;
        }
        if (action.spring_return)
            hold(action, stage);
        else
            turn(action);
    }
    if (facts.stop_after_a_while && !stage_left(stage)) {
        const Millis since = sim_.scheduler.now();
        wait_for([&] { return sim_.scheduler.now() - since >= a_while; });
        think();
        const KeyAction &kept = facts.keys.front();
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
void HeadlessTrainee::turn(const KeyAction &action)
{
    const bool left = action.angle < angle_of(*action.key) ||
                      (action.angle == angle_of(*action.key) && action.angle < 0);
    do {
        apply({Input::Kind::KeyPress, action.key, left});
    } while (angle_of(*action.key) != action.angle);
}

// Holds a spring-return key until its mechanism reaches its end or, for a rotating drive, until
// the step is done.
void HeadlessTrainee::hold(const KeyAction &action, int stage)
{
    const bool left = action.angle < 0;
    const TMech &mech = *sim_.Mech_Array[action.key->tag];
    apply({Input::Kind::KeyPress, action.key, left});
    wait_for([&] {
        if (action.has_ends)
            return left ? mech.bi_KV_FWD : mech.bi_KV_RWS;
        return stage_left(stage);
    });
    apply({Input::Kind::KeyRelease, action.key, left});
}

void HeadlessTrainee::apply(const Input &input)
{
    using Kind = Input::Kind;
    const MouseButton button = input.left_button ? MouseButton::Left : MouseButton::Right;
    switch (input.kind) {
    case Kind::NewCoilClick:
        dispatcher_.apply(zun::input::NewCoil{});
        return;
    case Kind::BellPress:
        dispatcher_.apply(
            zun::input::ControlPress{row_of(console::bell_button()), MouseButton::Left});
        return;
    case Kind::BellRelease:
        dispatcher_.apply(
            zun::input::ControlRelease{row_of(console::bell_button()), MouseButton::Left});
        return;
    case Kind::KeyPress:
        dispatcher_.apply(zun::input::ControlPress{row_of(*input.key), button});
        return;
    case Kind::KeyRelease:
        dispatcher_.apply(zun::input::ControlRelease{row_of(*input.key), button});
        return;
    }
}

void HeadlessTrainee::wait_for(const std::function<bool()> &done)
{
    while (!done() && sim_.scheduler.now() < deadline_)
        dispatcher_.advance_by(tick);
}

void HeadlessTrainee::think()
{
    if (!pace_)
        return;
    std::uniform_int_distribution<Millis> pause(pace_->shortest, pace_->longest);
    const Millis until = sim_.scheduler.now() + pause(random_) / tick * tick;
    wait_for([&] { return sim_.scheduler.now() >= until; });
}

bool HeadlessTrainee::stage_left(int stage) const
{
    return sim_.Frame_LineMetal.Stadiya_Raboti != stage;
}

int HeadlessTrainee::angle_of(const console::Control &key) const
{
    return sim_.Controls[static_cast<std::size_t>(row_of(key))].Angle;
}

} // namespace zun::training
