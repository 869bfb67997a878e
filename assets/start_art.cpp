#include "start_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {

void draw_start_picture(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(0, 0, w, h), Qt::white);
    // The bay: a rounded field, light so that the title reads on it.
    const QRectF bay(w * 0.02, h * 0.03, w * 0.96, h * 0.80);
    QLinearGradient sky(bay.topLeft(), bay.bottomLeft());
    sky.setColorAt(0, QColor(196, 220, 240));
    sky.setColorAt(0.55, QColor(232, 240, 246));
    sky.setColorAt(1, QColor(170, 176, 184));
    painter.setPen(QPen(QColor(60, 80, 100), 2));
    painter.setBrush(sky);
    painter.drawRoundedRect(bay, 24, 24);
    // Roof trusses of the shop.
    painter.setPen(QPen(QColor(120, 140, 160), 1));
    for (int truss = 1; truss < 8; ++truss) {
        const double x = bay.left() + bay.width() * truss / 8;
        painter.drawLine(QPointF(x, bay.top() + 4), QPointF(x - 30, bay.top() + h * 0.14));
        painter.drawLine(QPointF(x, bay.top() + 4), QPointF(x + 30, bay.top() + h * 0.14));
    }
    // The line, right to left: the uncoiler coil, the rolls, the shears, the recoiler coil.
    // Kept below the title, which the start window writes across the middle.
    const double floor = bay.bottom() - h * 0.05;
    const double strip = floor - h * 0.13;
    painter.setPen(QPen(QColor(40, 44, 50), 2));
    painter.setBrush(QColor(90, 98, 110));
    painter.drawRect(QRectF(bay.left() + 12, floor, bay.width() - 24, h * 0.05));
    const QColor coil(130, 140, 152);
    painter.setBrush(coil);
    painter.drawEllipse(QPointF(w * 0.89, strip - 4), h * 0.12, h * 0.12);
    painter.drawEllipse(QPointF(w * 0.15, strip - 4), h * 0.10, h * 0.10);
    painter.setBrush(QColor(30, 30, 34));
    painter.drawEllipse(QPointF(w * 0.89, strip - 4), h * 0.035, h * 0.035);
    painter.drawEllipse(QPointF(w * 0.15, strip - 4), h * 0.03, h * 0.03);
    painter.setPen(QPen(QColor(180, 190, 200), 3));
    painter.drawLine(QPointF(w * 0.18, strip + h * 0.05), QPointF(w * 0.86, strip + h * 0.05));
    painter.setPen(QPen(QColor(40, 44, 50), 2));
    painter.setBrush(QColor(200, 120, 40));
    for (const double x : {0.30, 0.42, 0.55, 0.66}) {
        painter.drawRect(QRectF(w * x - 12, strip - h * 0.02, 24, floor - strip + h * 0.02));
        painter.setBrush(QColor(60, 64, 70));
        painter.drawEllipse(QPointF(w * x, strip + h * 0.03), 6, 6);
        painter.setBrush(QColor(200, 120, 40));
    }
}

} // namespace art
