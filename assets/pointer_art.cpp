#include "pointer_art.h"

#include <QPainter>
#include <QPainterPath>

namespace art {

void draw_target_marker(QPainter &painter, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = std::min(size.width(), size.height()) / 2 - 4;
    const QColor red(220, 0, 0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(red, 4));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(red, 2));
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
    // Four ticks pointing at the middle, leaving it free to show the mechanism.
    painter.setPen(QPen(red, 3));
    for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
        painter.drawLine(centre + direction * radius * 1.05, centre + direction * radius * 0.3);
}

void draw_pointing_hand(QPainter &painter, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const double w = size.width();
    const double h = size.height();
    // A hand with the index finger stretched towards the upper left, where the control is.
    QPainterPath hand;
    hand.moveTo(w * 0.06, h * 0.05); // finger tip
    hand.lineTo(w * 0.20, h * 0.02);
    hand.lineTo(w * 0.55, h * 0.38); // along the finger's top
    hand.lineTo(w * 0.80, h * 0.40); // knuckles
    hand.cubicTo(w * 0.95, h * 0.45, w * 0.97, h * 0.62, w * 0.92, h * 0.75);
    hand.lineTo(w * 0.80, h * 0.95); // wrist
    hand.lineTo(w * 0.52, h * 0.97);
    hand.cubicTo(w * 0.40, h * 0.85, w * 0.36, h * 0.70, w * 0.40, h * 0.58);
    hand.lineTo(w * 0.04, h * 0.16); // along the finger's underside
    hand.closeSubpath();
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(QColor(255, 214, 170));
    painter.drawPath(hand);
    // The folded fingers and the cuff.
    painter.setBrush(Qt::NoBrush);
    for (int finger = 0; finger < 3; ++finger) {
        const double y = h * (0.52 + 0.1 * finger);
        painter.drawArc(QRectF(w * 0.56, y, w * 0.32, h * 0.1), 180 * 16, 180 * 16);
    }
    painter.setBrush(QColor(40, 90, 170));
    painter.drawRect(QRectF(w * 0.55, h * 0.88, w * 0.3, h * 0.1));
}

} // namespace art
