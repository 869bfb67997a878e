// The instructor's station: the centre's class in a window, over the centre's PostgreSQL that the
// history's settings name, with the instructor's login as the user.
#include "app/application.h"
#include "app/fonts.h"
#include "assets/icon_art.h"
#include "instructor/class_room.h"
#include "instructor/class_window.h"
#include "store/history_connection.h"

#include <QSettings>

int main(int argc, char *argv[])
{
    ZunApplication application(argc, argv);
    ZunApplication::setDesktopFileName(QStringLiteral(ZUN_INSTRUCTOR_APP_ID));
    ZunApplication::setWindowIcon(art::trainer_icon());
    try {
        install_application_font();
        // The user's settings, falling back to the system-wide ones under /etc/xdg: the same as
        // the trainer's, so that one configuration serves a PC that runs both.
        const QSettings settings(QStringLiteral("zun-trainer"), QStringLiteral("zun-trainer"));
        ClassRoom room(history_connection(settings, QString()));
        ClassWindow window(room, mechanism_choices());
        window.show();
        room.refresh();
        ZunApplication::exec();
    } catch (...) {
        ErrorReporter::show_error_box(current_exception_message());
    }
    return 0;
}
