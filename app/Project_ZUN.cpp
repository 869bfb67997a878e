// The trainer's entry point: the model and its nine windows, the clock that drives the model,
// the message loop.
#include "app/application.h"
#include "app/clock_driver.h"
#include "app/display_retries.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/instructor_station.h"
#include "app/qt_ui_port.h"
#include "assets/icon_art.h"

int main(int argc, char *argv[])
{
    const DisplayRetries display_retries(argc, argv);
    ZunApplication application(argc, argv);
    display_retries.application_made();
    // The launcher's name lets the desktop match the windows to it.
    ZunApplication::setDesktopFileName(QStringLiteral(ZUN_APP_ID));
    ZunApplication::setWindowIcon(art::trainer_icon());
    try {
        install_application_font();
        QtUiPort ui_port;
        Forms forms(ui_port);
        ui_port.attach(forms);
        ClockDriver clock(forms.sim().scheduler, application.errors());
        QObject::connect(&clock, &ClockDriver::advanced, &clock, [&forms] { forms.refresh(); });
        InstructorStation instructor(forms, clock);
        if (InstructorStation::asked_for(ZunApplication::arguments()))
            instructor.window().open_on_request(nullptr);
        clock.start();
        ZunApplication::exec();
        ui_port.detach();
    } catch (...) {
        ErrorReporter::show_error_box(current_exception_message());
    }
    return 0;
}
