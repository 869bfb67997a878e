#pragma once

#include <QIcon>
#include <QSizeF>

class QPainter;

namespace art {

// The trainer's icon on a square of any size: a coil on the uncoiler whose strip runs through
// the disc shears and leaves as three narrow strips, on a rounded steel-blue tile.
void draw_trainer_icon(QPainter &painter, QSizeF size);

// The icon at the sizes a window title, a task bar and a launcher ask for.
QIcon trainer_icon();

} // namespace art
