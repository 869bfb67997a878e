#include "machine_art.h"

#include "assets/palette.h"
#include <QLinearGradient>

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <functional>
#include <map>

namespace art {

namespace {

using namespace palette;

// Tyres of the cars.
const QColor rubber(44, 44, 48);

using Drawing = std::function<void(QPainter &, QSizeF, int position)>;

QRectF inside(QSizeF size, double margin = 1)
{
    return QRectF(margin, margin, size.width() - 2 * margin, size.height() - 2 * margin);
}

void shaded_box(QPainter &painter, QRectF box, QColor body, double radius = 2)
{
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, body.lighter(120));
    shade.setColorAt(1, body.darker(125));
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(box, radius, radius);
}

// A roll seen end-on, turned a quarter turn per position: a stripe across its face shows it.
void roll(QPainter &painter, QPointF centre, double radius, int position, QColor body = steel)
{
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    shine.setColorAt(0, body.lighter(135));
    shine.setColorAt(1, body.darker(135));
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.save();
    painter.translate(centre);
    painter.rotate(position * 90 + 20);
    painter.setPen(QPen(safety_yellow.darker(110), std::max(1.5, radius * 0.18)));
    painter.drawLine(QPointF(0, 0), QPointF(0, -radius * 0.85));
    painter.restore();
    painter.setBrush(frame_dark);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius * 0.22, radius * 0.22);
}

void centred_roll(QPainter &painter, QSizeF size, int position)
{
    const double radius = std::min(size.width(), size.height()) / 2 - 2;
    roll(painter, QPointF(size.width() / 2, size.height() / 2), radius, position);
}

// A disc with teeth, as the disc shears'.
void disc(QPainter &painter, QSizeF size, int position)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = std::min(size.width(), size.height()) / 2 - 2;
    QPainterPath teeth;
    for (int tooth = 0; tooth < 24; ++tooth) {
        const double angle = qDegreesToRadians(tooth * 15.0 + position * 90);
        const double reach = tooth % 2 ? radius : radius * 0.88;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * reach;
        tooth == 0 ? teeth.moveTo(point) : teeth.lineTo(point);
    }
    teeth.closeSubpath();
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(steel_light);
    painter.drawPath(teeth);
    roll(painter, centre, radius * 0.55, position, steel.darker(110));
}

// A part on a pivot, swung from `from` to `to` degrees (0 = pointing right, clockwise) over the
// four positions.
void swing_arm(QPainter &painter, QPointF pivot, double length, double width, double from,
               double to, int position, QColor body = steel)
{
    painter.save();
    painter.translate(pivot);
    painter.rotate(from + (to - from) * position / 3.0);
    shaded_box(painter, QRectF(-width / 2, -width / 2, length, width), body, width / 2);
    painter.restore();
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(frame_dark);
    painter.drawEllipse(pivot, width * 0.35, width * 0.35);
}

void wheels(QPainter &painter, QRectF body, int count)
{
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(rubber);
    for (int wheel = 0; wheel < count; ++wheel) {
        const double x = body.left() + body.width() * (wheel + 0.5) / count;
        painter.drawEllipse(QPointF(x, body.bottom()), body.height() * 0.22, body.height() * 0.22);
    }
}

// A car on wheels: a frame with a yellow edge.
void car(QPainter &painter, QSizeF size, QColor body)
{
    const QRectF frame(2, size.height() * 0.35, size.width() - 4, size.height() * 0.42);
    shaded_box(painter, frame, body);
    painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), 3), safety_yellow);
    wheels(painter, frame, 3);
}

