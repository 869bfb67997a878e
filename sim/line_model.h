#pragma once

#include "sim/U_mech.h"
#include "sim/Unit_linemetal.h"
#include "sim/console_layout.h"
#include "sim/deep.h"
#include "sim/happenings.h"
#include "sim/inputs.h"
#include "sim/picture_store.h"
#include "sim/scheduler.h"
#include "sim/step_actions.h"
#include "sim/ui_port.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zun {

// A console control's state: a key's angle with its five position flags, a knob's position, a
// button's pressed flag. Lamps and ammeters have none that the line knows of.
struct ControlState {
    std::int32_t Angle = 0; // keys: negative = turned left
    bool b_Left_90 = false;
    bool b_Left_45 = false;
    bool b_Angle_0 = true;
    bool b_Right_45 = false;
    bool b_Right_90 = false;
    std::int32_t Knob_Pos = 2; // knobs: 0..2
    bool b_Pressed = false;    // buttons: held down

    // The outline of a button's face: thicker while held.
    int face_outline() const { return b_Pressed ? 6 : 4; }
    // Sets the position flags from the angle.
    void f_Show_Angle();
};

// The whole simulated state of the trainer, driven by one virtual clock: the model half of the
// main window, of its consoles and of the steps window. Everyone but the simulator that owns it
// holds it as const, to paint, hash and show it; its fields are the state, its handlers are
// private and reached by inputs only. Building it runs the main window's construction, every
// step in its fixed order. What the model asks of the windows, and the stage changes and pages
// shown, wait in `happenings_` and `ui` until the simulator takes them.
class LineModel final : public MechHost {
public:
    static constexpr int mech_count = 200;

    // A mechanism as a component of the main window, found by its name "Mech" + number.
    struct MechComponent {
        MechComponent(std::string component_name, Scheduler &scheduler, MechHost &host)
            : name(std::move(component_name)), mech(scheduler, host)
        {
        }
        std::string name;
        TMech mech;
    };

    LineModel(const LineModel &) = delete;
    LineModel &operator=(const LineModel &) = delete;

    // Declared first: every timer of the program lives on it and must go before it.
    Scheduler scheduler;
    // What the model asks of the windows, handed on after the input or the advance.
    UiRequests ui;

    // Every panel and component of the main window's picture panels, and those the model uses.
    PictureStore pictures;
    Deep<Panel> Panel_Image_Scene = nullptr;
    Deep<Panel> Panel_Image_Sours = nullptr;
    Deep<Panel> Panel_5_mech = nullptr;
    Deep<Panel> Panel_70_mech = nullptr;
    Deep<Panel> Panel_Kromkomotalka = nullptr;
    Deep<Picture> Image_Beep = nullptr;
    Deep<Picture> Image_Operator = nullptr;
    // The find box's items: item n names mechanism n.
    std::array<std::string, console::mech_name_count> find_mech_list;

    std::array<Deep<TMech>, mech_count> Mech_Array{}; // slot j is mechanism j
    std::int32_t Cur_Mech = 0;                        // always 0..199
    bool b_Hover_Selects = false; // pointing at a mechanism picture makes it current
    bool beep_pressed = false;    // the bell button "звонок" is held down
    // Training aids, on while training; an examination switches them off.
    bool next_step_pointers = true; // a completed stage points at the next step's control
    bool key_tips = true;           // the first rest on a key tells which button turns it

    // Training, or an examination: then the trainee passes every stage alone in the first
    // working mode, without the training aids and without "пройти стадию".
    LessonKind Lesson = LessonKind::Training;
    bool lesson_is_exam() const { return Lesson == LessonKind::Exam; }

    WorkingMode working_mode = WorkingMode::None;
    // Both "pass the stage" buttons, the steps window's and the main window's, look alike.
    bool pass_button_enabled = true;
    std::string pass_button_caption;

    // Owned components, in creation order: it decides which of two ticks due together runs
    // first. The mechanisms' drive timers come first, then the main window's own timers.
    std::deque<MechComponent> mech_components;
    TFrame_LineMetal Frame_LineMetal;
    Timer Timer_Blocking;    // 10 ms: interlocks, close-up places, the bell picture
    Timer Timer_Scene_Left;  // 50 ms: scrolls the scene left towards post 1
    Timer Timer_Scene_Right; // 50 ms: scrolls the scene right towards post 2
    Timer Steps_Timer1;      // 1000 ms: the steps window's poll

    std::int32_t Scene_Left_Limit = 0; // goal of the left scroll: the scene's leftmost left edge
    std::int32_t Drag_Start_X = 0;     // where in the pressed control a drag began
    bool b_Dragging = false;

    // The current-mechanism panel, written every 10 ms: the name and the four signals.
    std::string panel1_caption;
    bool CheckBox_bi_KV_RWS = false;
    bool CheckBox_b_KM_RWS = false;
    bool CheckBox_b_KM_FWD = false;
    bool CheckBox_bi_KV_FWD = false;

    // What the steps window and the main window show of the scenario, written by the poll.
    std::string Edit_CheckBox_stadiya_raboti = "Edit_CheckBox_stadiya_raboti";
    int ListBox_Steps_ItemIndex = -1;
    unsigned steps_polls = 0; // counts the polls, so that a view selects the line only at one
    std::string Label_Current_Step = "Label_Current_Step";

    // Every console control's state, by its row of the console layout; which page of each page
    // control is in front, by page row. Both count their changes in consoles_version.
    std::array<ControlState, console::control_count> Controls{};
    std::array<int, console::page_control_count> front_page{};
    std::uint64_t consoles_version = 0;

