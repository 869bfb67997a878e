// The door: every input of the windows and of the runner, applied at the current virtual time.
#include "Unit_simulator.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zun {

// Applies each kind of input with the model's own operations.
struct TSimulator::InputApplier {
    TSimulator &sim;

    void operator()(const input::ControlPress &press) const
    {
        sim.Label1MouseDown(press.control, press.button);
    }
    void operator()(const input::ControlRelease &release) const
    {
        sim.Label1MouseUp(release.control);
    }
    void operator()(const input::ControlMove &move) const { sim.Label1MouseMove(move.control); }
    void operator()(const input::BarePageMove &move) const { sim.f_Bare_Page_Move(move.page); }
    void operator()(const input::TabChosen &chosen) const { sim.f_Tab_Chosen(chosen.page); }
    void operator()(const input::PageShown &shown) const { sim.f_Page_Shown(shown.tag); }
    void operator()(const input::SelectMode &select) const
    {
        sim.f_Select_Working_Mode(select.mode);
    }
    void operator()(const input::StepClick &click) const { sim.ListBox_StepsClick(click.line); }
    void operator()(const input::Pass &) const { sim.Button_Pass_StageClick(); }
    void operator()(const input::Stop &) const { sim.Button_Steps_StopClick(); }
    void operator()(const input::StepsWindow &window) const
    {
        sim.b_Steps_Window_Visible = window.shown;
        if (!window.shown)
            sim.Form_StepsHide();
    }
    void operator()(const input::MainWindow &window) const
    {
        if (window.shown)
            sim.FormShow();
        else
            sim.FormHide();
    }
    void operator()(const input::MainWindowWidth &width) const
    {
        sim.Main_Window_Width = width.width;
    }
    void operator()(const input::MainWindowScroll &scroll) const
    {
        sim.Main_Window_Scroll_X = scroll.x;
        sim.Main_Window_Scroll_Y = scroll.y;
    }
    void operator()(const input::PictureClick &click) const
    {
        sim.f_Picture_Click(sim.picture(click.picture));
    }
    void operator()(const input::PictureHover &hover) const
    {
        sim.f_Picture_Hover(sim.picture(hover.picture));
    }
    void operator()(const input::ForegroundPress &press) const { sim.Image_Fon2MouseDown(press.x); }
    void operator()(const input::SceneDragPress &press) const { sim.Panel1MouseDown(press.x); }
    void operator()(const input::SceneDragMove &move) const { sim.f_Drag_Scene(move.x); }
    void operator()(const input::CloseUpPress &press) const
    {
        sim.panel(press.panel); // a close-up that exists
        sim.Panel1MouseDown(press.x);
    }
    void operator()(const input::CloseUpDrag &drag) const
    {
        sim.f_Drag_Close_Up(sim.panel(drag.panel), drag.x);
    }
    void operator()(const input::DragRelease &) const { sim.Panel1MouseUp(); }
    void operator()(const input::CloseUpClick &click) const
    {
        sim.f_Close_Up_Surface_Click(sim.panel(click.panel));
    }
    void operator()(const input::FindPick &pick) const { sim.ComboBox_Find_MechChange(pick.item); }
    void operator()(const input::NewCoil &) const { sim.Button_Get_RulonClick(); }
    void operator()(const input::Command &command) const
    {
        sim.f_Command(command.mech, command.command);
    }
    void operator()(const input::Lesson &lesson) const { sim.f_Set_Lesson(lesson.kind); }
    void operator()(const input::Fault &fault) const
    {
        sim.f_Set_Fault(fault.mech, fault.kind, fault.on);
    }
    void operator()(const input::ClearFaults &) const { sim.f_Clear_Faults(); }
};

Answer TSimulator::apply(const Input &input)
{
    if (applying_)
        throw std::logic_error("an input arrived while another was being applied");
    applying_ = true;
    answer_.reset();
    try {
        const std::vector<InputObserver *> arriving = observers_; // one may leave while told
        for (InputObserver *observer : arriving)
            observer->input_arriving(scheduler.now(), input);
        std::visit(InputApplier{*this}, input);
    } catch (...) {
        applying_ = false;
        pending_stage_changes_.clear();
        throw;
    }
    applying_ = false;
    const Answer answer{answer_};
    const std::vector<InputObserver *> observers = observers_; // one may leave while told
    for (InputObserver *observer : observers)
        observer->input_applied(scheduler.now(), input, answer);
    f_Tell_Stage_Changes();
    ui.deliver();
    return answer;
}

void TSimulator::f_Stage_Changed(int before, int after)
{
    pending_stage_changes_.emplace_back(before, after);
    if (!applying_)
        f_Tell_Stage_Changes();
}

void TSimulator::f_Tell_Stage_Changes()
{
    const std::vector<std::pair<int, int>> changes = std::exchange(pending_stage_changes_, {});
    const std::vector<InputObserver *> observers = observers_;
    for (const auto &[before, after] : changes)
        for (InputObserver *observer : observers)
            observer->stage_changed(scheduler.now(), before, after);
}

void TSimulator::add_observer(InputObserver &observer)
{
    observers_.push_back(&observer);
}

void TSimulator::remove_observer(InputObserver &observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

} // namespace zun
