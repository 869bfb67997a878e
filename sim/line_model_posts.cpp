// The posts' pages seen from the scene: the operator figure stands on the picture of the page
// shown last, and showing a post scrolls the panorama towards it.
#include "line_model.h"

#include "sim/console_layout.h"

namespace zun {

namespace {

constexpr int post_1 = 10;
constexpr int post_2 = 20;
constexpr int winder_workplace = 31;
constexpr int scroll_step = 20;

} // namespace

void LineModel::on_page_shown(int tag)
{
    const int window_width = main_window_width;
    const console::PagePicture *stands_for = console::find_page_picture(tag);
    if (!stands_for)
        return;
    Picture &post = picture(stands_for->picture);
    const int scene_width = Panel_Image_Scene->width();
    if (tag == post_1) {
        Scene_Left_Limit = window_width - scene_width;
        Timer_Scene_Right.set_enabled(false);
        if (window_width < scene_width ||
            (window_width > scene_width && Panel_Image_Scene->left() > 0))
            Timer_Scene_Left.set_enabled(true);
    } else if (tag == post_2) {
        Scene_Left_Limit = window_width - scene_width;
        Timer_Scene_Left.set_enabled(false);
        if (window_width < scene_width ||
            (window_width > scene_width && Panel_Image_Scene->left() < 0))
            Timer_Scene_Right.set_enabled(true);
    } else if (tag == winder_workplace) {
        Panel_Kromkomotalka->set_visible(true);
    }
    // The figure's left edge stands at the middle of the picture; vertically it is centred.
    Image_Operator->move_to(post.panel());
    Image_Operator->set_left(post.left() + post.width() / 2);
    Image_Operator->set_top(post.top() + (post.height() - Image_Operator->height()) / 2);
}

// The marker hides while the scene moves and comes back where the scroll ends, up to one step
// past the goal.
void LineModel::Timer_Scene_LeftTimer()
{
    if (Panel_Image_Scene->left() > Scene_Left_Limit) {
        ui.hide_target();
        Panel_Image_Scene->set_left(Panel_Image_Scene->left() - scroll_step);
    } else {
        ui.show_target();
        Timer_Scene_Left.set_enabled(false);
    }
}

void LineModel::Timer_Scene_RightTimer()
{
    if (Panel_Image_Scene->left() < 0) {
        ui.hide_target();
        Panel_Image_Scene->set_left(Panel_Image_Scene->left() + scroll_step);
    } else {
        ui.show_target();
        Timer_Scene_Right.set_enabled(false);
    }
}

} // namespace zun
