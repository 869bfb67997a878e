// The main window's construction: the description, the mechanism table and the fast start into
// the state of stage 0, in the order the steps depend on one another.
#include "line_model.h"

#include "sim/mechanism_table.h"
#include "sim/scene_layout.h"
#include "sim/texts.h"

#include <string>

namespace zun {

namespace {

constexpr int last_plant_number = 79;
constexpr int positions = 4;

std::string position_picture_name(int mechanism, int position)
{
    return "Image" + std::to_string(mechanism) + "_" + std::to_string(position);
}

// Pictures of the drums' segments and of the peeler group that select another mechanism than
// their own number says.
struct PictureCorrection {
    int mechanism;
    int position;
    std::int32_t tag;
    const char *hint;
};
constexpr PictureCorrection picture_corrections[] = {
    {111, 0, 10, "10"}, {111, 1, 10, "10"}, {111, 2, 9, "9"}, {111, 3, 9, "9"},
    {106, 0, 5, "5"},   {107, 0, 5, "5"},   {108, 0, 5, "5"}, {171, 0, 70, "70"},
    {172, 0, 70, "70"}, {173, 0, 70, "70"},
};

std::int16_t relative(std::int16_t start, int offset)
{
    return static_cast<std::int16_t>(start + offset);
}

} // namespace

void LineModel::construct()
{
    // 1. The description: the panels with their pictures; the mechanisms (made with the
    //    members) get their drive intervals.
    build_description();
    set_description_intervals();
    f_Fill_Find_Mech_List();       // 2. before 4, which copies the names into the hints
    f_Find_Mechs();                // 3.
    f_Bind_Mech_Images();          // 4.
    f_Init_Kind_Move();            // 5.
    f_Init_Steps();                // 6.
    f_Init_Start_Pos();            // 7. after 4, before 9 and 10
    f_Init_Links();                // 8.
    f_Show_All_Mechs();            // 9.
    f_Init_Limits();               // 10. relative to the start coordinates
    f_Init_Auto_Return();          // 11.
    f_Bind_Line_Images();          // 12.
    Frame_LineMetal.f_Init_Line(); // 13. after 7: it reads start coordinates
    f_Place_Close_Ups();           // 14.
    Mech_Array[mechanism_table::peeler]->Timer_Drive.set_interval(
        mechanism_table::peeler_drive_ms); // 15. before 16 makes it the normal interval
    f_Save_All_Intervals();                // 16. before 17 switches drives to the fast interval
    Frame_LineMetal.f_Set_Stage_State();   // 17. stage 0, with fast pulses
    f_Restore_All_Speeds();                // 18.
}

void LineModel::build_description()
{
    scene::build(pictures);
    Panel_Image_Scene = &panel(scene::Panel_Image_Scene);
    Panel_Image_Sours = &panel(scene::Panel_Image_Sours);
    Panel_5_mech = &panel(scene::Panel_5_mech);
    Panel_70_mech = &panel(scene::Panel_70_mech);
    Panel_Kromkomotalka = &panel(scene::Panel_Kromkomotalka);
    Image_Beep = &picture("Image_Beep");
    Image_Operator = &picture("Image_Operator");
}

void LineModel::set_description_intervals()
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration())
        mech_components[config.number].mech.Timer_Drive.set_interval(config.drive_ms);
}

// Items 1..79 name the plant's mechanisms: the caption of the (last) key bound to the number,
// or the number marked as not existing.
void LineModel::f_Fill_Find_Mech_List()
{
    for (int number = 1; number <= last_plant_number; ++number)
        find_mech_list[number] = std::to_string(number) + texts::does_not_exist;
    for (const console::Control &control : console::controls())
        if (control.is_key() && control.tag >= 1 && control.tag <= last_plant_number)
            find_mech_list[control.tag] = std::string(control.caption);
}

void LineModel::f_Find_Mechs()
{
    for (int number = 0; number < mech_count; ++number) {
        const std::string name = "Mech" + std::to_string(number);
        for (MechComponent &component : mech_components)
            if (component.name == name)
                Mech_Array[number] = &component.mech;
    }
}

void LineModel::f_Bind_Mech_Images()
{
    for (int number = 0; number < mech_count; ++number) {
        for (int k = 0; k < positions; ++k) {
            Picture &position = picture(position_picture_name(number, k));
            Mech_Array[number]->Image_Pos[k] = &position;
            position.set_tag(number <= 100 ? number : number - 100);
            position.set_hint(mechanism_name(number));
        }
    }
    for (const PictureCorrection &correction : picture_corrections) {
        Picture &position = *Mech_Array[correction.mechanism]->Image_Pos[correction.position];
        position.set_tag(correction.tag);
        position.set_hint(correction.hint);
    }
}

