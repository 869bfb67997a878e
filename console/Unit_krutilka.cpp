#include "Unit_krutilka.h"

#include "assets/console_art.h"
#include "assets/picture_cache.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

namespace {

constexpr int positions = 3;
const QRect knob_place(13, 22, 50, 50);

} // namespace

TFrame_Krutilka::TFrame_Krutilka(QWidget *parent) : QWidget(parent), Label1(nullptr)
{
    resize(79, 71);
    Label1 = new CaptionLabel(this);
    Label1->setToolTip(QStringLiteral("в программе регулирование не осуществляется"));
    Label1->on_press = [this](Qt::MouseButton button) { Label1MouseDown(button); };
}

void TFrame_Krutilka::apply(const zun::console::Control &control)
{
    move(control.left, control.top);
    Label1->show_caption(control);
}

// Left steps down, right steps up, both round the three positions; other buttons change nothing.
void TFrame_Krutilka::Label1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton)
        Knob_Pos = (Knob_Pos + positions - 1) % positions;
    else if (button == Qt::RightButton)
        Knob_Pos = (Knob_Pos + 1) % positions;
    update();
}

void TFrame_Krutilka::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), art::console_panel);
    const int position = Knob_Pos;
    painter.drawPixmap(
        knob_place.topLeft(),
        art::cached(QStringLiteral("knob_%1").arg(position), knob_place.size(), devicePixelRatioF(),
                    [position](QPainter &p, QSizeF size) { art::draw_knob(p, size, position); }));
}
