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
    : ModelBoundFrame(door, control, parent, {79, 71})
{
    Label1->setToolTip(QStringLiteral("в программе регулирование не осуществляется"));
    move(layout().left, layout().top);
    Label1->show_caption(layout());
    painted_position_ = state().Knob_Pos;
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
