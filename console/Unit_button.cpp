#include "Unit_button.h"

#include "assets/console_art.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

namespace {

constexpr int released_outline = 4;
constexpr int pressed_outline = 6;
constexpr int face_size = 30;

} // namespace

TFrame_Button::TFrame_Button(QWidget *parent)
    : QWidget(parent), Label1(nullptr), b_Pressed(&own_pressed_)
{
    resize(70, 50);
    Label1 = new CaptionLabel(this);
    Label1->on_press = [this](Qt::MouseButton) { Label1MouseDown(); };
    Label1->on_release = [this](Qt::MouseButton) { Label1MouseUp(); };
}

void TFrame_Button::apply(const zun::console::Control &control)
{
    const zun::Rect place = control.rect();
    setGeometry(place.left, place.top, place.width, place.height);
    Label1->setGeometry(rect());
    Label1->show_caption(control);
    red_face_ = control.look == zun::console::ControlLook::RedFace;
    if (control.look == zun::console::ControlLook::Large)
        header_width_ = 111;
    if (control.look == zun::console::ControlLook::WideHeader) {
        header_width_ = 120;
        face_top_ = 22;
    }
    update();
}

void TFrame_Button::Label1MouseDown()
{
    outline_ = pressed_outline;
    *b_Pressed = true;
    update();
}

void TFrame_Button::Label1MouseUp()
{
    outline_ = released_outline;
    *b_Pressed = false;
    update();
}

void TFrame_Button::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), art::console_panel);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(art::header_strip);
    painter.drawRect(QRectF(0.5, 0.5, header_width_ - 1, 19));
    painter.setPen(QPen(Qt::black, outline_));
    painter.setBrush(red_face_ ? art::button_face_red : art::button_face);
    const double inset = outline_ / 2.0;
    painter.drawEllipse(
        QRectF(20 + inset, face_top_ + inset, face_size - outline_, face_size - outline_));
}
