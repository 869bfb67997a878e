#include "Unit_button.h"

#include "assets/console_art.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

namespace {

constexpr int face_size = 30;

} // namespace

TFrame_Button::TFrame_Button(zun::Door door, int control, QWidget *parent)
    : ModelBoundFrame(door, control, parent, {})
{
    Label1->on_release = [this](Qt::MouseButton button) { release(button); };
    const zun::console::Control &layout = this->layout();
    const zun::Rect place = layout.rect();
    setGeometry(place.left, place.top, place.width, place.height);
    Label1->setGeometry(rect());
    Label1->show_caption(layout);
    red_face_ = layout.look == zun::console::ControlLook::RedFace;
    if (layout.look == zun::console::ControlLook::Large)
        header_width_ = 111;
    if (layout.look == zun::console::ControlLook::WideHeader) {
        header_width_ = 120;
        face_top_ = 22;
    }
    painted_pressed_ = state().b_Pressed;
}

void TFrame_Button::sync()
{
    if (painted_pressed_ != state().b_Pressed) {
        painted_pressed_ = state().b_Pressed;
        update();
    }
}

void TFrame_Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), art::console_panel);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(art::header_strip);
    painter.drawRect(QRectF(0.5, 0.5, header_width_ - 1, 19));
    const int outline = face_outline();
    painter.setPen(QPen(Qt::black, outline));
    painter.setBrush(red_face_ ? art::button_face_red : art::button_face);
    const double inset = outline / 2.0;
    painter.drawEllipse(
        QRectF(20 + inset, face_top_ + inset, face_size - outline, face_size - outline));
}
