#include "scene_art.h"

#include "assets/machine_art.h"
#include "assets/strip_art.h"

#include "assets/palette.h"
#include <QLinearGradient>

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRegularExpression>

#include <functional>
#include <map>

namespace art {

namespace {

using namespace palette;

// One palette for the whole line; light falls from the upper left.
const QColor wall_top(206, 214, 222);
const QColor wall_low(172, 180, 190);
const QColor column(128, 136, 148);
const QColor concrete(158, 156, 148);
const QColor concrete_dark(112, 110, 104);
const QColor pit(58, 58, 60);
const QColor console_grey(176, 180, 176);
const QColor overalls(40, 76, 140);

using Drawing = std::function<void(QPainter &, QSizeF)>;

// Yellow and black stripes along an edge, as on pit borders and steps.
void hazard_band(QPainter &painter, QRectF band)
{
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, safety_yellow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (double x = band.left() - band.height(); x < band.right(); x += band.height() * 2) {
        QPolygonF stripe;
        stripe << QPointF(x, band.bottom()) << QPointF(x + band.height(), band.top())
               << QPointF(x + 2 * band.height(), band.top())
               << QPointF(x + band.height(), band.bottom());
        painter.drawPolygon(stripe);
    }
    painter.restore();
}

void handrail(QPainter &painter, double left, double right, double top, double height)
{
    painter.setPen(QPen(safety_yellow.darker(130), 1));
    painter.setBrush(safety_yellow);
    painter.drawRect(QRectF(left, top, right - left, 3));
    painter.drawRect(QRectF(left, top + height / 2, right - left, 2));
    for (double x = left; x <= right; x += 24)
        painter.drawRect(QRectF(x, top, 3, height));
}

void steel_box(QPainter &painter, QRectF box, QColor body = steel)
{
    QLinearGradient shade(box.topLeft(), box.bottomRight());
    shade.setColorAt(0, body.lighter(118));
    shade.setColorAt(1, body.darker(118));
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(shade);
    painter.drawRect(box);
}

// The bay of the shop: wall with columns and windows, the crane runway, the floor, the line's
// foundation with its pits.
void draw_bay(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    const double floor_top = h * 0.74;
    QLinearGradient wall(0, 0, 0, floor_top);
    wall.setColorAt(0, wall_top);
    wall.setColorAt(1, wall_low);
    painter.fillRect(QRectF(0, 0, w, floor_top), wall);
    // Windows high in the wall.
    painter.setPen(QPen(frame_dark, 1));
    for (double x = 30; x < w - 60; x += 145) {
        QLinearGradient glass(x, 14, x, 40);
        glass.setColorAt(0, QColor(232, 242, 252));
        glass.setColorAt(1, QColor(186, 208, 228));
        painter.setBrush(glass);
        painter.drawRect(QRectF(x, 14, 90, 24));
        painter.drawLine(QPointF(x + 45, 14), QPointF(x + 45, 38));
    }
    // Columns and the crane runway.
    for (double x = 0; x < w; x += 145) {
        QLinearGradient shaft(x, 0, x + 14, 0);
        shaft.setColorAt(0, column.lighter(115));
        shaft.setColorAt(1, column.darker(115));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shaft);
        painter.drawRect(QRectF(x + 118, 0, 14, floor_top));
    }
    steel_box(painter, QRectF(0, 2, w, 6), frame_dark);
    // The floor.
    QLinearGradient floor(0, floor_top, 0, h);
    floor.setColorAt(0, concrete.lighter(108));
    floor.setColorAt(1, concrete_dark);
    painter.fillRect(QRectF(0, floor_top, w, h - floor_top), floor);
    painter.setPen(QPen(concrete_dark, 1));
    for (double x = -200; x < w; x += 60)
        painter.drawLine(QPointF(x + 40, floor_top), QPointF(x, h));
    // The line's foundation along the strip, and the pits under the scrap car and the recoiler.
    steel_box(painter, QRectF(w * 0.13, h * 0.42, w * 0.83, h * 0.07), concrete_dark);
    painter.fillRect(QRectF(w * 0.67, h * 0.49, w * 0.08, floor_top - h * 0.49), pit);
    hazard_band(painter, QRectF(w * 0.67, floor_top - 4, w * 0.08, 4));
    painter.fillRect(QRectF(w * 0.12, floor_top, w * 0.12, h * 0.06), pit);
    hazard_band(painter, QRectF(w * 0.12, floor_top, w * 0.12, 4));
}

// In front of the delivery end: a handrail along the walkway.
void draw_foreground(QPainter &painter, QSizeF size)
{
    handrail(painter, 2, size.width() * 0.25, size.height() * 0.55, size.height() * 0.28);
}

// An operator's platform: a checker-plate floor on legs, with a handrail and steps.
void draw_post(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    const double deck = h * 0.70;
    painter.setPen(QPen(frame_dark, 1));
    painter.setBrush(frame_dark);
    for (const double x : {w * 0.04, w * 0.50, w * 0.92})
        painter.drawRect(QRectF(x, deck, 5, h - deck));
    steel_box(painter, QRectF(0, deck, w - 1, 6), steel.darker(110));
    handrail(painter, 2, w - 4, deck - h * 0.22, h * 0.22);
    hazard_band(painter, QRectF(0, deck + 6, w - 1, 3));
}

// A console desk: a cabinet with a slanted face of keys and lamps.
void draw_console(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    steel_box(painter, QRectF(2, h * 0.35, w - 4, h * 0.64), console_grey);
    QPolygonF face;
    face << QPointF(2, h * 0.35) << QPointF(w * 0.2, h * 0.05) << QPointF(w - 2, h * 0.05)
         << QPointF(w - 2, h * 0.35);
    painter.setBrush(console_grey.lighter(112));
    painter.drawPolygon(face);
    painter.setPen(Qt::NoPen);
    const QColor lamps[] = {QColor(0, 170, 0), QColor(220, 30, 20), safety_yellow, Qt::black};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(lamps[i]);
        painter.drawEllipse(QPointF(w * (0.3 + 0.17 * i), h * 0.22), 2.2, 2.2);
    }
}

