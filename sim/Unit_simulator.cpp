#include "Unit_simulator.h"

#include "sim/console_layout.h"
#include "sim/scene_layout.h"
#include "sim/texts.h"

#include <string_view>

namespace zun {

TSimulator::TSimulator(UiPort &ui_port) : ui(ui_port), Pass_Button_Caption(texts::Pass_Stage)
{
    scene::build(pictures);
    for (int number = 0; number < Mech_Count; ++number)
        Mech_Array[number] = &mechanisms_.emplace_back(scheduler, *this);
    f_Fill_Find_Mech_List();
}

const std::string &TSimulator::f_Mech_Name(int number) const
{
    static const std::string none;
    const bool listed = number >= 0 && number < static_cast<int>(Find_Mech_List.size());
    return listed ? Find_Mech_List[number] : none;
}

// Items 1..79 name the plant's mechanisms: the caption of the (last) key bound to the number,
// or the number marked as not existing.
void TSimulator::f_Fill_Find_Mech_List()
{
    constexpr int last_plant_number = 79;
    for (int number = 1; number <= last_plant_number; ++number)
        Find_Mech_List[number] = std::to_string(number) + texts::Does_Not_Exist;
    for (const console::Control &control : console::controls())
        if (control.is_key() && control.tag >= 1 && control.tag <= last_plant_number)
            Find_Mech_List[control.tag] = std::string(control.caption);
}

bool TSimulator::f_Select_Working_Mode(int mode)
{
    if (mode == Working_Mode)
        return false;
    Working_Mode = mode;
    RadioGroup1Click();
    return true;
}

void TSimulator::RadioGroup1Click()
{
    Pass_Button_Enabled = Working_Mode == 0 || Working_Mode == 2;
    if (Working_Mode == 0)
        Pass_Button_Caption = texts::Pass_Stage;
    else if (Working_Mode == 2)
        Pass_Button_Caption = texts::Run_Automatically;
}

void TSimulator::f_Set_Cur_Mech(std::int32_t number)
{
    if (number >= 0 && number < Mech_Count)
        Cur_Mech = number;
}

void TSimulator::f_Show_Container(Panel &container)
{
    container.set_visible(true);
}

} // namespace zun
