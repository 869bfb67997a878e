#include "Unit_krutilka.h"

#include "assets/console_art.h"
#include "assets/picture_cache.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

namespace {

const QRect knob_place(13, 22, 50, 50);

} // namespace

TFrame_Krutilka::TFrame_Krutilka(zun::Door door, int control, QWidget *parent)
    : QWidget(parent), Label1(nullptr), door_(door), control_(control)
{
    resize(79, 71);
    Label1 = new CaptionLabel(this);
    Label1->setToolTip(QStringLiteral("в программе регулирование не осуществляется"));
    Label1->on_press = [this](Qt::MouseButton button) {
        door_.apply(zun::input::ControlPress{control_, mouse_button_of(button)});
    };
    const zun::console::Control &layout =
        zun::console::controls()[static_cast<std::size_t>(control_)];
    move(layout.left, layout.top);
    Label1->show_caption(layout);
    painted_position_ = state().Knob_Pos;
}

const zun::TControl_State &TFrame_Krutilka::state() const
{
    return door_.model().Controls[static_cast<std::size_t>(control_)];
}

void TFrame_Krutilka::sync()
{
    if (painted_position_ != state().Knob_Pos) {
        painted_position_ = state().Knob_Pos;
        update();
    }
}

void TFrame_Krutilka::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), art::console_panel);
    const int position = state().Knob_Pos;
    painter.drawPixmap(
        knob_place.topLeft(),
        art::cached(QStringLiteral("knob_%1").arg(position), knob_place.size(), devicePixelRatioF(),
                    [position](QPainter &p, QSizeF size) { art::draw_knob(p, size, position); }));
}
