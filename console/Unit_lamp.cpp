#include "Unit_lamp.h"

#include "assets/console_art.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"

#include <QPainter>

TFrame_Lamp::TFrame_Lamp(QWidget *parent) : ConsoleFrame(parent, {65, 45})
{
    Label1->setToolTip(QStringLiteral("в программе не используется"));
}

void TFrame_Lamp::apply(const zun::console::Control &control)
{
    move(control.left, control.top);
    Label1->show_caption(control);
}

void TFrame_Lamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), art::console_panel);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(art::header_strip);
    painter.drawRect(QRectF(0.5, 0.5, 64, 19));
    painter.setPen(QPen(art::lamp_rim, 2));
    painter.setBrush(art::lamp_glass);
    painter.drawEllipse(QRectF(21, 21, 23, 23));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(25, 23, 10, 10));
}
