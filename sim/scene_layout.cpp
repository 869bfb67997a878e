#include "scene_layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace zun::scene {

namespace {

constexpr std::string_view scene = Panel_Image_Scene;
constexpr std::string_view store = Panel_Image_Sours;
constexpr std::string_view kromko = Panel_Kromkomotalka;

// The hidden store stands right of anything the main window can scroll to, so that showing it
// (as a command to a mechanism without pictures of its own may) shows nothing.
constexpr PanelSpec panel_table[] = {
    {Panel_Image_Scene, {-51, 40, 1159, 240}, true},
    {Panel_Image_Sours, {1100, 40, 850, 246}, false},
    {Panel_Kromkomotalka, {6, 23, 388, 276}, false},
    {Panel_70_mech, {169, 63, 250, 224}, false},
    {Panel_5_mech, {719, 63, 250, 224}, false},
};

constexpr MechanismPictures mechanism_picture_table[] = {
    // number, panel, picture 0 (left, top, width, height), positions with a picture of their own
    {0, store, {800, 200, 25, 25}, 4},          {1, scene, {1050, 144, 86, 41}, 1},
    {2, scene, {1051, 129, 86, 41}, 1},         {3, scene, {1027, 54, 48, 43}, 4},
    {4, scene, {994, 25, 67, 63}, 1},           {5, Panel_5_mech, {70, 70, 100, 100}, 4},
    {6, scene, {1036, 45, 46, 17}, 1},          {7, scene, {1005, 15, 70, 52}, 4},
    {9, scene, {915, 60, 70, 50}, 4},           {10, scene, {974, 34, 70, 70}, 4},
    {15, scene, {892, 33, 42, 46}, 4},          {18, scene, {864, 58, 30, 52}, 1},
    {19, scene, {836, 35, 40, 45}, 4},          {22, scene, {788, 47, 61, 44}, 4},
    {24, scene, {790, 63, 61, 41}, 1},          {25, scene, {756, 60, 33, 40}, 4},
    {27, scene, {756, 38, 33, 40}, 4},          {28, scene, {684, 29, 72, 72}, 4},
    {31, scene, {366, 30, 41, 47}, 4},          {38, scene, {565, 12, 27, 96}, 4},
    {46, scene, {407, 57, 31, 41}, 4},          {48, scene, {407, 35, 31, 41}, 4},
    {49, scene, {437, 75, 20, 30}, 1},          {51, kromko, {135, 120, 48, 43}, 4},
    {52, kromko, {150, 88, 68, 65}, 1},         {53, kromko, {120, 40, 71, 70}, 4},
    {54, kromko, {216, 120, 97, 53}, 1},        {55, kromko, {180, 120, 62, 53}, 4},
    {56, kromko, {86, 148, 58, 38}, 1},         {57, kromko, {202, 80, 105, 66}, 4},
    {60, scene, {282, 35, 80, 75}, 1},          {61, scene, {282, 44, 80, 34}, 1},
    {62, scene, {332, 60, 24, 29}, 1},          {64, scene, {309, 25, 34, 41}, 1},
    {65, scene, {288, 37, 34, 39}, 1},          {66, scene, {135, 19, 80, 55}, 4},
    {69, scene, {180, 55, 48, 43}, 4},          {70, Panel_70_mech, {70, 70, 100, 100}, 4},
    {71, scene, {197, 39, 46, 17}, 1},          {72, scene, {165, 106, 86, 41}, 1},
    {73, scene, {165, 88, 86, 41}, 1},          {74, scene, {127, 125, 110, 45}, 1},
    {75, scene, {71, 167, 132, 50}, 1},         {76, scene, {17, 127, 174, 111}, 4},
    {105, Panel_5_mech, {83, 83, 37, 37}, 1},   {106, Panel_5_mech, {120, 83, 37, 37}, 1},
    {107, Panel_5_mech, {83, 119, 37, 37}, 1},  {108, Panel_5_mech, {120, 120, 37, 37}, 1},
    {109, store, {37, 23, 100, 100}, 4},        {110, scene, {950, 10, 70, 70}, 4},
    {111, scene, {950, 41, 80, 60}, 4},         {118, scene, {875, 18, 32, 55}, 1},
    {131, scene, {368, 57, 41, 47}, 4},         {149, scene, {463, 36, 20, 30}, 1},
    {170, Panel_70_mech, {83, 83, 37, 37}, 1},  {171, Panel_70_mech, {120, 83, 37, 37}, 1},
    {172, Panel_70_mech, {83, 119, 37, 37}, 1}, {173, Panel_70_mech, {120, 120, 37, 37}, 1},
};

enum class Row : unsigned char { Component, Mechanism, StripBody };

enum Flag : unsigned {
    Transparent = 1,
    HandCursor = 2,
    Hidden = 4,
};

// One row of a panel's description: a component, a numbered group of alike components ('#' in
// the name stands for first .. first + count - 1), the four pictures of a mechanism, or the
// strip body's pictures.
struct Component {
    Row row;
    ComponentKind kind;
    std::string_view panel;
    std::string_view name;
    Rect place;
    unsigned flags = 0;
    std::string_view hint = {};
    std::string_view caption = {};
    int tag = 0;
    int first = 0;
    int count = 1;
};

constexpr Component picture(std::string_view panel, std::string_view name, Rect place,
                            unsigned flags = 0, std::string_view hint = {})
{
    return {Row::Component, ComponentKind::Picture, panel, name, place, flags, hint};
}

constexpr Component pictures(std::string_view panel, std::string_view name, int first, int count,
                             Rect place, unsigned flags = 0)
{
    return {Row::Component, ComponentKind::Picture, panel, name, place, flags, {}, {}, 0, first,
            count};
}

constexpr Component label(std::string_view panel, std::string_view name, Rect place,
                          std::string_view caption)
{
    return {Row::Component, ComponentKind::Label, panel, name, place, 0, {}, caption};
}

constexpr Component mechanism(int number, std::string_view hint = {})
{
    return {Row::Mechanism, ComponentKind::Picture, {}, {}, {}, 0, hint, {}, 0, number};
}

constexpr Component strip_body()
{
    return {Row::StripBody, ComponentKind::Picture, scene, "Image#_Polosa_Body", {}};
}

// The strip body pictures "Image" + n + "_Polosa_Body": left and width of each; all stand at
// top 56 and are 25 high.
struct BodyPlace {
    int left;
    int width;
};
constexpr BodyPlace strip_body_places[] = {
    {190, 40}, {190, 40}, {210, 40}, {230, 40}, {250, 40}, {270, 40}, {290, 40}, {310, 32},
    {330, 32}, {350, 32}, {370, 32}, {390, 32}, {410, 32}, {430, 25}, {450, 25}, {470, 25},
    {490, 25}, {510, 25}, {530, 20}, {550, 20}, {570, 20}, {590, 20}, {610, 20}, {630, 20},
    {645, 25}, {665, 25}, {685, 25}, {705, 25}, {725, 25}, {734, 32}, {754, 32}, {774, 32},
    {794, 32}, {814, 32}, {834, 32}, {835, 40}, {855, 40}, {875, 40}, {895, 40}, {915, 40},
    {935, 40}, {945, 40}, {955, 40}, {975, 40}, {995, 40},
};
constexpr int strip_body_top = 56;
constexpr int strip_body_height = 25;

// Every component of the picture panels, bottom layer first. The places that the algorithms do
// not use (the decoration, the pictures without a drive, the close-ups' texts) and the layers of
// the machines are chosen so that the panorama reads from the coil car at the right to the
// rotating table at the left.
constexpr Component component_table[] = {
    // The bay behind the line.
    picture(scene, "Image_Fon", {1, 10, 1157, 238}),
    picture(scene, "Image_Sleva_Ot_Nastilov", {2, 120, 70, 118}),
    picture(scene, "Image_Stolb_Rogov", {96, 40, 16, 88}),

    // The posts and consoles, on the floor behind the machines: the operator stands on them.
    picture(scene, "Image_Post_1", {770, 114, 267, 127}),
    picture(scene, "Image_Pult_1_1", {965, 145, 49, 62}),
    picture(scene, "Image_Pult_1_2", {915, 145, 56, 45}),
    picture(scene, "Image_Pult_1_3", {875, 145, 56, 45}),
    picture(scene, "Image_Pult_1_4", {835, 145, 56, 45}),
    picture(scene, "Image_Post_2", {241, 111, 182, 124}),
    picture(scene, "Image_Pult_2_1", {346, 140, 56, 45}),
    picture(scene, "Image_Pult_2_2", {300, 140, 56, 45}),
    picture(scene, "Image_Pult_2_3", {248, 140, 49, 65}),
    picture(scene, "Image_Post_Rogov", {232, 168, 17, 27}),
    {Row::Component, ComponentKind::Shape, scene, "Shape_Pult_Promasl_Mashini", {408, 144, 10, 8}},

    // The delivery end, behind the foreground: the rotating table, the platforms, the removal
    // table on its car, the finished coil, then the recoiler's drum and pusher in front of it.
    mechanism(76),
    mechanism(75),
    mechanism(74),
    mechanism(72),
    mechanism(73),
    pictures(scene, "Image_Rulon_Motalki_#", 1, 4, {166, 45, 70, 70}),
    pictures(scene, "Image_Nakladka_Rulona_Motalki_#", 1, 4, {166, 45, 70, 70}),
    picture(scene, "Image_Vnutrennosti_Rulona_Motalki", {166, 45, 70, 70}, Hidden),
    mechanism(69),
    mechanism(71),
    picture(scene, "Image_Reductor_motalki", {214, 62, 36, 30}),

    // What stands in front of the delivery end.
    picture(scene, "Image_Fon2", {140, 107, 1000, 133}, Transparent),

    // The entry end: the coil car with its table, the uncoiler, the coil on it, its mandrel.
    mechanism(1),
    mechanism(2),
    mechanism(4),
    pictures(scene, "Image_Rulon_Razmativatela_#", 1, 4, {1019, 44, 70, 70}),
    picture(scene, "Image_Vnutrennosti_Rulona_Razmativatela", {1019, 44, 70, 70}),
    mechanism(3),
    mechanism(6),

    // The strip, over the coils and under the machines that grip it.
    pictures(scene, "Image_Diagonal_Right_#", 1, 4, {905, 46, 160, 34}),
    pictures(scene, "Image_Petla_Otgibatela_#", 1, 3, {945, 29, 120, 85}),
    strip_body(),
    picture(scene, "Image0_Line_Left_tEnd", {800, 200, 50, 23}),
    pictures(scene, "Image#_Line_Left_tEnd", 1, 4, {800, 56, 50, 23}),
    picture(scene, "Image0_Line_Right_tEnd", {980, 200, 50, 23}, Hidden),
    pictures(scene, "Image#_Line_Right_tEnd", 1, 4, {980, 56, 50, 23}, Hidden),
    pictures(scene, "Image_Diagonal_Left_#", 1, 4, {190, 47, 110, 33}),
    picture(scene, "Image_Petla_Motalki", {190, 47, 101, 42}),
    pictures(scene, "Image_Kromka_#", 1, 3, {355, 77, 24, 35}),

    // The machines along the line, from the uncoiler to the recoiler.
    mechanism(7),
    mechanism(9),
    mechanism(10),
    mechanism(110),
    mechanism(111),
    mechanism(15),
    mechanism(18),
    mechanism(118),
    mechanism(19),
    mechanism(22),
    mechanism(24),
    mechanism(25),
    mechanism(27),
    mechanism(28),
    mechanism(38, "промасливающая машина"), // the mechanism's name replaces this hint
    mechanism(49),
    mechanism(149),
    mechanism(46),
    mechanism(48),
    mechanism(31),
    mechanism(131),
    mechanism(60),
    mechanism(62),
    mechanism(61),
    mechanism(64),
    mechanism(65),
    mechanism(66),

    // Parts without a drive. The left guide stands just right of the guide table's rollers:
    // the strip head passing its left edge feeds the strip on to the next machines.
    picture(scene, "Image_FixRolTop", {500, 44, 22, 20}, HandCursor, "фиксирующие ролики"),
    picture(scene, "Image_FixRolLow", {500, 78, 22, 20}, HandCursor, "фиксирующие ролики"),
    picture(scene, "Image_Rolik", {530, 80, 20, 20}, HandCursor, "фиксирующие ролики"),
    picture(scene, "Image_Provodka_sprava", {600, 62, 50, 14}, HandCursor, "проводка"),
    picture(scene, "Image_Provodka_sleva", {470, 62, 28, 14}, HandCursor, "проводка"),

    // The coils' sizes, by the coils.
    label(scene, "Label_SizeRaz_Int", {1100, 76, 40, 13}, ""),
    label(scene, "Label_SizeRaz_Perc", {1100, 90, 40, 13}, ""),
    label(scene, "Label_SizeMot_Int", {120, 80, 40, 13}, ""),
    label(scene, "Label_SizeMot_Perc", {120, 94, 40, 13}, ""),

    // On top: the clickable area of the swinging table, the bell, the operator (on post 2),
    // the drag handle.
    {Row::Component,
     ComponentKind::Picture,
     scene,
     "Image_Invisible_9",
     {930, 70, 60, 40},
     Transparent | HandCursor,
     "9",
     {},
     9},
    picture(scene, "Image_Beep", {430, 110, 50, 42}, Hidden),
    picture(scene, "Image_Operator", {332, 142, 27, 62}, Transparent),
    label(scene, "Label10", {520, 140, 117, 60}, "ТАЩИТЬ  КАРТИНКУ  ВЛЕВО-ВПРАВО"),

    // The uncoiler drum's close-up: the drum, its four segments above it.
    label(Panel_5_mech, "Label_Baraban_Razmativatela", {8, 6, 234, 30},
          "СЖАТИЕ СЕГМЕНТОВ БАРАБАНА РАЗМАТЫВАТЕЛЯ"),
    mechanism(5),
    mechanism(105),
    mechanism(106),
    mechanism(107),
    mechanism(108),
    picture(Panel_5_mech, "Image1", {190, 62, 50, 50}),

    // The recoiler drum's close-up, laid out alike.
    label(Panel_70_mech, "Label_Baraban_Motalki", {8, 6, 234, 30},
          "СЖАТИЕ СЕГМЕНТОВ БАРАБАНА МОТАЛКИ"),
    mechanism(70),
    mechanism(170),
    mechanism(171),
    mechanism(172),
    mechanism(173),
    picture(Panel_70_mech, "Image2", {2, 64, 50, 50}),

    // The edge-scrap winder's basement: the chute at the back, the lift, the reducer carrying
    // the spindle, the pressing roller, the pusher and its shield in front; the fence over all.
    picture(kromko, "Image_Fon_Sleva", {5, 5, 378, 266}),
    picture(kromko, "Image_wall", {5, 5, 24, 266}),
    label(kromko, "Label_Podval", {120, 8, 150, 16}, "подвал кромкомоталки"),
    mechanism(57),
    mechanism(56),
    mechanism(52),
    mechanism(51),
    mechanism(53),
    mechanism(54),
    mechanism(55),
    picture(kromko, "Image_Post_Kromko", {150, 199, 65, 44}),
    label(kromko, "Label_Post_Kromko", {222, 204, 110, 30}, "пост управления кромкомоталкой"),
    picture(kromko, "Image_Ograda", {53, 24, 258, 174}),
    {Row::Component,
     ComponentKind::Button,
     kromko,
     "Button1",
     {340, 248, 44, 25},
     HandCursor,
     "закрыть вид кромкомоталки",
     "Х"},
};

constexpr int positions = 4;

std::string numbered(std::string_view pattern, int number)
{
    std::string name(pattern);
    const auto mark = name.find('#');
    if (mark != std::string::npos)
        name.replace(mark, 1, std::to_string(number));
    return name;
}

std::string position_picture_name(int mechanism, int position)
{
    return "Image" + std::to_string(mechanism) + "_" + std::to_string(position);
}

// Mechanism pictures show the pointing hand where they can be seen, except the peeler group's
// and the drums' close-ups.
bool shows_hand(const MechanismPictures &row)
{
    const bool seen = row.panel == Panel_Image_Scene || row.panel == Panel_Kromkomotalka;
    return seen && row.number != 10 && row.number != 110 && row.number != 111;
}

class Builder {
public:
    explicit Builder(PictureStore &store) : store_(store)
    {
        for (const PanelSpec &spec : panel_table)
            store_.add_panel(std::string(spec.name), spec.place, spec.visible);
    }

