#include "strip_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

// Bright steel, to read against the machines' greys.
const QColor strip_steel(214, 222, 232);
const QColor strip_edge(60, 70, 84);
const QColor coil_face(176, 186, 198);
const QColor bore(36, 38, 42);
constexpr double band = 4; // the strip's thickness on the scene

// The outer radius of a coil of size class 0..3 in a 70-pixel picture.
double coil_radius(int size_class)
{
    return 13 + 7 * size_class;
}

// The class from the names' suffix _1 .. _4.
int size_class(const QString &name)
{
    return name.right(1).toInt() - 1;
}

void strip_line(QPainter &painter, const QPainterPath &path)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(strip_edge, band + 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(path);
    painter.setPen(QPen(strip_steel, band, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(path);
}

void straight_band(QPainter &painter, QSizeF size)
{
    const QRectF body(0, (size.height() - band) / 2, size.width(), band);
    painter.fillRect(body, strip_steel);
    painter.setPen(QPen(strip_edge, 1));
    painter.drawLine(body.topLeft(), body.topRight());
    painter.drawLine(body.bottomLeft(), body.bottomRight());
}

// A coil seen from its end: wound turns round the middle.
void coil(QPainter &painter, QSizeF size, int size_class)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = coil_radius(size_class);
    QRadialGradient turns(centre, radius);
    turns.setColorAt(0, coil_face.darker(120));
    turns.setColorAt(1, coil_face.lighter(115));
    painter.setPen(QPen(strip_edge, 1));
    painter.setBrush(turns);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(coil_face.darker(135), 0.6));
    painter.setBrush(Qt::NoBrush);
    for (double ring = 12; ring < radius; ring += 3)
        painter.drawEllipse(centre, ring, ring);
}

// The outermost turn and the strip's end, over the recoiler's coil.
void overlay(QPainter &painter, QSizeF size, int size_class)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    const double radius = coil_radius(size_class);
    painter.setPen(QPen(strip_steel, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 1, radius - 1);
}

void coil_bore(QPainter &painter, QSizeF size)
{
    const QPointF centre(size.width() / 2, size.height() / 2);
    painter.setPen(QPen(strip_edge, 1));
    painter.setBrush(bore);
    painter.drawEllipse(centre, 10, 10);
}

// From the top of the uncoiler's coil down to the line, leftwards.
void diagonal_from_uncoiler(QPainter &painter, QSizeF size, int size_class)
{
    const QPointF coil_top(size.width() - 11, size.height() - 1 - coil_radius(size_class));
    QPainterPath path(QPointF(0, size.height() * 0.65));
    path.lineTo(coil_top);
    strip_line(painter, path);
}

// From the line onto the top of the recoiler's coil, leftwards.
void diagonal_onto_recoiler(QPainter &painter, QSizeF size, int size_class)
{
    QPainterPath path(QPointF(size.width(), size.height() * 0.64));
    path.lineTo(QPointF(13, size.height() - coil_radius(size_class)));
    strip_line(painter, path);
}

// The strip hanging from the full coil to the peeler's wedge, shaped by the peeler's height.
void peeler_loop(QPainter &painter, QSizeF size, int shape)
{
    const double w = size.width();
    const double h = size.height();
    QPainterPath path(QPointF(w * 0.72, h * 0.95));
    path.cubicTo(QPointF(w * 0.45, h * 1.05), QPointF(w * 0.2, h * 0.9),
                 QPointF(w * 0.08, h * (0.25 + 0.15 * shape)));
    strip_line(painter, path);
}

// The strip sagging between the disc shears and a recoiler that does not wind.
void recoiler_loop(QPainter &painter, QSizeF size)
{
    const double w = size.width();
    const double h = size.height();
    QPainterPath path(QPointF(w, h * 0.5));
    path.cubicTo(QPointF(w * 0.6, h * 1.2), QPointF(w * 0.3, h * 1.0), QPointF(w * 0.08, h * 0.3));
    strip_line(painter, path);
}

// Edge trimmings curling away below the disc shears, in three frames.
void trimmings(QPainter &painter, QSizeF size, int frame)
{
    const double w = size.width();
    const double h = size.height();
    painter.setPen(QPen(strip_steel.darker(105), 1.5));
    painter.setBrush(Qt::NoBrush);
    QPainterPath curl(QPointF(w * 0.5, 0));
    for (int turn = 0; turn < 4; ++turn) {
        const double y = h * (0.15 + 0.22 * turn) + frame * 2.5;
        const double side = (turn + frame) % 2 ? 0.85 : 0.15;
        curl.quadTo(QPointF(w * side, y - h * 0.08), QPointF(w * 0.5, y + h * 0.08));
    }
    painter.drawPath(curl);
}

} // namespace

bool draw_strip_picture(QPainter &painter, const QString &name, QSizeF size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    if (name.endsWith(QStringLiteral("_Polosa_Body")) || name.contains(QStringLiteral("_Line_")))
        straight_band(painter, size);
    else if (name.startsWith(QStringLiteral("Image_Rulon_")))
        coil(painter, size, size_class(name));
    else if (name.startsWith(QStringLiteral("Image_Nakladka_Rulona_Motalki_")))
        overlay(painter, size, size_class(name));
    else if (name.startsWith(QStringLiteral("Image_Vnutrennosti_Rulona_")))
        coil_bore(painter, size);
    else if (name.startsWith(QStringLiteral("Image_Diagonal_Right_")))
        diagonal_from_uncoiler(painter, size, size_class(name));
    else if (name.startsWith(QStringLiteral("Image_Diagonal_Left_")))
        diagonal_onto_recoiler(painter, size, size_class(name));
    else if (name.startsWith(QStringLiteral("Image_Petla_Otgibatela_")))
        peeler_loop(painter, size, size_class(name));
    else if (name == QStringLiteral("Image_Petla_Motalki"))
        recoiler_loop(painter, size);
    else if (name.startsWith(QStringLiteral("Image_Kromka_")))
        trimmings(painter, size, size_class(name));
    else
        return false;
    return true;
}

} // namespace art
