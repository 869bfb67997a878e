// The steps window's model half: the once-a-second poll, a click on a step, the pass button,
// "стоп" and the window's hiding.
#include "Unit_simulator.h"

#include "sim/stage_pointer.h"
#include "sim/step_actions.h"
#include "sim/steps_texts.h"

#include <algorithm>

#include <string>

namespace zun {

// Tells the line whether to count completed stages, and shows where the scenario stands.
void TSimulator::Steps_Timer1Timer()
{
    TFrame_LineMetal &line = Frame_LineMetal;
    line.b_Check_Stage =
        Working_Mode == WorkingMode::PassStages || Working_Mode == WorkingMode::Automatic;
    Edit_CheckBox_stadiya_raboti = "стадия работы  " + std::to_string(line.Stadiya_Raboti);
    const int stage = line.Stadiya_Raboti;
    const bool listed = stage >= 0 && stage < steps::Line_Count;
    ListBox_Steps_ItemIndex = listed ? stage : -1;
    Label_Current_Step = "шаг №" + (listed ? std::string(steps::lines()[stage]) : std::string());
    ++Steps_Polls;
}

// In the mode set by a click, the clicked step becomes the stage and the whole line takes its
// state; otherwise the click only explains the step.
void TSimulator::ListBox_StepsClick(int line)
{
    Frame_LineMetal.f_Stop_All_Mech();
    f_Restore_All_Speeds();
    f_Hide_Close_Ups();
    if (Working_Mode == WorkingMode::StageByClick && line >= 0 && line < steps::Line_Count) {
        Frame_LineMetal.Stadiya_Raboti = static_cast<std::int8_t>(line);
        Frame_LineMetal.f_Set_Stage_State();
    }
}

// An examination has no pass button to press.
void TSimulator::Button_Pass_StageClick()
{
    if (lesson_is_exam())
        return;
    f_Restore_All_Speeds();
    f_Hide_Close_Ups();
    Frame_LineMetal.f_Pass_Stage();
    ui.show_target();
}

void TSimulator::Button_Steps_StopClick()
{
    Frame_LineMetal.f_Stop_All_Mech();
    f_Restore_All_Speeds();
}

void TSimulator::Form_StepsHide()
{
    f_Restore_All_Speeds();
}

bool TSimulator::f_Pointers_On() const
{
    return Working_Mode == WorkingMode::PassStages && b_Next_Step_Pointers;
}

void TSimulator::f_Point_To_Next_Step()
{
    if (!f_Pointers_On())
        return;
    using Kind = stages::Step_Control::Kind;
    const stages::Step_Control next = stages::first_control(Frame_LineMetal.Stadiya_Raboti);
    switch (next.kind) {
    case Kind::Key:
        f_Set_Cur_Mech(next.mech);
        f_Show_Key_Of_Cur_Mech();
        ui.show_target();
        break;
    case Kind::New_Coil_Button:
        ui.show_hand_at_new_coil_button();
        break;
    case Kind::Bell:
        f_Show_Bell_Page();
        break;
    case Kind::None:
        break;
    }
}

void TSimulator::f_Point_To_Next_Action(const stages::Step_Action &done)
{
    if (!f_Pointers_On())
        return;
    const std::span<const stages::Step_Action> listed =
        stages::actions(Frame_LineMetal.Stadiya_Raboti);
    const auto found = std::ranges::find(listed, done);
    if (found == listed.end() || found + 1 == listed.end())
        return;
    f_Set_Cur_Mech((found + 1)->mech);
    f_Show_Key_Of_Cur_Mech();
    ui.show_target();
}

} // namespace zun