    // The windows as far as the line depends on them.
    bool main_window_visible = false; // only then do pages coming forward count as shown
    bool steps_window_visible = false;
    std::int32_t main_window_width = 1024;
    std::int32_t main_window_scroll_x = 52;
    std::int32_t main_window_scroll_y = 0;

    // The name of mechanism n as the find list gives it; empty beyond the list.
    const std::string &mechanism_name(int number) const;
    const ControlState &control_state(std::string_view frame) const;
    // Whether a page is seen: in front of its page control, all its holders too, and the main
    // window shown.
    bool page_visible(int page) const;
    // Whether the picture is a position picture of its mechanism.
    bool is_mech_picture(const Picture &picture) const;
    // Whether a completed stage points at the next step's control: training aids on, first mode.
    bool pointers_on() const;

private:
    // Only the simulator builds the model and changes it, by inputs and by its clock; the
    // model's own parts reach back into it.
    friend class Simulator;
    friend class TFrame_LineMetal;
    friend struct LineModelInternals; // the model's own unit tests
    struct InputApplier;

    LineModel();
    // Applies one input at the present virtual time; what it changed on the way (stage changes,
    // pages shown, requests to the windows) waits in `happenings_` for the simulator to hand on.
    // An input that arrives while another is being applied, or from inside a tick, is a logic
    // error of the caller.
    Answer apply(const Input &input);

    // Selects a working mode as the selector does; a mode that is already selected changes
    // nothing.
    void select_working_mode(WorkingMode mode);
    // An automatic run stops where it stands and the trainee takes over: no pause runs on towards
    // the next step, and the first working mode is selected.
    void hand_over_to_trainee();

    // The mechanisms' calls on their host.
    void set_cur_mech(std::int32_t number) override;
    void show_container(Panel &container) override;
    void fault_shown(const TMech &mech, FaultKind kind) override;

    // The steps window's actions on the model.
    void Steps_Timer1Timer();
    void ListBox_StepsClick(int line);
    void Button_Pass_StageClick(); // "пройти стадию", by the mouse or by the program
    void Button_Steps_StopClick(); // "стоп"
    void Form_StepsHide();

    void hide_close_ups();
    // After a stage has completed in the first working mode: the marker goes to the next step's
    // mechanism and the hand to its control, whose page comes forward; the step is not done.
    void point_to_next_step();
    // After an action of the step's page in the first working mode: the marker, the page and the
    // hand go on to the page's next action of the same step.
    void point_to_next_action(const stages::StepAction &done);

    void Timer_BlockingTimer();

    // A post or console page with `tag` has been shown in the main window: the operator goes
    // onto the page's picture, the scene scrolls towards a post.
    void on_page_shown(int tag);
    void Timer_Scene_LeftTimer();
    void Timer_Scene_RightTimer();

    // The scene and its close-ups under the pointer; x is relative to the control concerned.
    void picture_click(Picture &picture);
    void picture_hover(Picture &picture);
    void Image_Fon2MouseDown(int x);
    void Panel1MouseDown(int x); // on the drag handle or a close-up's surface
    void drag_scene(int x);      // a move reported to the drag handle
    void drag_close_up(Panel &close_up, int x);
    void Panel1MouseUp();
    void close_up_surface_click(Panel &close_up);

    // "поставить новый рулон": a new coil stands on the coil car's table.
    void Button_Get_RulonClick();

    // The consoles. A key turns and commands its mechanism, a button is held, a knob steps.
    void Label1MouseDown(int control, MouseButton button);
    void Label1MouseUp(int control);
    void Label1MouseMove(int control);
    void bare_page_move(int page);
    // Brings a page forward with every page that holds it; the pages that come into sight run
    // the page-show handler, console pages first and post pages last.
    void bring_forward(int page);
    void on_tab_chosen(int page);
    // Brings the pages of the current mechanism's keys forward; the windows flash the keys and
    // point the hand at the last of them.
    void f_Show_Key_Of_Cur_Mech();
    // Brings the bell button's page forward; the windows point the hand at it.
    void show_bell_page();
    void FormShow();
    void FormHide();
    // Asks for a message box, shown when the present input has been applied.
    void ask_message(std::string text);
    // An item picked in the find box (typed or chosen): the mechanism becomes current and is
    // shown, and pointing at pictures no longer chooses; an index that names no mechanism
    // changes nothing.
    void ComboBox_Find_MechChange(int index);

    // The construction's steps, run once in their fixed order; the close-ups are placed again
    // as the scene moves, and the speeds restored after a pass or a click on a step.
    void f_Fill_Find_Mech_List();
    void f_Find_Mechs();
    void f_Bind_Mech_Images();
    void f_Init_Kind_Move();
    void f_Init_Steps();
    void f_Init_Start_Pos();
    void f_Init_Links();
    void f_Show_All_Mechs();
    void f_Init_Limits();
    void f_Init_Auto_Return();
    void f_Bind_Line_Images();
    void f_Place_Close_Ups();
    void f_Save_All_Intervals();
    void f_Restore_All_Speeds();
    using PageSet = std::array<bool, console::page_count>;

    PageSet visible_pages() const;
    void show_pages_come_into_sight(const PageSet &before);
    void key_turned(int control);
    void f_Send_Command(int control);
    void send_command(int mech, MechCommand command);
    void construct();
    void build_description();
    void set_description_intervals();
    void interlock_removal_table();
    void show_current_mechanism();
    void RadioGroup1Click();
    void set_lesson(LessonKind kind);
    void set_fault(int mech, FaultKind kind, bool on);
    void clear_faults();
    Panel &panel(std::string_view name);
    Picture &picture(std::string_view name);

    void on_stage_changed(int before, int after);

    Happenings happenings_;             // since the simulator last took them
    std::optional<PulseAnswer> answer_; // the pulse the input being applied sent
    bool applying_ = false;
};

} // namespace zun
