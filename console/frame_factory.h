#pragma once

#include "sim/door.h"

class ConsoleFrame;
class QWidget;

// Builds the frame of the console control in row `control` of the console layout on its page,
// with the console's settings.
ConsoleFrame *create_console_frame(zun::Door door, int control, QWidget *page);
