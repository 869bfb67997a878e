#include "stage_pointer.h"

#include "sim/console_layout.h"
#include "sim/line_mechanisms.h"
#include "sim/stage_tables.h"

namespace zun::stages {

Step_Control first_control(int stage)
{
    using Op = Command::Op;
    using Kind = Step_Control::Kind;
    if (stage < 0 || stage > Last_Stage)
        return {};
    for (const Command &command : commands(stage)) {
        switch (command.op) {
        case Op::Forward:
        case Op::Reverse:
            if (console::key_of(command.mech))
                return {Kind::Key, command.mech};
            break;
        case Op::CoilOnCar:
            return {Kind::New_Coil_Button};
        case Op::Bell:
            return {Kind::Bell};
        case Op::WorkingSpeed:
            return {Kind::Key, line_mech::Working_Speed_Key};
        case Op::ResetLine:
        case Op::DelayedStop:
        case Op::StopAll:
            break;
        }
    }
    return {};
}

} // namespace zun::stages
