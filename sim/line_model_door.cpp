// The door: every input of the windows and of the runner, applied at the current virtual time.
#include "line_model.h"

#include <stdexcept>

namespace zun {

// Applies each kind of input with the model's own operations.
struct LineModel::InputApplier {
    LineModel &sim;

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
    void operator()(const input::SelectMode &select) const { sim.select_working_mode(select.mode); }
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

Answer LineModel::apply(const Input &input)
{
    if (applying_)
        throw std::logic_error("an input arrived while another was being applied");
    if (scheduler.advancing())
        throw std::logic_error("an input arrived from inside a tick of the clock");
    applying_ = true;
    answer_.reset();
    try {
        std::visit(InputApplier{*this}, input);
    } catch (...) {
        applying_ = false;
        throw;
    }
    applying_ = false;
    return Answer{answer_};
}

void LineModel::on_stage_changed(int before, int after)
{
    happenings_.stage_changes.push_back({scheduler.now(), before, after});
}

} // namespace zun
