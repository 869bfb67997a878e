#pragma once

#include <QColor>
#include <QSizeF>

class QPainter;

// The consoles' pictures, drawn as vectors into a picture of the given size.
namespace art {

// The colours of the consoles.
inline const QColor console_panel(212, 208, 200); // the frames' grey
inline const QColor header_strip(190, 186, 178);
inline const QColor key_plate(255, 251, 240);   // cream
inline const QColor button_face(192, 220, 192); // money green
inline const QColor button_face_red(220, 40, 30);
inline const QColor lamp_glass(192, 192, 192); // silver
inline const QColor lamp_rim(128, 0, 0);       // maroon

// A rotary key handle turned by `degrees` (negative: to the left), 40 x 40.
void draw_key_handle(QPainter &painter, QSizeF size, int degrees);
// A knob with its marker in position 0 (level), 1 (up to the left) or 2 (up to the right).
void draw_knob(QPainter &painter, QSizeF size, int position);
// The ammeter's dial with its scale, and its needle in position 1 (far left) .. 5 (far right).
void draw_ammeter_dial(QPainter &painter, QSizeF size);
void draw_ammeter_needle(QPainter &painter, QSizeF size, int position);

} // namespace art
