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

// The index finger points up, its tip near the top of the picture, a little right of its middle.
void draw_pointing_hand(QPainter &painter, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    const double w = size.width();
    const double h = size.height();
    const QColor skin(255, 214, 170);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(skin);
    // The index finger, up to its tip.
    const QPointF tip = pointing_hand_fingertip(size);
    painter.drawRoundedRect(QRectF(tip.x() - w * 0.08, tip.y(), w * 0.16, h * 0.50), w * 0.08,
                            w * 0.08);
    // The fist with three folded fingers and the thumb.
    QPainterPath fist;
    fist.addRoundedRect(QRectF(w * 0.30, h * 0.40, w * 0.50, h * 0.38), w * 0.1, w * 0.1);
    painter.drawPath(fist);
    for (int finger = 0; finger < 3; ++finger) {
        const double x = w * (0.32 + 0.095 * finger);
        painter.drawRoundedRect(QRectF(x, h * 0.44, w * 0.1, h * 0.16), w * 0.04, w * 0.04);
    }
    painter.drawRoundedRect(QRectF(w * 0.18, h * 0.52, w * 0.2, h * 0.12), w * 0.06, w * 0.06);
    // The cuff.
    painter.setBrush(QColor(40, 90, 170));
    painter.drawRect(QRectF(w * 0.36, h * 0.78, w * 0.38, h * 0.18));
}

QPointF pointing_hand_fingertip(QSizeF size)
{
    return {size.width() * 0.68, size.height() * 0.03};
}

} // namespace art
