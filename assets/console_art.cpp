#include "console_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace art {

namespace {

constexpr int needle_positions = 5;
constexpr double needle_sweep_degrees = 100; // from the first to the last position

// The needle's pivot, low in the middle of the dial.
QPointF needle_pivot(QSizeF size)
{
    return {size.width() / 2, size.height() * 0.92};
}

// Degrees from upright of a needle position, 1 .. 5.
double needle_angle(int position)
{
    return -needle_sweep_degrees / 2 +
           needle_sweep_degrees * (position - 1) / (needle_positions - 1);
}

} // namespace

void draw_key_handle(QPainter &painter, QSizeF size, int degrees)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = std::min(size.width(), size.height()) / 2;
    painter.save();
    painter.translate(centre);
    // The boss of the switch.
    QRadialGradient boss(QPointF(-radius * 0.3, -radius * 0.3), radius);
    boss.setColorAt(0, QColor(110, 110, 110));
    boss.setColorAt(1, QColor(25, 25, 25));
    painter.setPen(QPen(QColor(10, 10, 10), 1));
    painter.setBrush(boss);
    painter.drawEllipse(QPointF(0, 0), radius * 0.55, radius * 0.55);
    // The handle: a black bar across the boss with a white index at its upper end.
    painter.rotate(degrees);
    const QRectF bar(-radius * 0.22, -radius * 0.95, radius * 0.44, radius * 1.9);
    QLinearGradient shine(bar.topLeft(), bar.topRight());
    shine.setColorAt(0, QColor(70, 70, 70));
    shine.setColorAt(0.5, QColor(20, 20, 20));
    shine.setColorAt(1, QColor(45, 45, 45));
    painter.setBrush(shine);
    painter.drawRoundedRect(bar, radius * 0.2, radius * 0.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(-radius * 0.06, -radius * 0.88, radius * 0.12, radius * 0.5),
                            radius * 0.05, radius * 0.05);
    painter.restore();
}

void draw_knob(QPainter &painter, QSizeF size, int position)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = std::min(size.width(), size.height()) / 2 - 1;
    painter.save();
    painter.translate(centre);
    // A ribbed rim around a dark cap.
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setPen(QPen(QColor(110, 110, 110), 1));
    for (int rib = 0; rib < 24; ++rib) {
        const double angle = qDegreesToRadians(rib * 15.0);
        painter.drawLine(QPointF(std::cos(angle), std::sin(angle)) * radius * 0.82,
                         QPointF(std::cos(angle), std::sin(angle)) * radius * 0.98);
    }
    QRadialGradient cap(QPointF(-radius * 0.25, -radius * 0.25), radius * 0.8);
    cap.setColorAt(0, QColor(90, 90, 90));
    cap.setColorAt(1, QColor(15, 15, 15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(cap);
    painter.drawEllipse(QPointF(0, 0), radius * 0.78, radius * 0.78);
    // The marker: level, or slanting up to the left or to the right.
    painter.rotate(position == 1 ? -45 : position == 2 ? 45 : 90); // from pointing up
    painter.setPen(QPen(Qt::white, std::max(2.0, radius * 0.12), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -radius * 0.1), QPointF(0, -radius * 0.72));
    painter.restore();
}

void draw_ammeter_dial(QPainter &painter, QSizeF size)
{
    const QPointF pivot = needle_pivot(size);
    const double radius = size.height() * 0.78;
    painter.save();
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    // The scale: an arc with ticks and a red end zone.
    const QRectF arc(pivot.x() - radius, pivot.y() - radius, 2 * radius, 2 * radius);
    const double first =
        90 + needle_sweep_degrees / 2; // Qt counts counter-clockwise from 3 o'clock
    painter.drawArc(arc, qRound(first * 16), qRound(-needle_sweep_degrees * 16));
    painter.setPen(QPen(QColor(200, 0, 0), 2));
    painter.drawArc(arc.adjusted(2, 2, -2, -2), qRound((first - needle_sweep_degrees * 0.8) * 16),
                    qRound(-needle_sweep_degrees * 0.2 * 16));
    painter.translate(pivot);
    for (int tick = 0; tick <= 10; ++tick) {
        painter.save();
        painter.rotate(-needle_sweep_degrees / 2 + needle_sweep_degrees * tick / 10);
        const bool major = tick % 5 == 0;
        painter.setPen(QPen(QColor(30, 30, 30), major ? 1.5 : 1));
        painter.drawLine(QPointF(0, -radius), QPointF(0, -radius + (major ? 7 : 4)));
        painter.restore();
    }
    QFont digits = painter.font();
    digits.setPixelSize(std::max(6, qRound(size.height() / 7)));
    painter.setFont(digits);
    painter.setPen(QColor(30, 30, 30));
    for (int label = 0; label <= 2; ++label) {
        const double angle =
            qDegreesToRadians(-needle_sweep_degrees / 2 + needle_sweep_degrees * label / 2 - 90);
        const QPointF at = QPointF(std::cos(angle), std::sin(angle)) * (radius - 13);
        painter.drawText(QRectF(at.x() - 10, at.y() - 6, 20, 12), Qt::AlignCenter,
                         QString::number(label * 50));
    }
    painter.drawText(QRectF(-10, -radius * 0.45, 20, 10), Qt::AlignCenter, QStringLiteral("A"));
    painter.restore();
}

void draw_ammeter_needle(QPainter &painter, QSizeF size, int position)
{
    const QPointF pivot = needle_pivot(size);
    const double length = size.height() * 0.74;
    painter.save();
    painter.translate(pivot);
    painter.rotate(needle_angle(position));
    painter.setPen(QPen(QColor(20, 20, 20), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -length));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(QPointF(0, 0), 2.5, 2.5);
    painter.restore();
}

} // namespace art
