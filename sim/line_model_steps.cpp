// The steps window's model half: the once-a-second poll, a click on a step, the pass button,
// "стоп" and the window's hiding.
#include "line_model.h"

#include "sim/stage_pointer.h"
#include "sim/step_actions.h"
#include "sim/steps_texts.h"

#include <algorithm>

#include <string>

namespace zun {

// Tells the line whether to count completed stages, and shows where the scenario stands.
void LineModel::Steps_Timer1Timer()
{
    TFrame_LineMetal &line = Frame_LineMetal;
    line.b_Check_Stage =
        working_mode == WorkingMode::PassStages || working_mode == WorkingMode::Automatic;
    Edit_CheckBox_stadiya_raboti = "стадия работы  " + std::to_string(line.Stadiya_Raboti);
    const int stage = line.Stadiya_Raboti;
    const bool listed = stage >= 0 && stage < steps::line_count;
    ListBox_Steps_ItemIndex = listed ? stage : -1;
    Label_Current_Step = "шаг №" + (listed ? std::string(steps::lines()[stage]) : std::string());
    ++steps_polls;
}

// In the mode set by a click, the clicked step becomes the stage and the whole line takes its
// state; otherwise the click only explains the step.
void LineModel::ListBox_StepsClick(int line)
{
    Frame_LineMetal.f_Stop_All_Mech();
    f_Restore_All_Speeds();
    hide_close_ups();
    if (working_mode == WorkingMode::StageByClick && line >= 0 && line < steps::line_count) {
        Frame_LineMetal.Stadiya_Raboti = static_cast<std::int8_t>(line);
        Frame_LineMetal.f_Set_Stage_State();
    }
}

// An examination has no pass button to press.
void LineModel::Button_Pass_StageClick()
{
    if (lesson_is_exam())
        return;
    f_Restore_All_Speeds();
    hide_close_ups();
    Frame_LineMetal.f_Pass_Stage();
    ui.show_target();
}

void LineModel::Button_Steps_StopClick()
{
    Frame_LineMetal.f_Stop_All_Mech();
    f_Restore_All_Speeds();
}

void LineModel::Form_StepsHide()
{
    f_Restore_All_Speeds();
}

void LineModel::hand_over_to_trainee()
{
    Frame_LineMetal.Timer_Pause_Between_Steps.set_enabled(false);
    select_working_mode(WorkingMode::PassStages);
}

bool LineModel::pointers_on() const
{
    return working_mode == WorkingMode::PassStages && next_step_pointers;
}

void LineModel::point_to_next_step()
{
    if (!pointers_on())
        return;
    using Kind = stages::StepControl::Kind;
    const stages::StepControl next = stages::first_control(Frame_LineMetal.Stadiya_Raboti);
    switch (next.kind) {
    case Kind::Key:
        set_cur_mech(next.mech);
        f_Show_Key_Of_Cur_Mech();
        ui.show_target();
        break;
    case Kind::NewCoilButton:
        ui.show_hand_at_new_coil_button();
        break;
    case Kind::Bell:
        show_bell_page();
        break;
    case Kind::None:
        break;
    }
}

void LineModel::point_to_next_action(const stages::StepAction &done)
{
    if (!pointers_on())
        return;
    const std::span<const stages::StepAction> listed =
        stages::actions(Frame_LineMetal.Stadiya_Raboti);
    const auto found = std::ranges::find(listed, done);
    if (found == listed.end() || found + 1 == listed.end())
        return;
    set_cur_mech((found + 1)->mech);
    f_Show_Key_Of_Cur_Mech();
    ui.show_target();
}

} // namespace zun
