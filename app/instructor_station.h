#pragma once

#include "ui/instructor_pin.h"
#include "ui/instructor_window.h"

#include <QSettings>

class ClockDriver;
class Forms;

// The instructor's place in the program: the window with its PIN in the settings, told of every
// input and of every advance of the clock, its freeze and speed handed to the clock's driver, and
// opened by Ctrl+I in the main window.
class InstructorStation final {
public:
    InstructorStation(Forms &forms, ClockDriver &clock);
    InstructorStation(const InstructorStation &) = delete;
    InstructorStation &operator=(const InstructorStation &) = delete;
    ~InstructorStation();

    InstructorWindow &window() { return window_; }

    // Whether the program's arguments ask for the instructor's window at the start.
    static bool asked_for(const QStringList &arguments);

private:
    Forms &forms_;
    QSettings settings_;
    InstructorPin pin_;
    InstructorWindow window_;
};
