#pragma once

#include <QPointF>
#include <QSizeF>

class QPainter;

// The pointer windows' pictures, on white: white is keyed out of their windows. Drawn without
// antialiasing, so that no pale fringe survives the keying.
namespace art {

// A red target marker, 105 x 105.
void draw_target_marker(QPainter &painter, QSizeF size);
// A hand pointing up at a control, 104 x 112.
void draw_pointing_hand(QPainter &painter, QSizeF size);
// Where the tip of the hand's index finger lies in its picture of that size.
QPointF pointing_hand_fingertip(QSizeF size);

} // namespace art
