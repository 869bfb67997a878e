#include "Unit_simulator.h"

#include "sim/texts.h"

namespace zun {

TSimulator::TSimulator(UiPort &ui_port) : ui(ui_port), Pass_Button_Caption(texts::Pass_Stage)
{
    for (int number = 0; number < Mech_Count; ++number)
        Mech_Array[number] = &mechanisms_.emplace_back(scheduler, *this);
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
