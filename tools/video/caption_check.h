#pragma once

#include "tools/video/frame_composer.h"

#include <QString>
#include <QStringList>

// A caption must describe what its frame shows. What it names must be in sight: the windows it
// names in words ("окно шагов", "главное окно", "окно состояния") and every «quoted» name that a
// control of the windows carries (a key's caption, a button's or a choice's text). In sight means
// shown, inside the frame above the caption's band, and mostly not covered by a window above.
namespace video {

// What the frame's caption names that the frame does not show, one line each; empty when the
// frame shows all of it.
QStringList caption_problems(const Scene &scene);

} // namespace video