// A table top on a column: a plate that lifts the load.
void lift_table(QPainter &painter, QSizeF size, bool cradle)
{
    const double w = size.width();
    const double h = size.height();
    shaded_box(painter, QRectF(w * 0.4, h * 0.45, w * 0.2, h * 0.54), frame_dark);
    if (cradle) { // a V that holds a coil
        QPolygonF saddle;
        saddle << QPointF(w * 0.1, h * 0.1) << QPointF(w * 0.5, h * 0.5)
               << QPointF(w * 0.9, h * 0.1) << QPointF(w * 0.9, h * 0.25)
               << QPointF(w * 0.5, h * 0.6) << QPointF(w * 0.1, h * 0.25);
        painter.setBrush(steel);
        painter.setPen(QPen(steel_edge, 1));
        painter.drawPolygon(saddle);
    } else {
        shaded_box(painter, QRectF(w * 0.05, h * 0.3, w * 0.9, h * 0.18), steel);
    }
}

void plate(QPainter &painter, QSizeF size, double tilt_degrees)
{
    painter.save();
    painter.translate(size.width() * 0.15, size.height() * 0.6);
    painter.rotate(tilt_degrees);
    shaded_box(painter, QRectF(0, -4, size.width() * 0.8, 8), steel);
    painter.restore();
    painter.setBrush(frame_dark);
    painter.drawEllipse(QPointF(size.width() * 0.15, size.height() * 0.6), 4, 4);
}

// A guillotine knife: a blade in its holder.
void knife(QPainter &painter, QSizeF size, bool edge_down)
{
    const QRectF holder = inside(size, 2);
    shaded_box(painter, holder.adjusted(0, 0, 0, -holder.height() * 0.3), machine_green);
    QPolygonF blade;
    const double top = holder.bottom() - holder.height() * 0.32;
    blade << QPointF(holder.left() + 2, top) << QPointF(holder.right() - 2, top)
          << QPointF(holder.right() - 2, holder.bottom())
          << QPointF(holder.left() + 2, holder.bottom() - holder.height() * 0.15);
    if (!edge_down)
        blade.translate(0, -holder.height() * 0.55);
    painter.setBrush(steel_light);
    painter.setPen(QPen(steel_edge, 1));
    painter.drawPolygon(blade);
}

// An expanding drum's core (on its close-up): the hub grows towards the expanded end.
void drum_core(QPainter &painter, QSizeF size, int position)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(QColor(80, 84, 92));
    painter.drawEllipse(centre, size.width() * 0.47, size.height() * 0.47);
    roll(painter, centre, size.width() * (0.16 + 0.03 * position), position, steel);
}

// A quarter of the drum's shell, by its corner: 0 upper left, 1 upper right, 2 lower left, 3
// lower right.
void segment(QPainter &painter, QSizeF size, int quadrant)
{
    const double w = size.width();
    const double h = size.height();
    const QPointF centre(quadrant % 2 ? 0 : w, quadrant < 2 ? h : 0);
    QPainterPath arc;
    const double start = quadrant == 0 ? 90 : quadrant == 1 ? 0 : quadrant == 2 ? 180 : 270;
    const QRectF outer(centre.x() - w, centre.y() - h, 2 * w, 2 * h);
    const QRectF inner(centre.x() - w * 0.55, centre.y() - h * 0.55, w * 1.1, h * 1.1);
    arc.arcMoveTo(outer, start);
    arc.arcTo(outer, start, 90);
    arc.arcTo(inner, start + 90, -90);
    arc.closeSubpath();
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(steel_light);
    painter.drawPath(arc);
}