void draw_operator(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(overalls.darker(115)); // legs
    painter.drawRect(QRectF(w * 0.30, h * 0.58, w * 0.16, h * 0.40));
    painter.drawRect(QRectF(w * 0.54, h * 0.58, w * 0.16, h * 0.40));
    painter.setBrush(overalls); // body and arms
    painter.drawRoundedRect(QRectF(w * 0.22, h * 0.20, w * 0.56, h * 0.42), 3, 3);
    painter.drawRect(QRectF(w * 0.08, h * 0.22, w * 0.14, h * 0.32));
    painter.drawRect(QRectF(w * 0.78, h * 0.22, w * 0.14, h * 0.32));
    painter.setBrush(QColor(232, 190, 150)); // face
    painter.drawEllipse(QRectF(w * 0.30, h * 0.05, w * 0.40, h * 0.15));
    painter.setBrush(safety_yellow); // helmet
    painter.drawChord(QRectF(w * 0.26, h * 0.01, w * 0.48, h * 0.12), 0, 180 * 16);
    painter.setBrush(Qt::black); // boots
    painter.drawRect(QRectF(w * 0.26, h * 0.95, w * 0.22, h * 0.05));
    painter.drawRect(QRectF(w * 0.52, h * 0.95, w * 0.22, h * 0.05));
}

void draw_bell(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    QPainterPath bell;
    bell.moveTo(w * 0.30, h * 0.70);
    bell.cubicTo(w * 0.30, h * 0.20, w * 0.70, h * 0.20, w * 0.70, h * 0.70);
    bell.lineTo(w * 0.78, h * 0.80);
    bell.lineTo(w * 0.22, h * 0.80);
    bell.closeSubpath();
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(safety_yellow);
    painter.drawPath(bell);
    painter.drawEllipse(QPointF(w * 0.5, h * 0.86), w * 0.06, w * 0.06);
    painter.setPen(QPen(QColor(220, 30, 20), 2));
    painter.setBrush(Qt::NoBrush);
    for (const double reach : {0.12, 0.20}) { // the sound
        painter.drawArc(QRectF(w * (0.02 + 0.20 - reach), h * 0.25, w * reach * 2, h * 0.5),
                        120 * 16, 120 * 16);
        painter.drawArc(QRectF(w * (0.98 - 0.20 - reach), h * 0.25, w * reach * 2, h * 0.5),
                        -60 * 16, 120 * 16);
    }
}

