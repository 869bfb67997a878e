#pragma once

#include <QSizeF>

class QPainter;

namespace art {

// The start screen's picture, 671 x 315: the slitting line under a pale sky, on white, which the
// start window keys out.
void draw_start_picture(QPainter &painter, QSizeF size);

} // namespace art