// The rotating table: a base with a turning top carrying two horns for the coils.
void turntable(QPainter &painter, QSizeF size, int position)
{
    const double w = size.width();
    const double h = size.height();
    shaded_box(painter, QRectF(w * 0.3, h * 0.55, w * 0.4, h * 0.44), frame_dark);
    const QRectF top(w * 0.05, h * 0.45, w * 0.9, h * 0.2);
    painter.setBrush(steel);
    painter.setPen(QPen(steel_edge, 1));
    painter.drawEllipse(top);
    // The horns seen turning: their foot moves round the top's rim.
    for (const int horn : {0, 2}) {
        const double angle = qDegreesToRadians((position + horn) * 90.0 + 30);
        const QPointF foot(top.center().x() + std::cos(angle) * top.width() * 0.38,
                           top.center().y() + std::sin(angle) * top.height() * 0.38);
        const bool far = std::sin(angle) < 0;
        const QRectF shaft(foot.x() - 5, foot.y() - h * 0.4, 10, h * 0.4);
        shaded_box(painter, shaft, far ? steel.darker(115) : steel);
        if (horn == 0) // one horn is marked, so that the turn reads
            painter.fillRect(QRectF(shaft.left(), shaft.top(), shaft.width(), 5), safety_yellow);
    }
}

// The oiling machine: a tall cabinet with its felt roll turning in the window.
void oiling_machine(QPainter &painter, QSizeF size, int position)
{
    shaded_box(painter, inside(size), machine_green);
    roll(painter, QPointF(size.width() / 2, size.height() * 0.3), size.width() * 0.3, position,
         QColor(170, 130, 60));
    painter.fillRect(QRectF(2, size.height() * 0.85, size.width() - 4, 4), safety_yellow);
}

Drawing rotating(double radius_share = 1.0)
{
    return [radius_share](QPainter &painter, QSizeF size, int position) {
        const double radius = (std::min(size.width(), size.height()) / 2 - 2) * radius_share;
        roll(painter, QPointF(size.width() / 2, size.height() / 2), radius, position);
    };
}

Drawing arm(double pivot_x, double pivot_y, double length, double width, double from, double to,
            bool roll_at_tip = false)
{
    return [=](QPainter &painter, QSizeF size, int position) {
        const QPointF pivot(size.width() * pivot_x, size.height() * pivot_y);
        const double reach = std::min(size.width(), size.height()) * length;
        swing_arm(painter, pivot, reach, std::min(size.width(), size.height()) * width, from, to,
                  position);
        if (roll_at_tip) {
            const double angle = qDegreesToRadians(from + (to - from) * position / 3.0);
            roll(painter, pivot + QPointF(std::cos(angle), std::sin(angle)) * reach * 0.92,
                 std::min(size.width(), size.height()) * 0.16, position);
        }
    };
}

Drawing fixed(std::function<void(QPainter &, QSizeF)> draw)
{
    return [draw](QPainter &painter, QSizeF size, int) { draw(painter, size); };
}

