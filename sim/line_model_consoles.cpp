// The consoles in the model: keys turned and commanding their mechanisms, buttons held, knobs
// stepped, and which page of each page control is in front.
#include "line_model.h"

#include "sim/texts.h"

#include <stdexcept>

namespace zun {

namespace {

using console::ControlKind;
using console::LabelHandler;

constexpr int knob_positions = 3;

int max_angle(ControlKind kind)
{
    return kind == ControlKind::Key90 ? 90 : 45;
}

} // namespace

void ControlState::f_Show_Angle()
{
    b_Left_90 = Angle == -90;
    b_Left_45 = Angle == -45;
    b_Angle_0 = Angle == 0;
    b_Right_45 = Angle == 45;
    b_Right_90 = Angle == 90;
}

const ControlState &LineModel::control_state(std::string_view frame) const
{
    const int row = console::find_control(frame);
    if (row < 0)
        throw std::out_of_range("no console control " + std::string(frame));
    return Controls[static_cast<std::size_t>(row)];
}

// A key turns one step per press (another button sends the present command again); a button is
// held; a knob steps down on the left button and up on the right one, round its positions.
void LineModel::Label1MouseDown(int control, MouseButton button)
{
    const console::Control &layout = console::controls()[static_cast<std::size_t>(control)];
    ControlState &state = Controls[static_cast<std::size_t>(control)];
    ++consoles_version;
    if (layout.is_key()) {
        if (button == MouseButton::Left && state.Angle > -max_angle(layout.kind))
            state.Angle -= 45;
        else if (button == MouseButton::Right && state.Angle < max_angle(layout.kind))
            state.Angle += 45;
        key_turned(control);
        if (layout.handler == LabelHandler::WorkingSpeed) { // left runs the line, right stops it
            if (state.b_Left_45)
                Frame_LineMetal.f_Start_Working_Speed();
            if (state.b_Right_45)
                Frame_LineMetal.f_Stop_All_Mech();
        }
        if (layout.kind != ControlKind::BackKey && answer_ && answer_->refusal == Refusal::None)
            point_to_next_action({answer_->mech, answer_->command});
    } else if (layout.kind == ControlKind::Button) {
        state.b_Pressed = true;
        if (layout.bell)
            beep_pressed = true;
    } else if (layout.kind == ControlKind::Knob) {
        if (button == MouseButton::Left)
            state.Knob_Pos = (state.Knob_Pos + knob_positions - 1) % knob_positions;
        else if (button == MouseButton::Right)
            state.Knob_Pos = (state.Knob_Pos + 1) % knob_positions;
    }
}

// A spring-return key comes back upright and stops; a button is let go.
void LineModel::Label1MouseUp(int control)
{
    const console::Control &layout = console::controls()[static_cast<std::size_t>(control)];
    ControlState &state = Controls[static_cast<std::size_t>(control)];
    if (layout.kind == ControlKind::BackKey) {
        ++consoles_version;
        const MechCommand held = state.Angle < 0 ? MechCommand::Forward : MechCommand::Reverse;
        const bool was_turned = state.Angle != 0;
        state.Angle = 0;
        key_turned(control);
        if (was_turned)
            point_to_next_action({layout.tag, held});
    } else if (layout.kind == ControlKind::Button) {
        ++consoles_version;
        state.b_Pressed = false;
        if (layout.bell)
            beep_pressed = false;
    }
}

// Pointing at a key makes its mechanism current (0 for an unbound key) and shows the marker;
// the drums' keys also open their close-ups.
void LineModel::Label1MouseMove(int control)
{
    const console::Control &layout = console::controls()[static_cast<std::size_t>(control)];
    if (!layout.is_key())
        return;
    Cur_Mech = layout.tag;
    ui.show_target();
    if (layout.handler == LabelHandler::ShowPanel5Mech)
        Panel_5_mech->set_visible(true);
    else if (layout.handler == LabelHandler::ShowPanel70Mech)
        Panel_70_mech->set_visible(true);
}

// Pointing at the bare page of a drum's console closes that drum's close-up.
void LineModel::bare_page_move(int page)
{
    const std::string_view name = console::pages()[static_cast<std::size_t>(page)].name;
    if (name == "TabSheet_Post1_Pult_1")
        Panel_5_mech->set_visible(false);
    else if (name == "TabSheet_Post2_Pult_3")
        Panel_70_mech->set_visible(false);
}

void LineModel::key_turned(int control)
{
    Controls[static_cast<std::size_t>(control)].f_Show_Angle();
    f_Send_Command(control);
}

// Left is forward, right is reverse, upright is stop; a spring-return key stops before it starts
// again, and the 90-degree positions send nothing. A key bound to no mechanism commands
// mechanism 0 and then says it is not used.
void LineModel::f_Send_Command(int control)
{
    const console::Control &layout = console::controls()[static_cast<std::size_t>(control)];
    const ControlState &state = Controls[static_cast<std::size_t>(control)];
    const int number = layout.tag;
    if (state.b_Left_45 || state.b_Right_45 || state.b_Angle_0) {
        if (layout.kind == ControlKind::BackKey || state.b_Angle_0)
            send_command(number, MechCommand::Stop);
        if (state.b_Left_45)
            send_command(number, MechCommand::Forward);
        else if (state.b_Right_45)
            send_command(number, MechCommand::Reverse);
    }
    if (number == 0)
        ask_message(texts::not_used);
}

// The answer to the input is the last command it sent to a mechanism.
void LineModel::send_command(int mech, MechCommand command)
{
    TMech &target = *Mech_Array[static_cast<std::size_t>(mech)];
    const Refusal refusal = target.refusal_of(command);
    switch (command) {
    case MechCommand::Forward:
        target.f_Start_FWD_Pulse();
        break;
    case MechCommand::Reverse:
        target.f_Start_RWS_Pulse();
        break;
    case MechCommand::Stop:
        target.f_Stop();
        break;
    }
    answer_ = PulseAnswer{mech, command, refusal};
}

bool LineModel::page_visible(int page) const
{
    if (!main_window_visible)
        return false;
    for (int shown = page; shown >= 0;) {
        const int control = console::page_control_of(shown);
        if (front_page[static_cast<std::size_t>(control)] != shown)
            return false;
        shown = console::page_holding(control);
    }
    return true;
}

LineModel::PageSet LineModel::visible_pages() const
{
    PageSet visible{};
    for (int page = 0; page < console::page_count; ++page)
        visible[static_cast<std::size_t>(page)] = page_visible(page);
    return visible;
}

// Pages held in a post's page control are the consoles: they come first, the posts last.
void LineModel::show_pages_come_into_sight(const PageSet &before)
{
    const PageSet after = visible_pages();
    for (const bool consoles : {true, false}) {
        for (int page = 0; page < console::page_count; ++page) {
            const auto row = static_cast<std::size_t>(page);
            const bool is_console = console::page_holding(console::page_control_of(page)) >= 0;
            if (is_console != consoles || before[row] || !after[row])
                continue;
            on_page_shown(console::pages()[row].tag);
            happenings_.pages_shown.push_back({scheduler.now(), page});
        }
    }
}

void LineModel::bring_forward(int page)
{
    const PageSet before = visible_pages();
    for (int shown = page; shown >= 0;) {
        const int control = console::page_control_of(shown);
        front_page[static_cast<std::size_t>(control)] = shown;
        shown = console::page_holding(control);
    }
    ++consoles_version;
    show_pages_come_into_sight(before);
}

// Only the chosen page comes forward in its page control; if that is out of sight, so is it.
void LineModel::on_tab_chosen(int page)
{
    const PageSet before = visible_pages();
    front_page[static_cast<std::size_t>(console::page_control_of(page))] = page;
    ++consoles_version;
    show_pages_come_into_sight(before);
}

void LineModel::f_Show_Key_Of_Cur_Mech()
{
    const auto controls = console::controls();
    for (const console::Control &control : controls)
        if (control.is_key() && control.tag == Cur_Mech)
            bring_forward(console::find_page(control.page));
    ui.show_keys_of(Cur_Mech);
}

void LineModel::show_bell_page()
{
    for (const console::Control &control : console::controls())
        if (control.bell)
            bring_forward(console::find_page(control.page));
    ui.show_bell_page_and_hand();
}

// The pages in front come into sight before the window's own show; every showing puts the
// steps window back into the first working mode.
void LineModel::FormShow()
{
    const PageSet before = visible_pages();
    main_window_visible = true;
    show_pages_come_into_sight(before);
    select_working_mode(WorkingMode::PassStages);
}

void LineModel::FormHide()
{
    main_window_visible = false;
}

void LineModel::ask_message(std::string text)
{
    ui.message_box(std::move(text));
}

} // namespace zun