void LineModel::f_Init_Kind_Move()
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration())
        Mech_Array[config.number]->Kind_Move = config.kind;
}

void LineModel::f_Init_Steps()
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration()) {
        TMech &mech = *Mech_Array[config.number];
        mech.Step_X = config.step_x;
        mech.Step_Y = config.step_y;
        mech.Step_Z = config.step_z;
    }
}

// The inverse of the placement rule of f_Show: showing a mechanism at its start coordinates
// leaves picture 0 where the description put it.
void LineModel::f_Init_Start_Pos()
{
    for (TMech *mech : Mech_Array) {
        const Picture &first = *mech->Image_Pos[0];
        mech->Pos_X = static_cast<std::int16_t>(first.left());
        mech->Pos_Y =
            static_cast<std::int16_t>(first.panel().height() - first.top() - first.height());
    }
}

void LineModel::f_Init_Links()
{
    const auto link = [this](int number) -> TMech * {
        return number == 0 ? nullptr : Mech_Array[number].get();
    };
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration()) {
        TMech &mech = *Mech_Array[config.number];
        for (std::size_t slot = 0; slot < mech.Co_Mech.size(); ++slot) {
            mech.Co_Mech[slot] = link(config.co_mech[slot]);
            mech.Follow_Mech[slot] = link(config.follow_mech[slot]);
        }
    }
}

void LineModel::f_Show_All_Mechs()
{
    for (int number = 1; number < mech_count; ++number)
        Mech_Array[number]->f_Show();
}

void LineModel::f_Init_Limits()
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration()) {
        TMech &mech = *Mech_Array[config.number];
        if (config.x_bounds) {
            mech.X_Min = relative(mech.Pos_X, config.x_bounds->lower);
            mech.X_Max = relative(mech.Pos_X, config.x_bounds->upper);
        }
        if (config.y_bounds) {
            mech.Y_Min = relative(mech.Pos_Y, config.y_bounds->lower);
            mech.Y_Max = relative(mech.Pos_Y, config.y_bounds->upper);
        }
    }
}

void LineModel::f_Init_Auto_Return()
{
    for (const mechanism_table::MechanismConfig &config : mechanism_table::configuration())
        if (config.auto_return)
            Mech_Array[config.number]->b_Auto_Return = true;
}

// The strip line's pictures, group by group: slot base + n gets the picture whose name the
// group's pattern makes of n ('#' stands for n + first).
void LineModel::f_Bind_Line_Images()
{
    struct Group {
        const char *pattern;
        int first;
        int count;
        int slot;
    };
    static constexpr Group groups[] = {
        {"Image#_Polosa_Body", 0, 45, 10},    {"Image#_Line_Left_tEnd", 0, 5, 0},
        {"Image#_Line_Right_tEnd", 0, 5, 5},  {"Image_Rulon_Razmativatela_#", 1, 4, 55},
        {"Image_Rulon_Motalki_#", 1, 4, 59},  {"Image_Nakladka_Rulona_Motalki_#", 1, 4, 63},
        {"Image_Diagonal_Right_#", 1, 4, 67}, {"Image_Diagonal_Left_#", 1, 4, 71},
    };
    for (const Group &group : groups) {
        for (int n = 0; n < group.count; ++n) {
            std::string name = group.pattern;
            name.replace(name.find('#'), 1, std::to_string(group.first + n));
            Frame_LineMetal.Line_Images[group.slot + n] = &picture(name);
        }
    }
}

// The drums' close-ups ride with the scene; the edge-scrap winder's stays put in the window.
void LineModel::f_Place_Close_Ups()
{
    Panel_Kromkomotalka->set_left(6);
    Panel_Kromkomotalka->set_top(23);
    Panel_70_mech->set_left(Panel_Image_Scene->left() + 220);
    Panel_70_mech->set_top(Panel_Image_Scene->top() + 23);
    Panel_5_mech->set_left(Panel_Image_Scene->left() + 770);
    Panel_5_mech->set_top(Panel_Image_Scene->top() + 23);
}

// Mechanisms 0 and 199 are left out of both.
void LineModel::f_Save_All_Intervals()
{
    for (int number = 1; number < mech_count - 1; ++number)
        Mech_Array[number]->f_Save_Interval();
}

void LineModel::f_Restore_All_Speeds()
{
    for (int number = 1; number < mech_count - 1; ++number)
        Mech_Array[number]->f_Restore_Speed();
}

} // namespace zun
