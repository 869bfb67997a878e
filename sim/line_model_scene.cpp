// The scene under the pointer: choosing mechanisms by their pictures, the pictures with a
// behaviour of their own, dragging the panorama and the close-ups.
#include "line_model.h"

#include "sim/console_layout.h"

#include <charconv>
#include <string>
#include <string_view>

namespace zun {

namespace {

constexpr std::string_view pictures_without_drive[] = {"Image_FixRolLow", "Image_FixRolTop",
                                                       "Image_Rolik", "Image_Provodka_sleva",
                                                       "Image_Provodka_sprava"};
constexpr int oiling_machine = 38;
constexpr int operator_offset = 10; // the figure stands this far left of and above the terminal

bool is_one_of(std::string_view name, std::span<const std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string coordinates(const Picture &picture)
{
    return " лефт= " + std::to_string(picture.left()) + " топ= " + std::to_string(picture.top());
}

// The mechanism and position of a name "Image" + j + "_" + k, or nothing.
bool parse_position_name(std::string_view name, int &mechanism, int &position)
{
    constexpr std::string_view prefix = "Image";
    if (!name.starts_with(prefix))
        return false;
    const char *begin = name.data() + prefix.size();
    const char *end = name.data() + name.size();
    const auto [after_number, error] = std::from_chars(begin, end, mechanism);
    if (error != std::errc() || after_number == begin || after_number + 2 != end ||
        after_number[0] != '_' || after_number[1] < '0' || after_number[1] > '3')
        return false;
    position = after_number[1] - '0';
    return true;
}

} // namespace

bool LineModel::is_mech_picture(const Picture &picture) const
{
    int mechanism = 0;
    int position = 0;
    return parse_position_name(picture.name(), mechanism, position) && mechanism >= 0 &&
           mechanism < mech_count && Mech_Array[mechanism]->Image_Pos[position] == &picture;
}

void LineModel::picture_click(Picture &picture)
{
    const std::string &name = picture.name();
    int mechanism = 0;
    int position = 0;
    const bool oiling =
        parse_position_name(name, mechanism, position) && mechanism == oiling_machine;
    if (oiling) { // the operator goes to the oiling machine's terminal, its console comes up
        const Picture &terminal = this->picture("Shape_Pult_Promasl_Mashini");
        Image_Operator->set_left(terminal.left() - operator_offset);
        Image_Operator->set_top(terminal.top() - operator_offset);
        bring_forward(console::find_page("TabSheet_Post2_Pult_1"));
    } else if (is_mech_picture(picture) || name == "Image_Invisible_9") {
        b_Hover_Selects = true;
        set_cur_mech(picture.tag());
        f_Show_Key_Of_Cur_Mech();
        ui.show_target();
    } else if (is_one_of(name, pictures_without_drive)) {
        ask_message("не имеет привода");
    } else if (name == "Image_Ograda") {
        picture.set_visible(false);
    } else if (name == "Button1" && &picture.panel() == Panel_Kromkomotalka) {
        // The close button held the focus: leaving the basement brings the fence back.
        Panel_Kromkomotalka->set_visible(false);
        this->picture("Image_Ograda").set_visible(true);
    }
}

void LineModel::picture_hover(Picture &picture)
{
    const std::string &name = picture.name();
    if (is_mech_picture(picture)) {
        if (b_Hover_Selects)
            set_cur_mech(picture.tag());
    } else if (name == "Image_Nakladka_Rulona_Motalki_4") {
        picture.set_hint(coordinates(picture).substr(1));
    } else if (name.ends_with("_Polosa_Body") && name != "Image2_Polosa_Body") {
        picture.set_hint(name + coordinates(picture));
    } else if (name == "Image_Ograda") {
        picture.set_visible(false);
    }
}

// The foreground names the coil car when pressed over it.
void LineModel::Image_Fon2MouseDown(int x)
{
    Picture &foreground = picture("Image_Fon2");
    const Picture &car = *Mech_Array[1]->Image_Pos[0];
    const int at = foreground.left() + x;
    foreground.set_hint(car.left() < at && at < car.left() + car.width() ? car.hint() : "Z");
}

void LineModel::Panel1MouseDown(int x)
{
    ui.hide_target();
    Drag_Start_X = x;
    b_Dragging = true;
}

// The handle moves with the panorama, so the grabbed point stays under the pointer; there is no
// limit to either side.
void LineModel::drag_scene(int x)
{
    if (!b_Dragging)
        return;
    ui.show_target();
    Panel_Image_Scene->set_left(Panel_Image_Scene->left() + x - Drag_Start_X);
}

void LineModel::drag_close_up(Panel &close_up, int x)
{
    if (b_Dragging)
        close_up.set_left(close_up.left() + x - Drag_Start_X);
}

void LineModel::Panel1MouseUp()
{
    b_Dragging = false;
}

void LineModel::close_up_surface_click(Panel &close_up)
{
    if (&close_up == Panel_5_mech || &close_up == Panel_70_mech)
        close_up.set_visible(false);
}

} // namespace zun
