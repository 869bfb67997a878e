// The trainer's entry point: the nine windows, the clock that drives the model, the message loop.
#include "app/application.h"
#include "app/clock_driver.h"
#include "app/display_retries.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/qt_ui_port.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"

int main(int argc, char *argv[])
{
    const DisplayRetries display_retries(argc, argv);
    ZunApplication application(argc, argv);
    display_retries.application_made();
    try {
        install_application_font();
        QtUiPort ui_port;
        const Forms forms(ui_port);
        ClockDriver clock(Form_Main_ZUN->sim.scheduler, application.errors());
        QObject::connect(&clock, &ClockDriver::advanced, Form_Main_ZUN,
                         &TForm_Main_ZUN::refresh_from_model);
        QObject::connect(&clock, &ClockDriver::advanced, Form_Steps,
                         &TForm_Steps::refresh_from_model);
        clock.start();
        ZunApplication::exec();
    } catch (...) {
        ErrorReporter::show_error_box(current_exception_message());
    }
    return 0;
}
