#pragma once

#include "sim/door.h"

class QWidget;

// Builds the frame of the console control in row `control` of the console layout on its page,
// with the console's settings.
QWidget *create_console_frame(zun::Door door, int control, QWidget *page);
