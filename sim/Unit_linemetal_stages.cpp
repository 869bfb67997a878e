// The work stages: the line judges every 10 ms whether the current step is done, can put itself
// into any stage's state at once, and can carry a stage out by itself.
#include "Unit_linemetal.h"

#include "sim/line_mechanisms.h"

#include "sim/line_model.h"

namespace zun {

namespace {

using namespace line_mech;

constexpr int short_rest = 1000; // a rest of strip too short for another coil
constexpr int rest_start = 330;  // where the rest begins once the device's shears have cut

} // namespace

bool TFrame_LineMetal::bell_pressed() const
{
    return main_window_.beep_pressed;
}

// Judges the current stage, takes the scenario's two jumps, and on completion stops the
// rotating drives and moves on (in the automatic mode after a pause).
void TFrame_LineMetal::f_Check_Stage()
{
    if (Stadiya_Raboti >= 0 && Stadiya_Raboti <= stages::last_stage) {
        b_Stage_Done = stages::condition_holds(Stadiya_Raboti, *this);
        if (Stadiya_Raboti == 38 && b_Stage_Done && Seg_Len[0] < short_rest)
            Stadiya_Raboti = 42; // too little strip for the next coil: straight to the cut
        if (Stadiya_Raboti == 48 && b_Stage_Done && x_of(Recoiler) < h0()) {
            Stadiya_Raboti = 26; // strip left: thread the next coil
            Mech_Of[RotatingTable]->Phase = 0;
            Mech_Of[RotatingTable]->f_Show();
        }
    }
    b_Stage_Done = b_Stage_Done && b_Check_Stage;
    if (Stadiya_Raboti > stages::last_stage) {
        Stadiya_Raboti = 0;
        f_Set_Stage_State();
    }
    if (b_Stage_Done) {
        f_Stop_All_Mech();
        ++Stadiya_Raboti;
        main_window_.hide_close_ups();
        if (main_window_.working_mode == WorkingMode::Automatic)
            Timer_Pause_Between_Steps.set_enabled(true);
        main_window_.point_to_next_step();
    }
}

// Every mechanism the scenario moves is sent to the end it has at the current stage, with fast
// pulses; the strip and the coils are laid at once.
void TFrame_LineMetal::f_Set_Stage_State()
{
    main_window_.hide_close_ups();
    Mech_Of[RotatingTable]->Phase = 0;
    Mech_Of[RotatingTable]->f_Show();
    if (Stadiya_Raboti < 0 || Stadiya_Raboti > stages::last_stage)
        return;
    const stages::StageState &state = stages::state(Stadiya_Raboti);
    const auto forward = [&state](int number) {
        return std::find(state.forward.begin(), state.forward.end(), number) != state.forward.end();
    };
    const auto command = [this, &forward](int number) {
        TMech &mech = *Mech_Of[number];
        forward(number) ? mech.f_Start_FWD_Pulse_Fast() : mech.f_Start_RWS_Pulse_Fast();
    };
    // The removal car goes last, so that it stays the current mechanism where no target follows.
    for (const int number : stages::Commanded)
        if (number != RemovalCar)
            command(number);
    if (state.also_forward != 0)
        Mech_Of[state.also_forward]->f_Start_FWD_Pulse_Fast();
    command(RemovalCar);

    f_Reset_Line();
    Gde_Rulon_Razmativatela = state.uncoiler_place;
    Gde_Rulon_Motalki = state.recoiler_place;
    lay_strip(Stadiya_Raboti);
    if (state.shown == stages::CloseUp::Drum5)
        main_window_.Panel_5_mech->set_visible(true);
    else if (state.shown == stages::CloseUp::Drum70)
        main_window_.Panel_70_mech->set_visible(true);
    if (state.reset_removal_car_phase) {
        Mech_Of[RemovalCar]->Phase = 0;
        Mech_Of[RemovalCar]->f_Show();
    }
    if (state.target != 0)
        f_Point_To_Mech(state.target);
}

// The strip of a stage state, over the whole strip the reset has laid. Pieces written directly
// are counted by the next travel tick.
void TFrame_LineMetal::lay_strip(int stage)
{
    using Kind = stages::StripState::Kind;
    const stages::StripState &strip = stages::state(stage).strip;
    const auto rest_length = static_cast<std::int16_t>(x_of(Uncoiler) - x_of(DeviceShears));
    switch (strip.kind) {
    case Kind::AsReset:
        break;
    case Kind::Head:
        Seg_Start[0] = static_cast<std::int16_t>(x_of(strip.mech) + strip.offset);
        break;
    case Kind::TailAtUncoiler:
        Seg_Start[0] = static_cast<std::int16_t>(x_of(Uncoiler) - Dlina_Polosy);
        break;
    case Kind::TailAtUncoilerCut:
        Seg_Start[0] = static_cast<std::int16_t>(x_of(Uncoiler) - Dlina_Polosy);
        f_Cut_At_Mech(DeviceShears);
        break;
    case Kind::WindingDone:
        Seg_Start[0] = static_cast<std::int16_t>(x_of(Recoiler) - Dlina_Polosy);
        Seg_Len[0] = Dlina_Polosy;
        Seg_Start[1] = rest_start;
        Seg_Len[1] = rest_length;
        break;
    case Kind::RestOnly:
        Seg_Start[0] = rest_start;
        Seg_Len[0] = rest_length;
        break;
    }
}

// Carries the current stage out as an operator would, then shows the key of the mechanism the
// last command made current.
void TFrame_LineMetal::f_Pass_Stage()
{
    main_window_.beep_pressed = false;
    if (Stadiya_Raboti >= 0 && Stadiya_Raboti <= stages::last_stage)
        for (const stages::Command &command : stages::commands(Stadiya_Raboti))
            run_command(command);
    main_window_.f_Show_Key_Of_Cur_Mech();
}

void TFrame_LineMetal::run_command(const stages::Command &command)
{
    using Op = stages::Command::Op;
    switch (command.op) {
    case Op::Forward:
        Mech_Of[command.mech]->f_Start_FWD_Pulse();
        break;
    case Op::Reverse:
        Mech_Of[command.mech]->f_Start_RWS_Pulse();
        break;
    case Op::ResetLine:
        f_Reset_Line();
        break;
    case Op::CoilOnCar:
        Gde_Rulon_Razmativatela = UncoilerPlace::CarTable;
        break;
    case Op::DelayedStop:
        f_Start_Stop_All_Timer();
        break;
    case Op::Bell: // the line presses the bell for the trainee, showing where it is
        main_window_.show_bell_page();
        main_window_.beep_pressed = true;
        break;
    case Op::WorkingSpeed:
        f_Start_Working_Speed();
        break;
    case Op::StopAll:
        f_Stop_All_Mech();
        break;
    }
}

// Every rotating drive stops; travelling ones go on to their ends.
void TFrame_LineMetal::f_Stop_All_Mech()
{
    for (TMech *mech : main_window_.Mech_Array)
        if (mech->Kind_Move == KindMove::Rotation)
            mech->f_Stop();
}

void TFrame_LineMetal::f_Start_Working_Speed()
{
    for (const int drive : stages::working_speed_drives())
        Mech_Of[drive]->f_Start_FWD_Pulse();
    main_window_.set_cur_mech(WorkingSpeedKey);
}

void TFrame_LineMetal::f_Point_To_Mech(int n)
{
    main_window_.set_cur_mech(n);
    main_window_.ui.show_target();
}

// Enabling the timer while it runs does not restart its two seconds.
void TFrame_LineMetal::f_Start_Stop_All_Timer()
{
    Timer_Stop_All_Mech.set_enabled(true);
}

void TFrame_LineMetal::Timer_Stop_All_MechTimer()
{
    f_Stop_All_Mech();
    Timer_Stop_All_Mech.set_enabled(false);
}

// The click action runs even where a change of mode has disabled the button meanwhile.
void TFrame_LineMetal::Timer_Pause_Between_StepsTimer()
{
    main_window_.Button_Pass_StageClick();
    Timer_Pause_Between_Steps.set_enabled(false);
}

} // namespace zun
