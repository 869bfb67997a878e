// The door: every input of the windows and of the runner, applied at the current virtual time.
#include "simulator.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zun {

// Applies each kind of input with the model's own operations.
struct Simulator::InputApplier {
    Simulator &sim;

    void operator()(const input::ControlPress &press) const
    {
        sim.Label1MouseDown(press.control, press.button);
    }
    void operator()(const input::ControlRelease &release) const
    {
        sim.Label1MouseUp(release.control);
    }
    void operator()(const input::ControlMove &move) const { sim.Label1MouseMove(move.control); }
    void operator()(const input::BarePageMove &move) const { sim.bare_page_move(move.page); }
    void operator()(const input::TabChosen &chosen) const { sim.on_tab_chosen(chosen.page); }
    void operator()(const input::PageShown &shown) const { sim.on_page_shown(shown.tag); }
    void operator()(const input::SelectMode &select) const
    {
        sim.select_working_mode(select.mode);
    }
    void operator()(const input::StepClick &click) const { sim.ListBox_StepsClick(click.line); }
    void operator()(const input::Pass &) const { sim.Button_Pass_StageClick(); }
    void operator()(const input::Stop &) const { sim.Button_Steps_StopClick(); }
    void operator()(const input::StepsWindow &window) const
    {
        sim.steps_window_visible = window.shown;
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
        sim.main_window_width = width.width;
    }
    void operator()(const input::MainWindowScroll &scroll) const
    {
        sim.main_window_scroll_x = scroll.x;
        sim.main_window_scroll_y = scroll.y;
    }
    void operator()(const input::PictureClick &click) const
    {
        sim.picture_click(sim.picture(click.picture));
    }
    void operator()(const input::PictureHover &hover) const
    {
        sim.picture_hover(sim.picture(hover.picture));
    }
    void operator()(const input::ForegroundPress &press) const { sim.Image_Fon2MouseDown(press.x); }
    void operator()(const input::SceneDragPress &press) const { sim.Panel1MouseDown(press.x); }
    void operator()(const input::SceneDragMove &move) const { sim.drag_scene(move.x); }
    void operator()(const input::CloseUpPress &press) const
    {
        sim.panel(press.panel); // a close-up that exists
        sim.Panel1MouseDown(press.x);
    }
    void operator()(const input::CloseUpDrag &drag) const
    {
        sim.drag_close_up(sim.panel(drag.panel), drag.x);
    }
    void operator()(const input::DragRelease &) const { sim.Panel1MouseUp(); }
    void operator()(const input::CloseUpClick &click) const
    {
        sim.close_up_surface_click(sim.panel(click.panel));
    }
    void operator()(const input::FindPick &pick) const { sim.ComboBox_Find_MechChange(pick.item); }
    void operator()(const input::NewCoil &) const { sim.Button_Get_RulonClick(); }
    void operator()(const input::Command &command) const
    {
        sim.send_command(command.mech, command.command);
    }
    void operator()(const input::Lesson &lesson) const { sim.set_lesson(lesson.kind); }
    void operator()(const input::Fault &fault) const
    {
        sim.set_fault(fault.mech, fault.kind, fault.on);
    }
    void operator()(const input::ClearFaults &) const { sim.clear_faults(); }
};

Answer Simulator::apply(const Input &input)
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
    tell_stage_changes();
    ui.deliver();
    return answer;
}

void Simulator::on_stage_changed(int before, int after)
{
    pending_stage_changes_.emplace_back(before, after);
    if (!applying_)
        tell_stage_changes();
}

void Simulator::tell_stage_changes()
{
    const std::vector<std::pair<int, int>> changes = std::exchange(pending_stage_changes_, {});
    const std::vector<InputObserver *> observers = observers_;
    for (const auto &[before, after] : changes)
        for (InputObserver *observer : observers)
            observer->stage_changed(scheduler.now(), before, after);
}

void Simulator::add_observer(InputObserver &observer)
{
    observers_.push_back(&observer);
}

void Simulator::remove_observer(InputObserver &observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer),
                     observers_.end());
}

} // namespace zun
