#pragma once

#include <QSizeF>
#include <QString>

class QPainter;

// The pictures of the scene and its close-ups, drawn by name into a picture of their size.
namespace art {

// Draws the picture `name`; false where the art has no drawing of it yet.
bool draw_scene_picture(QPainter &painter, const QString &name, QSizeF size);

// A plain stand-in for a picture without art: its outline and its name.
void draw_stand_in(QPainter &painter, const QString &name, QSizeF size);

} // namespace art
