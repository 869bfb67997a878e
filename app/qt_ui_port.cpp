#include "qt_ui_port.h"

#include "app/forms.h"
#include "sim/console_layout.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_target.h"

#include <QMessageBox>

#include <algorithm>

namespace {

// Shows the hand and points it at a console control: 30 pixels right of and 110 below the place
// that would centre it over the control, counted from the main window's outer corner.
void point_hand_at(const zun::console::Control &control)
{
    if (!Form_Hand || !Form_Main_ZUN)
        return;
    Form_Hand->show();
    Form_Hand->raise();
    const QPoint window = Form_Main_ZUN->frameGeometry().topLeft();
    const zun::Rect posts = zun::console::posts_panel_place;
    const zun::Rect place = control.rect();
    Form_Hand->move(
        window.x() + posts.left + place.left + (place.width - Form_Hand->width()) / 2 + 30,
        window.y() + posts.top + place.top + (place.height - Form_Hand->height()) / 2 + 110);
}

} // namespace

// The marker window is made after the main window: calls from the main window's construction
// find no marker to move.
void QtUiPort::show_target()
{
    if (!Form_Target)
        return;
    Form_Target->show();
    Form_Target->raise();
}

void QtUiPort::hide_target()
{
    if (Form_Target)
        Form_Target->hide();
}

void QtUiPort::show_key_of_cur_mech()
{
    if (!Form_Main_ZUN)
        return;
    const int current = Form_Main_ZUN->sim.Cur_Mech;
    const auto controls = zun::console::controls();
    const auto last_key =
        std::find_if(controls.rbegin(), controls.rend(), [current](const auto &control) {
            return control.is_key() && control.tag == current;
        });
    if (last_key != controls.rend())
        point_hand_at(*last_key);
}

void QtUiPort::show_bell_page_and_hand()
{
    const auto controls = zun::console::controls();
    const auto bell = std::find_if(controls.begin(), controls.end(),
                                   [](const auto &control) { return control.bell; });
    if (bell != controls.end())
        point_hand_at(*bell);
}

void QtUiPort::message_box(const std::string &text)
{
    QMessageBox::information(Form_Main_ZUN, QStringLiteral("Project_ZUN"),
                             QString::fromStdString(text));
}
