#include "line_model.h"

#include "sim/scene_layout.h"
#include "sim/texts.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace zun {

namespace {

constexpr Millis blocking_interval = 10;
constexpr Millis steps_poll_interval = 1000;
constexpr Millis scroll_interval = 50;

std::deque<LineModel::MechComponent> create_mechanisms(Scheduler &scheduler, MechHost &host)
{
    std::deque<LineModel::MechComponent> components;
    for (int number = 0; number < LineModel::mech_count; ++number)
        components.emplace_back("Mech" + std::to_string(number), scheduler, host);
    return components;
}

} // namespace

LineModel::LineModel()
    : pass_button_caption(texts::pass_stage), mech_components(create_mechanisms(scheduler, *this)),
      Frame_LineMetal(scheduler, *this),
      Timer_Blocking(scheduler, blocking_interval, [this] { Timer_BlockingTimer(); }),
      Timer_Scene_Left(scheduler, scroll_interval, [this] { Timer_Scene_LeftTimer(); }),
      Timer_Scene_Right(scheduler, scroll_interval, [this] { Timer_Scene_RightTimer(); }),
      Steps_Timer1(scheduler, steps_poll_interval, [this] { Steps_Timer1Timer(); })
{
    Frame_LineMetal.Stadiya_Raboti.set_observer(
        [this](std::int8_t before, std::int8_t after) { on_stage_changed(before, after); });
    construct();
    for (int control = 0; control < console::page_control_count; ++control)
        front_page[static_cast<std::size_t>(control)] = console::find_page(
            console::page_controls()[static_cast<std::size_t>(control)].active_page);
    Timer_Blocking.set_enabled(true);
    Steps_Timer1.set_enabled(true);
}

const std::string &LineModel::mechanism_name(int number) const
{
    static const std::string none;
    const bool listed = number >= 0 && number < static_cast<int>(find_mech_list.size());
    return listed ? find_mech_list[number] : none;
}

void LineModel::select_working_mode(WorkingMode mode)
{
    if (mode == working_mode || (lesson_is_exam() && mode != WorkingMode::PassStages))
        return;
    working_mode = mode;
    RadioGroup1Click();
}

void LineModel::RadioGroup1Click()
{
    pass_button_enabled = !lesson_is_exam() && (working_mode == WorkingMode::PassStages ||
                                                working_mode == WorkingMode::Automatic);
    if (working_mode == WorkingMode::PassStages)
        pass_button_caption = texts::pass_stage;
    else if (working_mode == WorkingMode::Automatic)
        pass_button_caption = texts::run_automatically;
}

// An examination selects the first working mode and takes the training aids and the pass
// buttons away; training gives them back.
void LineModel::set_lesson(LessonKind kind)
{
    Lesson = kind;
    next_step_pointers = !lesson_is_exam();
    key_tips = !lesson_is_exam();
    if (lesson_is_exam())
        select_working_mode(WorkingMode::PassStages);
    if (working_mode == WorkingMode::None)
        pass_button_enabled = !lesson_is_exam();
    else
        RadioGroup1Click();
}

void LineModel::set_fault(int mech, FaultKind kind, bool on)
{
    if (!console::is_keyed(mech))
        throw std::logic_error("no console key commands mechanism " + std::to_string(mech));
    Mech_Array[static_cast<std::size_t>(mech)]->set_fault(kind, on);
}

void LineModel::clear_faults()
{
    for (const int mech : console::keyed_mechanisms())
        for (int kind = 0; kind < fault_kind_count; ++kind)
            set_fault(mech, static_cast<FaultKind>(kind), false);
}

void LineModel::Button_Get_RulonClick()
{
    Frame_LineMetal.Gde_Rulon_Razmativatela = UncoilerPlace::CarTable;
}

void LineModel::ComboBox_Find_MechChange(int index)
{
    if (index < 0 || index >= mech_count)
        return;
    b_Hover_Selects = false;
    Cur_Mech = index;
    f_Show_Key_Of_Cur_Mech();
    show_container(Mech_Array[Cur_Mech]->Image_Pos[0]->panel());
    ui.show_target();
}

void LineModel::hide_close_ups()
{
    Panel_5_mech->set_visible(false);
    Panel_70_mech->set_visible(false);
    Panel_Kromkomotalka->set_visible(false);
}

void LineModel::set_cur_mech(std::int32_t number)
{
    if (number >= 0 && number < mech_count)
        Cur_Mech = number;
}

void LineModel::show_container(Panel &container)
{
    container.set_visible(true);
}

void LineModel::fault_shown(const TMech &mech, FaultKind kind)
{
    const auto slot =
        std::find_if(Mech_Array.begin(), Mech_Array.end(),
                     [&mech](const Deep<TMech> &each) { return each.get() == &mech; });
    if (slot != Mech_Array.end())
        happenings_.faults_shown.push_back(
            {scheduler.now(), static_cast<int>(slot - Mech_Array.begin()), kind});
}

Panel &LineModel::panel(std::string_view name)
{
    if (Panel *found = pictures.find_panel(name))
        return *found;
    throw std::logic_error("the main window has no panel " + std::string(name));
}

Picture &LineModel::picture(std::string_view name)
{
    if (Picture *found = pictures.find_picture(name))
        return *found;
    throw std::logic_error("the main window has no picture " + std::string(name));
}

} // namespace zun
