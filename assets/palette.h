#pragma once

#include <QColor>

// One palette for the whole line, light falling from the upper left.
namespace art::palette {

inline const QColor steel(150, 158, 168);
inline const QColor steel_light(204, 210, 218);
inline const QColor steel_edge(62, 68, 78);
inline const QColor frame_dark(66, 72, 82);
inline const QColor machine_green(104, 128, 112);
inline const QColor safety_yellow(238, 196, 0);

} // namespace art::palette