    void add(const Component &row)
    {
        switch (row.row) {
        case Row::Component:
            for (int i = 0; i < row.count; ++i)
                add_component(row, numbered(row.name, row.first + i));
            break;
        case Row::Mechanism:
            add_mechanism(row.first, row.hint);
            break;
        case Row::StripBody:
            for (int n = 0; n < static_cast<int>(std::size(strip_body_places)); ++n) {
                const BodyPlace place = strip_body_places[n];
                store_.add_picture(panel(scene), numbered(row.name, n),
                                   {place.left, strip_body_top, place.width, strip_body_height},
                                   true);
            }
            break;
        }
    }

    // Mechanisms that no row placed have placeholders only.
    void add_remaining_mechanisms()
    {
        for (int number = 0; number < static_cast<int>(added_.size()); ++number)
            add_mechanism(number);
    }

private:
    Panel &panel(std::string_view name) const
    {
        if (Panel *found = store_.find_panel(name))
            return *found;
        throw std::logic_error("the scene has no panel " + std::string(name));
    }

    void add_component(const Component &row, std::string name)
    {
        Picture &component = store_.add_picture(
            panel(row.panel), std::move(name), row.place, (row.flags & Hidden) == 0,
            {row.kind, (row.flags & Transparent) != 0, (row.flags & HandCursor) != 0});
        component.set_tag(row.tag);
        component.set_hint(std::string(row.hint));
        component.set_caption(std::string(row.caption));
    }

