#pragma once

#include <QSizeF>
#include <QString>

class QPainter;

namespace art {

// Draws the strip's and the coils' pictures by name; false for any other name.
bool draw_strip_picture(QPainter &painter, const QString &name, QSizeF size);

} // namespace art