const std::map<int, Drawing> &machines()
{
    static const std::map<int, Drawing> drawings{
        {1, fixed([](QPainter &p, QSizeF s) { car(p, s, machine_green); })},
        {2, fixed([](QPainter &p, QSizeF s) { lift_table(p, s, true); })},
        {3, rotating()},
        {4, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(s.width() * 0.55, 2, s.width() * 0.43, s.height() - 3),
                        machine_green);
             shaded_box(p, QRectF(2, s.height() * 0.78, s.width() - 4, s.height() * 0.2),
                        frame_dark);
         })},
        {5, drum_core},
        {6, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 2), safety_yellow); })},
        {7, arm(0.85, 0.15, 0.9, 0.16, 200, 140, true)},
        {9, [](QPainter &p, QSizeF s, int k) { plate(p, s, -20 + 8 * k); }},
        {10, arm(0.9, 0.2, 0.85, 0.14, 180, 135)},
        {110, arm(0.9, 0.25, 0.7, 0.1, 200, 150)},
        {111,
         [](QPainter &p, QSizeF s, int k) {
             swing_arm(p, QPointF(s.width() * 0.85, s.height() * 0.3), s.width() * 0.6,
                       s.height() * 0.12, 170 - 5 * k, 150 - 5 * k, k, steel_light);
         }},
        {15, rotating()},
        {18, fixed([](QPainter &p, QSizeF s) { knife(p, s, false); })},
        {118, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, inside(s, 2), machine_green);
             p.fillRect(QRectF(4, s.height() * 0.45, s.width() - 8, 4), safety_yellow);
         })},
        {19, rotating()},
        {22, [](QPainter &p, QSizeF s, int k) { plate(p, s, 12 - 8 * k); }},
        {24, fixed([](QPainter &p, QSizeF s) {
             car(p, s, frame_dark);
             shaded_box(p, QRectF(6, 2, s.width() - 12, s.height() * 0.35), steel.darker(110));
         })},
        {25, rotating()},
        {27, fixed([](QPainter &p, QSizeF s) { centred_roll(p, s, 0); })},
        {28, arm(0.1, 0.5, 0.85, 0.12, 10, -20)},
        {31, disc},
        {131, disc},
        {38, oiling_machine},
        {46, rotating()},
        {48, fixed([](QPainter &p, QSizeF s) { centred_roll(p, s, 1); })},
        {49, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 2), steel, 5); })},
        {149, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 2), steel, 5); })},
        {51, rotating(0.9)},
        {52, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 4), machine_green); })},
        {53, arm(0.1, 0.2, 0.85, 0.14, 40, 40, true)},
        {54, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(2, s.height() * 0.4, s.width() - 4, s.height() * 0.25), steel);
         })},
        {55, arm(0.1, 0.2, 0.85, 0.12, 80, 20)},
        {56, fixed([](QPainter &p, QSizeF s) { lift_table(p, s, false); })},
        {57, arm(0.05, 0.3, 0.95, 0.1, 10, 40)},
        {60, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(2, s.height() * 0.45, s.width() - 4, s.height() * 0.35),
                        machine_green);
             wheels(p, QRectF(2, s.height() * 0.45, s.width() - 4, s.height() * 0.35), 2);
         })},
        {61, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(2, 2, s.width() - 4, s.height() * 0.45), safety_yellow);
         })},
        {62, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 3), frame_dark); })},
        {64, fixed([](QPainter &p, QSizeF s) { knife(p, s, true); })},
        {65, fixed([](QPainter &p, QSizeF s) { centred_roll(p, s, 2); })},
        {66, arm(0.9, 0.2, 0.9, 0.14, 170, 135, true)},
        {69, rotating()},
        {70, drum_core},
        {71, fixed([](QPainter &p, QSizeF s) { shaded_box(p, inside(s, 2), safety_yellow); })},
        {72, fixed([](QPainter &p, QSizeF s) { car(p, s, frame_dark); })},
        {73, fixed([](QPainter &p, QSizeF s) { lift_table(p, s, true); })},
        {74, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(2, s.height() * 0.3, s.width() - 4, s.height() * 0.25), steel);
         })},
        {75, fixed([](QPainter &p, QSizeF s) {
             shaded_box(p, QRectF(2, s.height() * 0.3, s.width() - 4, s.height() * 0.25), steel);
         })},
        {76, turntable},
        {105, fixed([](QPainter &p, QSizeF s) { segment(p, s, 0); })},
        {106, fixed([](QPainter &p, QSizeF s) { segment(p, s, 1); })},
        {107, fixed([](QPainter &p, QSizeF s) { segment(p, s, 2); })},
        {108, fixed([](QPainter &p, QSizeF s) { segment(p, s, 3); })},
        {170, fixed([](QPainter &p, QSizeF s) { segment(p, s, 0); })},
        {171, fixed([](QPainter &p, QSizeF s) { segment(p, s, 1); })},
        {172, fixed([](QPainter &p, QSizeF s) { segment(p, s, 2); })},
        {173, fixed([](QPainter &p, QSizeF s) { segment(p, s, 3); })},
    };
    return drawings;
}

} // namespace

bool draw_machine(QPainter &painter, int mechanism, int position, QSizeF size)
{
    const auto &drawings = machines();
    const auto found = drawings.find(mechanism);
    if (found == drawings.end())
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    found->second(painter, size, position);
    return true;
}

} // namespace art
