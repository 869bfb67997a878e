#pragma once

#include "sim/inputs.h"

#include <QPoint>

#include <optional>

class Forms;

// Where on the screen the trainee's mouse is for an input: the middle of the key, tab, button,
// list line or picture it goes to. Nothing for an input without a place (a command typed to a
// mechanism, the window's own size or scroll).
std::optional<QPoint> pointer_target(const Forms &forms, const zun::Input &input);
