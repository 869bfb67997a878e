#include "class_member.h"

#include "app/exercise_library.h"
#include "app/station_service.h"
#include "app/trainer_session.h"
#include "sessions/input_lines.h"
#include "sim/picture_store.h"

#include <variant>

namespace {

constexpr double slowest = 0.25;
constexpr double fastest = 8;
const QString ok = QStringLiteral("ok");

} // namespace

ClassMember::ClassMember(StationService &station, TrainerSession &session,
                         const ExerciseLibrary &library, MessageShower show_message)
    : station_(station), session_(session), library_(library),
      show_message_(std::move(show_message))
{
    session_.mark_time_every(time_mark_interval.count());
    connect(&session_, &TrainerSession::recording_changed, this, [this] { follow_file(); });
    connect(&station_, &StationService::commands_arrived, this,
            [this](const std::vector<ClassCommand> &commands) {
                for (const ClassCommand &command : commands)
                    if (const QString answer = carry_out(command.id, command.line);
                        !answer.isEmpty())
                        station_.confirm(command.id, answer);
            });
    follow_file();
    resume_lesson();
}

void ClassMember::follow_file()
{
    if (session_.current_file().empty())
        return; // a replay runs: the live file follows when it ends
    station_.follow({QString::fromStdString(session_.current_file().string()),
                     QString::fromStdString(session_.live_id()),
                     QString::fromStdString(session_.trainee())});
}

// An examination the instructor set holds across the program's restarts: it begins again, in a
// file of its own, until the instructor ends it.
void ClassMember::resume_lesson()
{
    station_.fetch_lesson(this,
                          [this](std::optional<ClassLesson> lesson, const StationLink::State &) {
                              if (lesson == ClassLesson::Exam)
                                  session_.begin_exam();
                              emit lesson_known();
                          });
}

QString ClassMember::carry_out(qint64 id, const QString &line)
{
    const QString trimmed = line.trimmed();
    const QString verb = trimmed.section(u' ', 0, 0);
    const QString rest = trimmed.section(u' ', 1).trimmed();
    ClockDriver &clock = session_.clock();
    if (trimmed == QStringLiteral("freeze") || trimmed == QStringLiteral("run")) {
        clock.set_frozen(trimmed == QStringLiteral("freeze"));
        return ok;
    }
    if (verb == QStringLiteral("speed")) {
        bool number = false;
        const double factor = rest.toDouble(&number);
        if (!number || factor < slowest || factor > fastest)
            return QStringLiteral("скорость от 0.25 до 8, а не «%1»").arg(rest);
        clock.set_speed(factor);
        return ok;
    }
    if (trimmed == QStringLiteral("lesson exam")) {
        session_.begin_exam();
        return ok;
    }
    if (verb == QStringLiteral("trainee")) {
        if (rest.isEmpty())
            return QStringLiteral("не задано имя обучаемого");
        session_.set_trainee(rest.toStdString());
        return ok;
    }
    if (verb == QStringLiteral("message")) {
        show_message_(rest);
        return ok;
    }
    if (verb == QStringLiteral("exercise"))
        return start_exercise(id, rest);
    // The rest are the line's own inputs: lesson training and the malfunctions.
    if (trimmed != QStringLiteral("lesson training") && verb != QStringLiteral("fault"))
        return QStringLiteral("неизвестная команда «%1»").arg(trimmed);
    if (session_.replaying())
        return QStringLiteral("идёт воспроизведение: команда не выполнена");
    try {
        const std::string text = trimmed.toStdString();
        const zun::PictureStore no_pictures;
        const std::optional<zun::Input> input =
            zun::script::parse_input(zun::script::split(text), no_pictures);
        session_.forms().dispatcher().apply(*input);
        session_.forms().refresh();
        return ok;
    } catch (const zun::script::BadLine &bad) {
        return QString::fromStdString(bad.what());
    }
}

QString ClassMember::start_exercise(qint64 id, const QString &name)
{
    library_.fetch_named_start(
        name.toStdString(), this,
        [this, id](std::optional<zun::Exercise> exercise, zun::StartState start) {
            const std::string why =
                start.simulator ? session_.start_exercise(*exercise, std::move(start.simulator))
                                : start.error;
            station_.confirm(id, why.empty() ? ok : QString::fromStdString(why));
        });
    return {};
}
