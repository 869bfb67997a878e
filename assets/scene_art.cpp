#include "scene_art.h"

#include <QPainter>

namespace art {

namespace {

const QColor steel(150, 158, 168);
const QColor steel_edge(70, 76, 86);

// The strip seen edge-on: a band along the middle of its picture.
void draw_strip(QPainter &painter, QSizeF size)
{
    const double thickness = 5;
    const QRectF band(0, (size.height() - thickness) / 2, size.width(), thickness);
    painter.fillRect(band, steel);
    painter.setPen(QPen(steel_edge, 1));
    painter.drawLine(band.topLeft(), band.topRight());
    painter.drawLine(band.bottomLeft(), band.bottomRight());
}

} // namespace

bool draw_scene_picture(QPainter &painter, const QString &name, QSizeF size)
{
    if (name.endsWith(QStringLiteral("_Polosa_Body")) || name.contains(QStringLiteral("_Line_"))) {
        draw_strip(painter, size);
        return true;
    }
    return false;
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
