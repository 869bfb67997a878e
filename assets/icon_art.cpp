#include "icon_art.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

namespace art {

namespace {

// The icon is drawn on a 256-unit square and scaled to the size asked for.
constexpr double grid = 256;

void draw_tile(QPainter &painter)
{
    QLinearGradient shade(QPointF(0, 16), QPointF(0, 240));
    shade.setColorAt(0, QColor(58, 104, 146));
    shade.setColorAt(1, QColor(26, 50, 76));
    painter.setPen(QPen(QColor(18, 34, 52), 4));
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(14, 14, 228, 228), 44, 44);
}

// The strip seen from above: wide from the coil to the knives, then three narrow strips that
// spread a little as they run to the left edge of the tile.
void draw_strip(QPainter &painter)
{
    QLinearGradient metal(QPointF(0, 150), QPointF(0, 206));
    metal.setColorAt(0, palette::steel_light);
    metal.setColorAt(1, palette::steel);
    painter.setPen(QPen(palette::steel_edge, 3));
    painter.setBrush(metal);
    painter.drawRect(QRectF(116, 152, 84, 52));
    constexpr double narrow = 14;
    constexpr double gap = 5;
    for (int lane = 0; lane < 3; ++lane) {
        const double top = 152 + lane * (narrow + gap);
        const double spread = (lane - 1) * 12;
        QPainterPath band;
        band.moveTo(116, top);
        band.lineTo(36, top + spread);
        band.lineTo(36, top + spread + narrow);
        band.lineTo(116, top + narrow);
        band.closeSubpath();
        painter.drawPath(band);
    }
}

void draw_coil(QPainter &painter)
{
    const QPointF centre(172, 104);
    constexpr double radius = 60;
    QRadialGradient body(centre - QPointF(18, 18), radius * 1.3);
    body.setColorAt(0, palette::steel_light);
    body.setColorAt(1, palette::steel);
    painter.setPen(QPen(palette::steel_edge, 4));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::steel_edge, 2));
    for (const double ring : {48.0, 38.0})
        painter.drawEllipse(centre, ring, ring);
    painter.setPen(QPen(palette::steel_edge, 3));
    painter.setBrush(QColor(34, 36, 42));
    painter.drawEllipse(centre, 22, 22);
}

// Two circular knives standing across the strip where it splits, in the line's safety yellow.
void draw_knives(QPainter &painter)
{
    painter.setPen(QPen(QColor(70, 56, 0), 3));
    painter.setBrush(palette::safety_yellow);
    for (const double y : {165.0, 192.0})
        painter.drawEllipse(QPointF(116, y), 12, 12);
    painter.setBrush(palette::frame_dark);
    for (const double y : {165.0, 192.0})
        painter.drawEllipse(QPointF(116, y), 5, 5);
}

} // namespace

void draw_trainer_icon(QPainter &painter, QSizeF size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / grid, size.height() / grid);
    draw_tile(painter);
    draw_strip(painter);
    draw_coil(painter);
    draw_knives(painter);
    painter.restore();
}

QIcon trainer_icon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        draw_trainer_icon(painter, QSizeF(side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace art