void draw_roll(QPainter &painter, QSizeF size)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = std::min(size.width(), size.height()) / 2 - 1;
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shine.setColorAt(0, steel_light);
    shine.setColorAt(1, steel.darker(130));
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(frame_dark);
    painter.drawEllipse(centre, radius / 4, radius / 4);
}

void draw_guide(QPainter &painter, QSizeF size)
{
    QPolygonF plate;
    plate << QPointF(0, size.height() * 0.6) << QPointF(size.width() * 0.2, size.height() * 0.2)
          << QPointF(size.width(), size.height() * 0.2)
          << QPointF(size.width(), size.height() * 0.8)
          << QPointF(size.width() * 0.2, size.height() * 0.8);
    painter.setPen(QPen(steel_edge, 1));
    painter.setBrush(steel_light);
    painter.drawPolygon(plate);
}

void draw_reducer(QPainter &painter, QSizeF size)
{
    steel_box(painter, QRectF(1, size.height() * 0.2, size.width() - 2, size.height() * 0.78),
              QColor(96, 120, 104));
    painter.setBrush(steel);
    painter.drawEllipse(QPointF(size.width() * 0.25, size.height() * 0.5), 4, 4);
    painter.drawRect(QRectF(size.width() * 0.6, size.height() * 0.05, 6, size.height() * 0.2));
}

void draw_cabinet(QPainter &painter, QSizeF size)
{
    steel_box(painter, QRectF(2, size.height() * 0.3, size.width() - 4, size.height() * 0.7 - 1),
              console_grey.darker(108));
    handrail(painter, 2, size.width() - 3, 2, size.height() * 0.28);
}

void draw_pillar(QPainter &painter, QSizeF size)
{
    steel_box(painter, QRectF(2, 0, size.width() - 4, size.height() - 1), frame_dark);
    hazard_band(painter, QRectF(2, size.height() - 10, size.width() - 4, 8));
}

// The basement of the edge-scrap winder: concrete walls and floor, a ladder, a lamp.
void draw_basement(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    QLinearGradient walls(0, 0, 0, h);
    walls.setColorAt(0, QColor(150, 150, 142));
    walls.setColorAt(1, QColor(100, 100, 94));
    painter.fillRect(QRectF(0, 0, w, h), walls);
    painter.fillRect(QRectF(0, h * 0.85, w, h * 0.15), concrete_dark);
    hazard_band(painter, QRectF(0, h * 0.85, w, 4));
    painter.setPen(QPen(frame_dark, 2));
    painter.drawLine(QPointF(w * 0.92, h * 0.1), QPointF(w * 0.92, h * 0.85));
    painter.drawLine(QPointF(w * 0.98, h * 0.1), QPointF(w * 0.98, h * 0.85));
    for (double y = h * 0.15; y < h * 0.85; y += 14)
        painter.drawLine(QPointF(w * 0.92, y), QPointF(w * 0.98, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 240, 180));
    painter.drawEllipse(QPointF(w * 0.5, 8), 6, 4);
}

void draw_wall(QPainter &painter, QSizeF size)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), QColor(128, 92, 78));
    painter.setPen(QPen(QColor(96, 70, 60), 1));
    for (double y = 0; y < size.height(); y += 8) {
        painter.drawLine(QPointF(0, y), QPointF(size.width(), y));
        const double offset = static_cast<int>(y / 8) % 2 ? 0 : size.width() / 2;
        painter.drawLine(QPointF(offset, y), QPointF(offset, y + 8));
    }
}

