// The trainer's entry point: the model and its nine windows, the clock that drives the model,
// the message loop.
#include "app/application.h"
#include "app/clock_driver.h"
#include "app/display_retries.h"
#include "app/fonts.h"
#include "app/forms.h"
#include "app/qt_ui_port.h"
#include "assets/icon_art.h"
#include "training/session_writer.h"

#include <QSettings>

#include <cstdlib>

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
        // The user's settings, falling back to the system-wide ones under /etc/xdg.
        const QSettings settings(QStringLiteral("zun-trainer"), QStringLiteral("zun-trainer"));
        forms.open_history(settings, zun::sessions_folder(
                                         std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                                         ZunApplication::applicationDirPath().toStdString()));
        ClockDriver clock(forms.sim().scheduler, application.errors());
        QObject::connect(&clock, &ClockDriver::advanced, &clock, [&forms] { forms.refresh(); });
        clock.start();
        ZunApplication::exec();
        ui_port.detach();
    } catch (...) {
        ErrorReporter::show_error_box(current_exception_message());
    }
    return 0;
}
