#include "frame_factory.h"

#include "console/Unit_ampermeter.h"
#include "console/Unit_button.h"
#include "console/Unit_key_45_back.h"
#include "console/Unit_key_45_fix.h"
#include "console/Unit_key_90.h"
#include "console/Unit_krutilka.h"
#include "console/Unit_lamp.h"
#include "sim/console_layout.h"

#include <stdexcept>

ConsoleFrame *create_console_frame(zun::Door door, int control, ViewClock &clock, QWidget *page)
{
    using zun::console::ControlKind;
    const zun::console::Control &layout =
        zun::console::controls()[static_cast<std::size_t>(control)];
    switch (layout.kind) {
    case ControlKind::BackKey:
        return new TFrame_45_Key_Back_(door, control, clock, page);
    case ControlKind::FixedKey:
        return new TFrame_45_Key_Fix_(door, control, clock, page);
    case ControlKind::Key90:
        return new TFrame_90_Key_(door, control, clock, page);
    case ControlKind::Button:
        return new TFrame_Button(door, control, page);
    case ControlKind::Lamp: {
        auto *lamp = new TFrame_Lamp(page);
        lamp->apply(layout);
        return lamp;
    }
    case ControlKind::Knob:
        return new TFrame_Krutilka(door, control, page);
    case ControlKind::Ammeter: {
        auto *ammeter = new TFrame_Ampermeter(clock, page);
        ammeter->apply(layout);
        return ammeter;
    }
    }
    throw std::logic_error("a console control of no known kind");
}
