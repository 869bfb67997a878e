// The main window's housekeeping tick: the removal table's interlock, the close-ups pinned to
// their places, the bell picture.
#include "line_model.h"

namespace zun {

namespace {

constexpr int removal_table_car = 72;
constexpr int platform_1 = 74;
constexpr int platform_2 = 75;

} // namespace

void LineModel::Timer_BlockingTimer()
{
    show_current_mechanism();
    interlock_removal_table();
    f_Place_Close_Ups();
    Image_Beep->set_visible(beep_pressed);
}

// The name is the hint of the mechanism's second picture.
void LineModel::show_current_mechanism()
{
    const TMech &current = *Mech_Array[Cur_Mech];
    panel1_caption = current.Image_Pos[1]->hint();
    CheckBox_bi_KV_FWD = current.bi_KV_FWD;
    CheckBox_bi_KV_RWS = current.bi_KV_RWS;
    CheckBox_b_KM_FWD = current.b_KM_FWD;
    CheckBox_b_KM_RWS = current.b_KM_RWS;
}

// The car may travel back only with both platforms at their forward ends, a platform only with
// the car at its forward end; forward travel is always free.
void LineModel::interlock_removal_table()
{
    TMech &car = *Mech_Array[removal_table_car];
    TMech &first = *Mech_Array[platform_1];
    TMech &second = *Mech_Array[platform_2];
    car.b_Permit_RWS = first.bi_KV_FWD && second.bi_KV_FWD;
    first.b_Permit_RWS = car.bi_KV_FWD;
    second.b_Permit_RWS = car.bi_KV_FWD;
}

} // namespace zun
