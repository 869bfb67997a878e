// The strip's pieces: travel, cuts, the scrap drop, and the coils they make.
#include "Unit_linemetal.h"

#include "sim/line_mechanisms.h"

#include "sim/line_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace zun {

namespace {

using namespace line_mech;

constexpr int engage_tolerance = 10;
constexpr int scrap_length = 100;
constexpr int scrap_reach = 30;
constexpr int nowhere = 1000000;

// A label's caption set to a number with its unit, built without allocating: every tick.
void show_number(Picture &label, int number, std::string_view unit)
{
    std::array<char, 16> text{};
    char *end = std::to_chars(text.data(), text.data() + text.size() - unit.size(), number).ptr;
    end = std::copy(unit.begin(), unit.end(), end);
    label.set_caption(std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
}

int size_class_of_recoiler_coil(int percent)
{
    if (percent <= 1)
        return 10;
    if (percent <= 10)
        return 0;
    if (percent <= 30)
        return 1;
    return percent <= 60 ? 2 : 3;
}

int size_class_of_uncoiler_coil(int percent)
{
    if (percent <= 10)
        return 0;
    if (percent <= 30)
        return 1;
    return percent <= 60 ? 2 : 3;
}

} // namespace

void TFrame_LineMetal::f_Count_Segs()
{
    Seg_Count = static_cast<std::int32_t>(std::count_if(
        Seg_Len.begin(), Seg_Len.end(), [](std::int16_t length) { return length > 0; }));
}

// No piece spanning the mechanism, none in use included, answers no_seg.
int TFrame_LineMetal::f_Seg_At_Mech(int j) const
{
    const int x = x_of(j);
    for (int k = 0; k < Seg_Count; ++k)
        if (head_of(k) < x && x < tail_of(k))
            return k;
    return no_seg;
}

// The left part keeps the slot and the head; the right part becomes the new last piece. With
// every slot in use the cut is ignored: the new piece would have nowhere to go.
void TFrame_LineMetal::f_Cut_At_Mech(int j)
{
    f_Count_Segs();
    const int cut = f_Seg_At_Mech(j);
    if (cut >= no_seg || Seg_Count >= Seg_Slots)
        return;
    const int x = x_of(j);
    const int tail = tail_of(cut);
    Seg_Start[Seg_Count] = static_cast<std::int16_t>(x);
    Seg_Len[Seg_Count] = static_cast<std::int16_t>(tail - x);
    Seg_Len[cut] = static_cast<std::int16_t>(x - head_of(cut));
    ++Seg_Count;
}

// A rotating drive shown on the scene touches the piece, within a tolerance at either end.
bool TFrame_LineMetal::f_Engaged(int j, int k) const
{
    const Picture &first = *Image_Of[j];
    return x_of(j) + first.width() < tail_of(k) + engage_tolerance &&
           x_of(j) > head_of(k) - engage_tolerance &&
           &first.panel() == main_window_.Panel_Image_Scene &&
           Mech_Of[j]->Kind_Move == KindMove::Rotation;
}

void TFrame_LineMetal::f_Remove_Seg(int k)
{
    Seg_Len[k] = 0;
    f_Pack_Segs();
    f_Count_Segs();
}

void TFrame_LineMetal::f_Pack_Segs()
{
    for (std::size_t k = 0; k + 1 < Seg_Len.size(); ++k) {
        if (Seg_Len[k] == 0) {
            Seg_Start[k] = Seg_Start[k + 1];
            Seg_Len[k] = Seg_Len[k + 1];
            Seg_Len[k + 1] = 0;
        }
    }
}

// All five slots count, in use or not.
int TFrame_LineMetal::f_Count_Covering(int a, int b) const
{
    int covering = 0;
    for (int k = 0; k < static_cast<int>(Seg_Len.size()); ++k)
        covering += head_of(k) <= a && tail_of(k) >= b;
    return covering;
}

int TFrame_LineMetal::f_Max_End_Before(int k) const
{
    int end = -nowhere;
    for (int s = 0; s < Seg_Count; ++s)
        if (head_of(s) < head_of(k))
            end = std::max(end, tail_of(s));
    return end;
}

int TFrame_LineMetal::f_Min_Start_After(int k) const
{
    int start = nowhere;
    for (int s = 0; s < Seg_Count; ++s)
        if (head_of(s) > head_of(k))
            start = std::min(start, head_of(s));
    return start;
}

void TFrame_LineMetal::Timer_MovLineTimer()
{
    f_Count_Segs();
    const RunningDrives running = running_drives();
    for (int k = 0; k < Seg_Count; ++k)
        move_piece(k, running);
}

// One piece, one tick: a pixel left while a rotating drive runs forward at it and the machines
// in its way let it pass, a pixel right while one runs back, never into its neighbours; a short
// end near the running delivery roll drops into the scrap box.
TFrame_LineMetal::RunningDrives TFrame_LineMetal::running_drives() const
{
    RunningDrives running;
    for (int j = 1; j <= last_driving_mech; ++j)
        if (*KM_FWD_Of[j] || *KM_RWS_Of[j])
            running.mechs[static_cast<std::size_t>(running.count++)] = static_cast<std::int8_t>(j);
    return running;
}

void TFrame_LineMetal::move_piece(int k, const RunningDrives &running)
{
    bool forward = false;
    bool reverse = false;
    for (int i = 0; i < running.count; ++i) {
        const int j = running.mechs[static_cast<std::size_t>(i)];
        if (f_Engaged(j, k)) {
            forward = forward || *KM_FWD_Of[j];
            reverse = reverse || *KM_RWS_Of[j];
        }
    }
    const int head = head_of(k);
    forward = left_drive_passes(head, forward);
    if (head > x_of(Uncoiler))
        reverse = false;

    if (forward && f_Max_End_Before(k) < head_of(k))
        --Seg_Start[k];
    if (reverse && tail_of(k) < f_Min_Start_After(k))
        ++Seg_Start[k];

    if (*KM_FWD_Of[DeliveryRoll] && Seg_Len[k] < scrap_length &&
        x_of(DeliveryRoll) - head_of(k) < scrap_reach)
        f_Remove_Seg(k);
    show_kromka(k);
}

// The peeler, the tilting table and the recoiler must stand right for a head to move left.
bool TFrame_LineMetal::left_drive_passes(int head, bool driven) const
{
    if (head > x_of(Peeler))
        driven = driven && *KV_FWD_Of[Peeler];
    if (x_of(FeedRoll) < head && head < x_of(Peeler))
        driven = driven && *KV_RWS_Of[Peeler];
    if (x_of(TiltingTable) < head && head < x_of(DeliveryRoll))
        driven = driven && *KV_RWS_Of[TiltingTable];
    if (head < x_of(Recoiler))
        driven = driven && *KM_FWD_Of[Recoiler] && Gde_Rulon_Motalki == RecoilerPlace::Recoiler;
    return driven;
}

// A shears stroke that has ended over a piece cuts it at the shears.
void TFrame_LineMetal::f_Check_Cuts()
{
    if (f_Run_Ended(Shears))
        f_Cut_At_Mech(Shears);
    if (f_Run_Ended(DeviceShears))
        f_Cut_At_Mech(DeviceShears);
}

void TFrame_LineMetal::f_Calc_Rulon_Sizes()
{
    const int recoiler = x_of(Recoiler);
    const int uncoiler = x_of(Uncoiler);
    for (int k = 0; k < Seg_Count; ++k)
        if (head_of(k) < recoiler && recoiler <= tail_of(k))
            Percent_Motalki = (recoiler - head_of(k)) * 100 / Dlina_Polosy;
    for (int k = 0; k < Seg_Count; ++k)
        if (head_of(k) <= uncoiler && uncoiler <= tail_of(k))
            Percent_Razmativatela = (tail_of(k) - uncoiler) * 100 / Dlina_Polosy;
    Razmer_Rulona_Motalki = size_class_of_recoiler_coil(Percent_Motalki);
    Razmer_Rulona_Razmativatela = size_class_of_uncoiler_coil(Percent_Razmativatela);
    show_number(*Label_SizeMot_Int, Percent_Motalki, "%");
    show_number(*Label_SizeMot_Perc, Razmer_Rulona_Motalki, "");
    show_number(*Label_SizeRaz_Int, Percent_Razmativatela, "%");
    show_number(*Label_SizeRaz_Perc, Razmer_Rulona_Razmativatela, "");
}

// The coils' places follow the handling mechanisms. The removal table's four rules share one
// detector memory, so their order matters.
void TFrame_LineMetal::f_Move_Rulons()
{
    const auto at_forward_end = [this](int j) { return *KV_FWD_Of[j]; };
    const auto at_reverse_end = [this](int j) { return *KV_RWS_Of[j]; };

    if (f_Reached_FWD_End(RemovalTable) && Gde_Rulon_Motalki == RecoilerPlace::Recoiler &&
        at_forward_end(RemovalCar) && at_reverse_end(RecoilerDrum))
        Gde_Rulon_Motalki = RecoilerPlace::RemovalTable;
    if (f_Left_FWD_End(RemovalTable) && Gde_Rulon_Motalki == RecoilerPlace::RemovalTable &&
        at_reverse_end(RemovalCar))
        Gde_Rulon_Motalki = RecoilerPlace::RotatingTable;
    if (f_Reached_FWD_End(RemovalTable) && Gde_Rulon_Motalki == RecoilerPlace::RotatingTable &&
        at_reverse_end(RemovalCar))
        Gde_Rulon_Motalki = RecoilerPlace::RemovalTable;
    if ((*KM_RWS_Of[RotatingTable] || *KM_FWD_Of[RotatingTable]) &&
        Gde_Rulon_Motalki == RecoilerPlace::RotatingTable) {
        f_Remove_Seg(0);
        Gde_Rulon_Motalki = RecoilerPlace::None;
        Percent_Motalki = 0;
    }
    if (f_Left_FWD_End(RemovalTable) && Gde_Rulon_Motalki == RecoilerPlace::RemovalTable &&
        at_forward_end(RemovalCar))
        Gde_Rulon_Motalki = RecoilerPlace::Recoiler;
    const Picture &recoiler = *Image_Of[Recoiler];
    if (f_Reached_FWD_End(RecoilerDrum) && recoiler.left() + recoiler.width() >= head_of(0) &&
        Gde_Rulon_Motalki == RecoilerPlace::None)
        Gde_Rulon_Motalki = RecoilerPlace::Recoiler;

    if (f_Left_FWD_End(CarTable) && at_forward_end(CoilCar) && !at_forward_end(UncoilerDrum) &&
        Gde_Rulon_Razmativatela == UncoilerPlace::CarTable) {
        Gde_Rulon_Razmativatela = UncoilerPlace::Uncoiler;
        Seg_Start[0] = static_cast<std::int16_t>(Image_Of[Uncoiler]->left());
    }
    if (at_forward_end(CoilCar) && at_forward_end(CarTable) && !at_forward_end(UncoilerDrum) &&
        Gde_Rulon_Razmativatela == UncoilerPlace::Uncoiler) {
        f_Reset_Line();
        Gde_Rulon_Razmativatela = UncoilerPlace::CarTable;
    }
    bool uncoiler_holds_strip = false;
    for (int k = 0; k < Seg_Count; ++k)
        uncoiler_holds_strip = uncoiler_holds_strip || f_Engaged(Uncoiler, k);
    if (!uncoiler_holds_strip)
        Gde_Rulon_Razmativatela = UncoilerPlace::None;
}

} // namespace zun
