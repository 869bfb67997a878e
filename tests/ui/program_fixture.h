#pragma once

#include "app/forms.h"
#include "sim/ui_port.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"

#include <gtest/gtest.h>

// The program's windows on a recording port, with the main window shown. `advance` runs the
// virtual clock and then refreshes the windows, as the program's clock driver does.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { forms.main().show(); }

    void advance(zun::Millis duration)
    {
        sim.scheduler.advance_by(duration);
        forms.refresh();
    }

    zun::RecordingUiPort ui_port;
    Forms forms{ui_port};
    zun::Simulator &sim = forms.sim();
};
