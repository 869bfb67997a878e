#pragma once

#include "sim/U_mech.h"
#include "sim/coil_places.h"
#include "sim/deep.h"
#include "sim/picture_store.h"
#include "sim/scheduler.h"
#include "sim/stage_tables.h"
#include "sim/watched.h"

#include <array>
#include <cstdint>

namespace zun {

class LineModel;

// The strip line: the metal strip from the uncoiler (right) to the recoiler (left) as up to five
// pieces along the scene's x axis, the two coils, and the clocks that move, cut and show them.
// It owns no mechanism: it watches and commands the main window's through binding tables. Its
// fields are public, as the other parts of the line and the windows read them.
class TFrame_LineMetal {
public:
    static constexpr int bound_mechs = 80; // mechanisms 1..79 are bound
    static constexpr int no_seg = 1000;    // f_Seg_At_Mech: no piece spans the mechanism

    TFrame_LineMetal(Scheduler &scheduler, LineModel &main_window);
    TFrame_LineMetal(const TFrame_LineMetal &) = delete;
    TFrame_LineMetal &operator=(const TFrame_LineMetal &) = delete;

    Timer Timer_MovLine;             // 10 ms: strip travel
    Timer Timer_Visu_i_Stadiya;      // 10 ms: stage check, coils, pictures, cuts
    Timer Timer_Stop_All_Mech;       // 2000 ms, one-shot: the delayed stop
    Timer Timer_Pause_Between_Steps; // 1000 ms, one-shot: the next automatic step

    std::int32_t X_Motalki = 0; // x of the recoiler drive at start-up: left edge of the zones
    std::array<std::int16_t, 5> Seg_Start{}; // x of each piece's head (its left end)
    std::array<std::int16_t, 5> Seg_Len{};   // length; 0 marks a free slot
    std::int32_t Seg_Slots = 5;
    std::array<Deep<Picture>, 75> Line_Images{};
    std::int32_t Zone_Width = 0;
    std::int32_t X_Razmativatela = 0; // x of the uncoiler drive: where a new strip's head lies
    std::int32_t Razmer_Rulona_Motalki = 0;       // size class 0..3; 10: almost nothing wound
    std::int32_t Razmer_Rulona_Razmativatela = 0; // size class 0..3
    Watched<std::int8_t> Stadiya_Raboti{0};       // the work stage, 0..49
    RecoilerPlace Gde_Rulon_Motalki = RecoilerPlace::None;
    UncoilerPlace Gde_Rulon_Razmativatela = UncoilerPlace::None;
    std::array<bool, 5> Zone_Head{};
    bool b_Stage_Done = false;
    bool b_Check_Stage = false;
    std::array<bool, bound_mechs> Edge_Memo{};
    std::array<Deep<bool>, 101> KV_RWS_Of{};
    std::array<Deep<bool>, 101> KM_RWS_Of{};
    std::array<Deep<bool>, 101> KM_FWD_Of{};
    std::array<Deep<bool>, 101> KV_FWD_Of{};
    std::array<Deep<TMech>, bound_mechs> Mech_Of{};
    std::array<Deep<Picture>, bound_mechs> Image_Of{};
    std::array<Deep<std::int16_t>, bound_mechs> Pos_X_Of{};
    std::array<std::int8_t, bound_mechs> Turn_Start_Phase{};
    std::array<std::int8_t, bound_mechs> Turn_Cur_Phase{};
    std::int32_t Seg_Count = 0;
    std::int32_t Percent_Motalki = 0;
    std::int32_t Percent_Razmativatela = 0;
    std::int16_t Dlina_Polosy = 0;

    void f_Init_Line();
    void f_Reset_Line();
    void Timer_MovLineTimer();
    void Timer_Visu_i_StadiyaTimer();

    // Detectors over one memory byte per mechanism, shared by all four edge detectors.
    bool f_Run_Ended(int j);
    bool f_RWS_Run_Ended(int j);
    bool f_Reached_FWD_End(int j);
    bool f_Left_FWD_End(int j);
    bool f_Half_Turn(int j);

    // Pieces of the strip.
    void f_Count_Segs();
    int f_Seg_At_Mech(int j) const;
    void f_Cut_At_Mech(int j);
    bool f_Engaged(int j, int k) const;
    void f_Remove_Seg(int k);
    void f_Pack_Segs();
    int f_Count_Covering(int a, int b) const;
    int f_Max_End_Before(int k) const;
    int f_Min_Start_After(int k) const;
    int head_of(int k) const { return Seg_Start[k]; }
    int tail_of(int k) const { return Seg_Start[k] + Seg_Len[k]; }

    void f_Check_Cuts();
    void f_Calc_Rulon_Sizes();
    void f_Move_Rulons();

    // The strip's and coils' pictures.
    void f_Place_Rulon_Razmativatela();
    void f_Place_Rulon_Motalki();
    void f_Show_Body();
    void f_Show_Ends();
    void f_Show_Rulons();
    void f_Show_Petla_Otgibatela();
    void show_kromka(int k);

    // Pictures the line drives besides Line_Images, found by name at f_Init_Line.
    Deep<Picture> Image_Vnutrennosti_Rulona_Razmativatela = nullptr;
    Deep<Picture> Image_Vnutrennosti_Rulona_Motalki = nullptr;
    std::array<Deep<Picture>, 3> Image_Petla_Otgibatela{};
    Deep<Picture> Image_Petla_Motalki = nullptr;
    std::array<Deep<Picture>, 3> Image_Kromka{};
    Deep<Picture> Image_Provodka_sleva = nullptr;

    // The x of mechanism j: its current Pos_X.
    int x_of(int j) const { return *Pos_X_Of[j]; }
    bool KV_F(int j) const { return *KV_FWD_Of[j]; }
    bool KV_R(int j) const { return *KV_RWS_Of[j]; }
    int h0() const { return head_of(0); }
    int t0() const { return tail_of(0); }
    int left_guide_left() const { return Image_Provodka_sleva->left(); }
    bool bell_pressed() const;

    // The work stages: judging, setting a stage's whole state, carrying a stage out.
    void f_Check_Stage();
    void f_Set_Stage_State();
    void f_Pass_Stage();
    void f_Stop_All_Mech();
    void f_Start_Working_Speed();
    void f_Point_To_Mech(int n);
    void f_Start_Stop_All_Timer();
    void Timer_Stop_All_MechTimer();
    void Timer_Pause_Between_StepsTimer();

private:
    // Mechanisms 1..69 drive the strip; those whose drive runs, in their order, are few at any
    // moment.
    static constexpr int last_driving_mech = 69;
    struct RunningDrives {
        std::array<std::int8_t, last_driving_mech> mechs{};
        int count = 0;
    };
    RunningDrives running_drives() const;
    void move_piece(int k, const RunningDrives &running);
    bool left_drive_passes(int head, bool driven) const;
    void bind_named_pictures();
    bool is_covered(int a, int b) const { return f_Count_Covering(a, b) > 0; }
    bool any_visible(int first_slot, int count) const;
    void lay_strip(int stage);
    void run_command(const stages::Command &command);

    LineModel &main_window_;
    Picture *Label_SizeMot_Int = nullptr;
    Picture *Label_SizeMot_Perc = nullptr;
    Picture *Label_SizeRaz_Int = nullptr;
    Picture *Label_SizeRaz_Perc = nullptr;
};

} // namespace zun
