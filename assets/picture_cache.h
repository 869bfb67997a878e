#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace art {

// Draws a picture of `size` logical pixels into a painter whose origin is the picture's corner.
using Drawing = std::function<void(QPainter &painter, QSizeF size)>;

// The picture `name` at `size` for a device pixel ratio, drawn once and kept: pictures stay sharp
// on dense screens and cost nothing to paint again.
QPixmap cached(const QString &name, QSize size, qreal device_pixel_ratio, const Drawing &draw);

} // namespace art
