#pragma once

#include "sim/door.h"

class ConsoleFrame;
class QWidget;
class ViewClock;

// Builds the frame of the console control in row `control` of the console layout on its page,
// with the console's settings; its animations run on `clock`.
ConsoleFrame *create_console_frame(zun::Door door, int control, ViewClock &clock, QWidget *page);
