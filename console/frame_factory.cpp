#include "frame_factory.h"

#include "console/Unit_ampermeter.h"
#include "console/Unit_button.h"
#include "console/Unit_krutilka.h"
#include "console/Unit_lamp.h"
#include "console/key_frame.h"
#include "sim/Unit_simulator.h"
#include "sim/console_layout.h"

namespace {

using zun::console::ControlKind;
using zun::console::LabelHandler;

TKeyFrame *create_key(const zun::console::Control &control, zun::TSimulator &sim, QWidget *page)
{
    TKeyFrame *key = nullptr;
    if (control.kind == ControlKind::BackKey)
        key = new TFrame_45_Key_Back_(sim, page);
    else if (control.kind == ControlKind::FixedKey)
        key = new TFrame_45_Key_Fix_(sim, page);
    else
        key = new TFrame_90_Key_(sim, page);
    key->move(control.left, control.top);
    key->apply(control);
    switch (control.handler) {
    case LabelHandler::ShowPanel5Mech:
        key->after_mouse_move = [&sim] { sim.Panel_5_mech->set_visible(true); };
        break;
    case LabelHandler::ShowPanel70Mech:
        key->after_mouse_move = [&sim] { sim.Panel_70_mech->set_visible(true); };
        break;
    case LabelHandler::WorkingSpeed: // turned left the line runs, turned right it stops
        key->after_mouse_down = [key, &sim] {
            if (key->b_Left_45)
                sim.Frame_LineMetal.f_Start_Working_Speed();
            if (key->b_Right_45)
                sim.Frame_LineMetal.f_Stop_All_Mech();
        };
        break;
    case LabelHandler::NormalStop: // rebound, but only to the key's own press
    case LabelHandler::Own:
        break;
    }
    return key;
}

} // namespace

QWidget *create_console_frame(const zun::console::Control &control, zun::TSimulator &sim,
                              QWidget *page)
{
    switch (control.kind) {
    case ControlKind::BackKey:
    case ControlKind::FixedKey:
    case ControlKind::Key90:
        return create_key(control, sim, page);
    case ControlKind::Button: {
        auto *button = new TFrame_Button(page);
        button->apply(control);
        if (control.bell)
            button->bind_pressed_flag(sim.b_Beep_Pressed);
        return button;
    }
    case ControlKind::Lamp: {
        auto *lamp = new TFrame_Lamp(page);
        lamp->apply(control);
        return lamp;
    }
    case ControlKind::Knob: {
        auto *knob = new TFrame_Krutilka(page);
        knob->apply(control);
        return knob;
    }
    case ControlKind::Ammeter: {
        auto *ammeter = new TFrame_Ampermeter(sim.scheduler, page);
        ammeter->apply(control);
        return ammeter;
    }
    }
    return nullptr;
}
