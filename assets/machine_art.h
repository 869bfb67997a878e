#pragma once

#include <QSizeF>

class QPainter;

namespace art {

// Draws position `position` of mechanism `mechanism` at the size of its picture; false where the
// mechanism has no picture of its own.
bool draw_machine(QPainter &painter, int mechanism, int position, QSizeF size);

} // namespace art
