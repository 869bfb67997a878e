// The trainer's entry point: the model and its nine windows, the clock that drives the model,
// the recorded session, the message loop.
#include "app/application.h"
#include "app/class_member.h"
#include "app/course_guide.h"
#include "app/display_retries.h"
#include "app/documents.h"
#include "app/exercise_library.h"
#include "app/fonts.h"
#include "app/history_service.h"
#include "app/instructor_station.h"
#include "app/qt_ui_port.h"
#include "app/station_service.h"
#include "app/trainee_name.h"
#include "app/trainer_session.h"
#include "assets/icon_art.h"
#include "sessions/session_writer.h"
#include "training/score.h"
#include "ui/Unit_main.h"

#include <QDateTime>
#include <QMessageBox>
#include <QSettings>

#include <cstdlib>
#include <filesystem>
#include <optional>

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
        const std::filesystem::path sessions =
            zun::sessions_folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"),
                                 ZunApplication::applicationDirPath().toStdString());
        // The user's settings, falling back to the system-wide ones under /etc/xdg.
        const QSettings settings(QStringLiteral("zun-trainer"), QStringLiteral("zun-trainer"));
        // Made once for the program: the windows are rebuilt when the trainee goes back or a
        // replay seeks, and each new set uses these.
        const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
        HistoryService history(
            settings, sessions,
            QString::fromStdString((sessions.parent_path() / "history.sqlite").string()),
            reference);
        // This PC as a station of its centre's class, when the history is the centre's; made
        // before the session, so that it sends the session's end line when it goes.
        StationService station_link(
            settings, QString::fromStdString((sessions.parent_path() / "history.sqlite").string()),
            {QString::fromStdString(host_name()), QString::fromStdString(login_name()),
             QStringLiteral(ZUN_VERSION), QDateTime::currentDateTime()},
            sessions);
        // Made once the session's clock exists.
        InstructorStation *instructor = nullptr;
        CourseGuide *course = nullptr;
        TrainerSession session(
            ui_port, application.errors(),
            {sessions,
             "zun-trainer " ZUN_VERSION,
             login_full_name(),
             {},
             host_name(),
             login_name()},
            [&ui_port, &instructor, &course, &history, &reference](Forms &forms) {
                ui_port.attach(forms);
                forms.use_history(history, reference);
                if (instructor)
                    instructor->attach(forms);
                if (course)
                    course->attach(forms);
            });
        session.forms().store_sessions(); // what earlier sessions left, the live one aside
        InstructorStation station(session.clock());
        instructor = &station;
        const ExerciseLibrary library(document_places(), sessions.parent_path(), &history);
        station.follow(session, library);
        CourseGuide guide(library, history, session,
                          settings.value(QStringLiteral("course/name")).toString().toStdString(),
                          [&session](const QString &question) {
                              return QMessageBox::question(&session.forms().main(),
                                                           QStringLiteral("Курс"),
                                                           question) == QMessageBox::Yes;
                          });
        course = &guide;
        std::optional<ClassMember> member;
        if (station_link.in_class())
            member.emplace(station_link, session, library, [&session](const QString &text) {
                auto *box = new QMessageBox(QMessageBox::Information,
                                            QStringLiteral("Сообщение инструктора"), text,
                                            QMessageBox::Ok, &session.forms().main());
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->show();
            });
        if (member) {
            guide.await_lesson();
            QObject::connect(&*member, &ClassMember::lesson_known, &guide,
                             &CourseGuide::lesson_known);
        }
        guide.attach(session.forms());
        QObject::connect(
            &guide, &CourseGuide::offer_done, &guide, [&session](const QString &problem) {
                if (!problem.isEmpty())
                    QMessageBox::warning(&session.forms().main(), QStringLiteral("Курс"),
                                         QStringLiteral("Упражнение не начато: %1").arg(problem));
            });
        if (InstructorStation::asked_for(ZunApplication::arguments()))
            station.window().open_on_request(nullptr);
        ZunApplication::exec();
        session.end();
        ui_port.detach();
    } catch (...) {
        ErrorReporter::show_error_box(current_exception_message());
    }
    return 0;
}