// A mesh fence in a yellow frame; the mesh lets the basement show through.
void draw_fence(QPainter &painter, QSizeF size)
{
    const QRectF frame(2, 2, size.width() - 4, size.height() - 4);
    painter.save();
    painter.setClipRect(frame);
    painter.setPen(QPen(QColor(90, 90, 90, 150), 1));
    for (double x = frame.left() - frame.height(); x < frame.right(); x += 12) {
        painter.drawLine(QPointF(x, frame.bottom()), QPointF(x + frame.height(), frame.top()));
        painter.drawLine(QPointF(x, frame.top()), QPointF(x + frame.height(), frame.bottom()));
    }
    painter.restore();
    painter.setPen(QPen(safety_yellow.darker(120), 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

// Arrows pointing at the middle: the drum's segments are drawn together.
void draw_compression(QPainter &painter, QSizeF size)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    painter.setPen(QPen(QColor(200, 20, 20), 2));
    for (const QPointF direction :
         {QPointF(1, 1), QPointF(-1, 1), QPointF(1, -1), QPointF(-1, -1)}) {
        const QPointF from = centre + direction * size.width() * 0.42;
        const QPointF to = centre + direction * size.width() * 0.12;
        painter.drawLine(from, to);
        painter.drawLine(to, to + QPointF(direction.x() * 5, 0));
        painter.drawLine(to, to + QPointF(0, direction.y() * 5));
    }
}

const std::map<QString, Drawing> &drawings_by_name()
{
    static const std::map<QString, Drawing> drawings{
        {QStringLiteral("Image_Fon"), draw_bay},
        {QStringLiteral("Image_Fon2"), draw_foreground},
        {QStringLiteral("Image_Post_1"), draw_post},
        {QStringLiteral("Image_Post_2"), draw_post},
        {QStringLiteral("Image_Post_Rogov"), draw_console},
        {QStringLiteral("Image_Post_Kromko"), draw_console},
        {QStringLiteral("Image_Operator"), draw_operator},
        {QStringLiteral("Image_Beep"), draw_bell},
        {QStringLiteral("Image_FixRolLow"), draw_roll},
        {QStringLiteral("Image_FixRolTop"), draw_roll},
        {QStringLiteral("Image_Rolik"), draw_roll},
        {QStringLiteral("Image_Provodka_sleva"), draw_guide},
        {QStringLiteral("Image_Provodka_sprava"), draw_guide},
        {QStringLiteral("Image_Reductor_motalki"), draw_reducer},
        {QStringLiteral("Image_Sleva_Ot_Nastilov"), draw_cabinet},
        {QStringLiteral("Image_Stolb_Rogov"), draw_pillar},
        {QStringLiteral("Image_Fon_Sleva"), draw_basement},
        {QStringLiteral("Image_wall"), draw_wall},
        {QStringLiteral("Image_Ograda"), draw_fence},
        {QStringLiteral("Image1"), draw_compression},
        {QStringLiteral("Image2"), draw_compression},
    };
    return drawings;
}

} // namespace

namespace {

// The mechanism and position of a name "Image" + j + "_" + k.
bool position_picture(const QString &name, int &mechanism, int &position)
{
    static const QRegularExpression pattern(QStringLiteral("^Image(\\d+)_(\\d)$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return false;
    mechanism = match.captured(1).toInt();
    position = match.captured(2).toInt();
    return true;
}

} // namespace

bool draw_scene_picture(QPainter &painter, const QString &name, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    int mechanism = 0;
    int position = 0;
    if (position_picture(name, mechanism, position))
        return draw_machine(painter, mechanism, position, size);
    const auto &drawings = drawings_by_name();
    if (const auto found = drawings.find(name); found != drawings.end()) {
        found->second(painter, size);
        return true;
    }
    if (name.startsWith(QStringLiteral("Image_Pult_"))) {
        draw_console(painter, size);
        return true;
    }
    if (name == QStringLiteral("Image_Invisible_9"))
        return true; // an area to click, with no picture
    return draw_strip_picture(painter, name, size);
}

void draw_stand_in(QPainter &painter, const QString &name, QSizeF size)
{
    const QRectF area(QPointF(0.5, 0.5), size - QSizeF(1, 1));
    painter.setPen(QPen(QColor(90, 90, 110, 160), 1, Qt::DashLine));
    painter.setBrush(QColor(200, 205, 220, 60));
    painter.drawRect(area);
    QFont small = painter.font();
    small.setPixelSize(8);
    painter.setFont(small);
    painter.setPen(QColor(60, 60, 80));
    painter.drawText(area.adjusted(2, 1, -1, -1),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, name);
}

} // namespace art
