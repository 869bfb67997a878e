#pragma once

#include "sim/U_mech.h"
#include "sim/Unit_linemetal.h"
#include "sim/console_layout.h"
#include "sim/picture_store.h"
#include "sim/scheduler.h"
#include "sim/ui_port.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace zun {

// The whole simulated state of the trainer, driven by one virtual clock: the model half of the
// main window and of the steps window. The windows hold it and only paint and forward input.
// Its construction is the main window's: every step in its fixed order.
class TSimulator final : public TMech_Host {
public:
    static constexpr int Mech_Count = 200;
    static constexpr int No_Working_Mode = -1;

    // A mechanism as a component of the main window, found by its name "Mech" + number.
    struct Mech_Component {
        Mech_Component(std::string component_name, Scheduler &scheduler, TMech_Host &host)
            : name(std::move(component_name)), mech(scheduler, host)
        {
        }
        std::string name;
        TMech mech;
    };

    explicit TSimulator(UiPort &ui_port);
    TSimulator(const TSimulator &) = delete;
    TSimulator &operator=(const TSimulator &) = delete;

    // Declared first: every timer of the program lives on it and must go before it.
    Scheduler scheduler;
    UiPort &ui;

    // Every panel and component of the main window's picture panels, and those the model uses.
    PictureStore pictures;
    Panel *Panel_Image_Scene = nullptr;
    Panel *Panel_Image_Sours = nullptr;
    Panel *Panel_5_mech = nullptr;
    Panel *Panel_70_mech = nullptr;
    Panel *Panel_Kromkomotalka = nullptr;
    Picture *Image_Beep = nullptr;
    Picture *Image_Operator = nullptr;
    // The find box's items: item n names mechanism n.
    std::array<std::string, console::mech_name_count> Find_Mech_List;

    std::array<TMech *, Mech_Count> Mech_Array{}; // slot j is mechanism j
    std::int32_t Cur_Mech = 0;                    // always 0..199
    bool b_Hover_Selects = false; // pointing at a mechanism picture makes it current
    bool b_Beep_Pressed = false;  // the bell button "звонок" is held down
    // Training aids, on while training; an examination switches them off.
    bool b_Next_Step_Pointers = true; // a completed stage points at the next step's control
    bool b_Key_Tips = true;           // the first rest on a key tells which button turns it

    // The steps window's selector: no mode at start, then 0 (trainee passes stages), 1 (a step
    // click sets that step's state) or 2 (automatic run).
    int Working_Mode = No_Working_Mode;
    // Both "pass the stage" buttons, the steps window's and the main window's, look alike.
    bool Pass_Button_Enabled = true;
    std::string Pass_Button_Caption;

    // Owned components, in creation order: it decides which of two ticks due together runs
    // first. The mechanisms' drive timers come first, then the main window's own timers.
    std::deque<Mech_Component> Mech_Components;
    TFrame_LineMetal Frame_LineMetal;
    Timer Timer_Blocking;    // 10 ms: interlocks, close-up places, the bell picture
    Timer Timer_Scene_Left;  // 50 ms: scrolls the scene left towards post 1
    Timer Timer_Scene_Right; // 50 ms: scrolls the scene right towards post 2
    Timer Steps_Timer1;      // 1000 ms: the steps window's poll

    std::int32_t Scene_Left_Limit = 0; // goal of the left scroll: the scene's leftmost left edge
    std::int32_t Drag_Start_X = 0;     // where in the pressed control a drag began
    bool b_Dragging = false;

    // The current-mechanism panel, written every 10 ms: the name and the four signals.
    std::string Panel1_Caption;
    bool CheckBox_bi_KV_RWS = false;
    bool CheckBox_b_KM_RWS = false;
    bool CheckBox_b_KM_FWD = false;
    bool CheckBox_bi_KV_FWD = false;

    // What the steps window and the main window show of the scenario, written by the poll.
    std::string Edit_CheckBox_stadiya_raboti = "Edit_CheckBox_stadiya_raboti";
    int ListBox_Steps_ItemIndex = -1;
    unsigned Steps_Polls = 0; // counts the polls, so that a view selects the line only at one
    std::string Label_Current_Step = "Label_Current_Step";

    // The name of mechanism n as the find list gives it; empty beyond the list.
    const std::string &f_Mech_Name(int number) const;

    // Selects a working mode as the selector does; a mode that is already selected changes
    // nothing. Returns whether the mode changed.
    bool f_Select_Working_Mode(int mode);

    void f_Set_Cur_Mech(std::int32_t number) override;
    void f_Show_Container(Panel &container) override;

    // The steps window's actions on the model.
    void Steps_Timer1Timer();
    void ListBox_StepsClick(int line);
    void Button_Pass_StageClick(); // "пройти стадию", by the mouse or by the program
    void Button_Steps_StopClick(); // "стоп"
    void Form_StepsHide();

    void f_Hide_Close_Ups();
    // After a stage has completed in the first working mode: the marker goes to the next step's
    // mechanism and the hand to its control, whose page comes forward; the step is not done.
    void f_Point_To_Next_Step();

    // Construction steps, also usable afterwards where the program calls them again.
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

    void Timer_BlockingTimer();

    // A post or console page with `tag` has been shown in a main window `window_width` wide:
    // the operator goes onto the page's picture, the scene scrolls towards a post.
    void f_Page_Shown(int tag, int window_width);
    void Timer_Scene_LeftTimer();
    void Timer_Scene_RightTimer();

    // The scene and its close-ups under the pointer; x is relative to the control concerned.
    void f_Picture_Click(Picture &picture);
    void f_Picture_Hover(Picture &picture);
    void Image_Fon2MouseDown(int x);
    void Panel1MouseDown(int x); // on the drag handle or a close-up's surface
    void f_Drag_Scene(int x);    // a move reported to the drag handle
    void f_Drag_Close_Up(Panel &close_up, int x);
    void Panel1MouseUp();
    void f_Close_Up_Surface_Click(Panel &close_up);
    // Whether the picture is a position picture of its mechanism.
    bool f_Is_Mech_Picture(const Picture &picture) const;

    // "поставить новый рулон": a new coil stands on the coil car's table.
    void Button_Get_RulonClick();
    // An item picked in the find box (typed or chosen): the mechanism becomes current and is
    // shown, and pointing at pictures no longer chooses; an index that names no mechanism
    // changes nothing.
    void ComboBox_Find_MechChange(int index);

private:
    void f_Construct();
    void f_Build_Description();
    void f_Set_Description_Intervals();
    void f_Interlock_Removal_Table();
    void f_Show_Current_Mechanism();
    void RadioGroup1Click();
    Panel &panel(std::string_view name) const;
    Picture &picture(std::string_view name) const;
};

} // namespace zun
