#pragma once

#include "app/forms.h"
#include "sim/ui_port.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"

#include <gtest/gtest.h>

// The program's windows on a recording port, with the main window shown. `advance` runs the
// virtual clock, after which the windows follow the model, as with the program's clock driver.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() { forms.main().show(); }

    void advance(zun::Millis duration) { dispatcher.advance_by(duration); }

    zun::RecordingUiPort ui_port;
    Forms forms{ui_port};
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
};