    void add_mechanism(int number, std::string_view hint = {})
    {
        if (added_[number])
            return;
        added_[number] = true;
        const MechanismPictures *row = find_mechanism_pictures(number);
        const int own = row ? row->own_pictures : 0;
        for (int k = 0; k < positions; ++k) {
            const std::string name = position_picture_name(number, k);
            if (k < own)
                store_
                    .add_picture(panel(row->panel), name, row->first, k == 0,
                                 {ComponentKind::Picture, false, shows_hand(*row)})
                    .set_hint(std::string(hint));
            else
                store_.add_picture(panel(store), name, placeholder_place, false);
        }
    }

    PictureStore &store_;
    std::array<bool, 200> added_{};
};

} // namespace

std::span<const MechanismPictures> mechanism_pictures()
{
    return mechanism_picture_table;
}

const MechanismPictures *find_mechanism_pictures(int number)
{
    const auto found =
        std::find_if(std::begin(mechanism_picture_table), std::end(mechanism_picture_table),
                     [number](const MechanismPictures &row) { return row.number == number; });
    return found == std::end(mechanism_picture_table) ? nullptr : &*found;
}

std::span<const PanelSpec> panels()
{
    return panel_table;
}

void build(PictureStore &store)
{
    Builder builder(store);
    for (const Component &row : component_table)
        builder.add(row);
    builder.add_remaining_mechanisms();
}

} // namespace zun::scene
