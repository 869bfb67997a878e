#include "Unit_simulator.h"

#include "sim/scene_layout.h"
#include "sim/texts.h"

#include <stdexcept>
#include <string_view>

namespace zun {

namespace {

constexpr Millis blocking_interval = 10;
constexpr Millis steps_poll_interval = 1000;
constexpr Millis scroll_interval = 50;

std::deque<TSimulator::Mech_Component> create_mechanisms(Scheduler &scheduler, TMech_Host &host)
{
    std::deque<TSimulator::Mech_Component> components;
    for (int number = 0; number < TSimulator::Mech_Count; ++number)
        components.emplace_back("Mech" + std::to_string(number), scheduler, host);
    return components;
}

} // namespace

TSimulator::TSimulator(UiPort &ui_port)
    : ui(ui_port), Pass_Button_Caption(texts::Pass_Stage),
      Mech_Components(create_mechanisms(scheduler, *this)), Frame_LineMetal(scheduler, *this),
      Timer_Blocking(scheduler, blocking_interval, [this] { Timer_BlockingTimer(); }),
      Timer_Scene_Left(scheduler, scroll_interval, [this] { Timer_Scene_LeftTimer(); }),
      Timer_Scene_Right(scheduler, scroll_interval, [this] { Timer_Scene_RightTimer(); }),
      Steps_Timer1(scheduler, steps_poll_interval, [this] { Steps_Timer1Timer(); })
{
    Frame_LineMetal.Stadiya_Raboti.set_observer(
        [this](std::int8_t before, std::int8_t after) { f_Stage_Changed(before, after); });
    f_Construct();
    for (int control = 0; control < console::page_control_count; ++control)
        Front_Page[static_cast<std::size_t>(control)] = console::find_page(
            console::page_controls()[static_cast<std::size_t>(control)].active_page);
    Timer_Blocking.set_enabled(true);
    Steps_Timer1.set_enabled(true);
}

const std::string &TSimulator::f_Mech_Name(int number) const
{
    static const std::string none;
    const bool listed = number >= 0 && number < static_cast<int>(Find_Mech_List.size());
    return listed ? Find_Mech_List[number] : none;
}

bool TSimulator::f_Select_Working_Mode(WorkingMode mode)
{
    if (mode == Working_Mode || (lesson_is_exam() && mode != WorkingMode::PassStages))
        return false;
    Working_Mode = mode;
    RadioGroup1Click();
    return true;
}

void TSimulator::RadioGroup1Click()
{
    Pass_Button_Enabled = !lesson_is_exam() && (Working_Mode == WorkingMode::PassStages ||
                                                Working_Mode == WorkingMode::Automatic);
    if (Working_Mode == WorkingMode::PassStages)
        Pass_Button_Caption = texts::Pass_Stage;
    else if (Working_Mode == WorkingMode::Automatic)
        Pass_Button_Caption = texts::Run_Automatically;
}

// An examination selects the first working mode and takes the training aids and the pass
// buttons away; training gives them back.
void TSimulator::f_Set_Lesson(LessonKind kind)
{
    Lesson = kind;
    b_Next_Step_Pointers = !lesson_is_exam();
    b_Key_Tips = !lesson_is_exam();
    if (lesson_is_exam())
        f_Select_Working_Mode(WorkingMode::PassStages);
    if (Working_Mode == WorkingMode::None)
        Pass_Button_Enabled = !lesson_is_exam();
    else
        RadioGroup1Click();
}

void TSimulator::f_Set_Fault(int mech, FaultKind kind, bool on)
{
    if (!console::is_keyed(mech))
        throw std::logic_error("no console key commands mechanism " + std::to_string(mech));
    Mech_Array[static_cast<std::size_t>(mech)]->f_Set_Fault(kind, on);
}

void TSimulator::f_Clear_Faults()
{
    for (const int mech : console::keyed_mechanisms())
        for (int kind = 0; kind < fault_kind_count; ++kind)
            f_Set_Fault(mech, static_cast<FaultKind>(kind), false);
}

void TSimulator::Button_Get_RulonClick()
{
    Frame_LineMetal.Gde_Rulon_Razmativatela = UncoilerPlace::CarTable;
}

void TSimulator::ComboBox_Find_MechChange(int index)
{
    if (index < 0 || index >= Mech_Count)
        return;
    b_Hover_Selects = false;
    Cur_Mech = index;
    f_Show_Key_Of_Cur_Mech();
    f_Show_Container(Mech_Array[Cur_Mech]->Image_Pos[0]->panel());
    ui.show_target();
}

void TSimulator::f_Hide_Close_Ups()
{
    Panel_5_mech->set_visible(false);
    Panel_70_mech->set_visible(false);
    Panel_Kromkomotalka->set_visible(false);
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

Panel &TSimulator::panel(std::string_view name)
{
    if (Panel *found = pictures.find_panel(name))
        return *found;
    throw std::logic_error("the main window has no panel " + std::string(name));
}

Picture &TSimulator::picture(std::string_view name)
{
    if (Picture *found = pictures.find_picture(name))
        return *found;
    throw std::logic_error("the main window has no picture " + std::string(name));
}

} // namespace zun
