#include "Unit_linemetal.h"

#include "sim/line_mechanisms.h"

#include "sim/line_model.h"

#include <stdexcept>
#include <string>

namespace zun {

namespace {

using namespace line_mech;

constexpr Millis line_tick = 10;
constexpr Millis delayed_stop_interval = 2000;
constexpr Millis pause_between_steps = 1000;
constexpr int zones = 5;
constexpr int strip_end_top = 57;
constexpr std::int16_t whole_coil_length = 3000;

} // namespace

TFrame_LineMetal::TFrame_LineMetal(Scheduler &scheduler, LineModel &main_window)
    : Timer_MovLine(scheduler, line_tick, [this] { Timer_MovLineTimer(); }),
      Timer_Visu_i_Stadiya(scheduler, line_tick, [this] { Timer_Visu_i_StadiyaTimer(); }),
      Timer_Stop_All_Mech(scheduler, delayed_stop_interval, [this] { Timer_Stop_All_MechTimer(); }),
      Timer_Pause_Between_Steps(scheduler, pause_between_steps,
                                [this] { Timer_Pause_Between_StepsTimer(); }),
      main_window_(main_window)
{
    Timer_MovLine.set_enabled(true);
    Timer_Visu_i_Stadiya.set_enabled(true);
}

void TFrame_LineMetal::f_Init_Line()
{
    for (int i = 1; i < bound_mechs; ++i) {
        TMech *mech = main_window_.Mech_Array[i];
        if (!mech)
            continue;
        Mech_Of[i] = mech;
        KV_RWS_Of[i] = &mech->bi_KV_RWS;
        KM_RWS_Of[i] = &mech->b_KM_RWS;
        KM_FWD_Of[i] = &mech->b_KM_FWD;
        KV_FWD_Of[i] = &mech->bi_KV_FWD;
        Image_Of[i] = mech->Image_Pos[0].get();
        Pos_X_Of[i] = &mech->Pos_X;
    }
    X_Razmativatela = x_of(Uncoiler);
    Zone_Width = (x_of(Uncoiler) - x_of(Recoiler)) / zones;
    for (int k = 0; k < zones; ++k) {
        Line_Images[k]->set_top(strip_end_top);
        Line_Images[zones + k]->set_top(strip_end_top);
    }
    Dlina_Polosy = whole_coil_length;
    f_Reset_Line();
    X_Motalki = x_of(Recoiler);

    bind_named_pictures();
}

void TFrame_LineMetal::bind_named_pictures()
{
    const auto find = [this](const std::string &name) {
        if (Picture *found = main_window_.pictures.find_picture(name))
            return found;
        throw std::logic_error("the strip line finds no picture " + name);
    };
    Label_SizeMot_Int = find("Label_SizeMot_Int");
    Label_SizeMot_Perc = find("Label_SizeMot_Perc");
    Label_SizeRaz_Int = find("Label_SizeRaz_Int");
    Label_SizeRaz_Perc = find("Label_SizeRaz_Perc");
    Image_Vnutrennosti_Rulona_Razmativatela = find("Image_Vnutrennosti_Rulona_Razmativatela");
    Image_Vnutrennosti_Rulona_Motalki = find("Image_Vnutrennosti_Rulona_Motalki");
    Image_Petla_Motalki = find("Image_Petla_Motalki");
    Image_Provodka_sleva = find("Image_Provodka_sleva");
    for (std::size_t i = 0; i < Image_Petla_Otgibatela.size(); ++i) {
        Image_Petla_Otgibatela[i] = find("Image_Petla_Otgibatela_" + std::to_string(i + 1));
        Image_Kromka[i] = find("Image_Kromka_" + std::to_string(i + 1));
    }
}

// A whole new strip at the uncoiler and no coil placed; the stage, the size classes and the
// detectors' memories stay.
void TFrame_LineMetal::f_Reset_Line()
{
    Percent_Motalki = 0;
    Percent_Razmativatela = 100;
    Seg_Start = {static_cast<std::int16_t>(X_Razmativatela), 0, 0, 0, 0};
    Seg_Len = {Dlina_Polosy, 0, 0, 0, 0};
    Seg_Count = 1;
    Gde_Rulon_Razmativatela = UncoilerPlace::None;
    Gde_Rulon_Motalki = RecoilerPlace::None;
}

void TFrame_LineMetal::Timer_Visu_i_StadiyaTimer()
{
    f_Check_Stage();
    f_Calc_Rulon_Sizes();
    f_Move_Rulons();
    f_Place_Rulon_Razmativatela();
    f_Place_Rulon_Motalki();
    f_Show_Body();
    f_Show_Ends();
    f_Show_Rulons();
    f_Show_Petla_Otgibatela();
    f_Check_Cuts();
}

bool TFrame_LineMetal::f_Run_Ended(int j)
{
    const bool running = *KM_RWS_Of[j] || *KM_FWD_Of[j];
    const bool result = Edge_Memo[j] && !running;
    Edge_Memo[j] = running;
    return result;
}

bool TFrame_LineMetal::f_RWS_Run_Ended(int j)
{
    const bool result = Edge_Memo[j] && !*KM_RWS_Of[j];
    Edge_Memo[j] = *KM_RWS_Of[j];
    return result;
}

bool TFrame_LineMetal::f_Reached_FWD_End(int j)
{
    const bool result = Edge_Memo[j] && *KV_FWD_Of[j];
    Edge_Memo[j] = !*KV_FWD_Of[j];
    return result;
}

bool TFrame_LineMetal::f_Left_FWD_End(int j)
{
    const bool result = Edge_Memo[j] && !*KV_FWD_Of[j];
    Edge_Memo[j] = *KV_FWD_Of[j];
    return result;
}

// True while a rotating mechanism runs and shows the phase opposite to the one it stood at when
// the detector last saw it standing.
bool TFrame_LineMetal::f_Half_Turn(int j)
{
    const TMech &mech = *Mech_Of[j];
    if (mech.Kind_Move != KindMove::Rotation)
        return false;
    const bool running = mech.Timer_Drive.enabled();
    if (!running) {
        Turn_Start_Phase[j] = static_cast<std::int8_t>(mech.Phase);
        Turn_Cur_Phase[j] = 10;
    } else {
        Turn_Cur_Phase[j] = static_cast<std::int8_t>(mech.Phase);
    }
    const int turned = Turn_Cur_Phase[j] - Turn_Start_Phase[j];
    return (turned == 2 || turned == -2) && running;
}

} // namespace zun
