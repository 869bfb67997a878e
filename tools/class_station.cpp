#include "class_station.h"

#include "runner/sim_runner.h"
#include "sessions/input_lines.h"
#include "sessions/session_recorder.h"
#include "sessions/session_writer.h"
#include "store/history_connection.h"
#include "store/history_error.h"
#include "store/station_link.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QSettings>
#include <QThread>

#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <ostream>
#include <string>

namespace {

constexpr std::chrono::milliseconds push_period{250};
constexpr zun::Millis time_mark_interval = 1000;

std::string this_host()
{
    std::array<char, 256> name{};
    return gethostname(name.data(), name.size() - 1) == 0 ? std::string(name.data()) : "";
}

std::string this_account()
{
    const char *user = std::getenv("USER");
    return user ? user : "";
}

std::tm local_now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

// The script's line run on the wall clock: an advance in steps of a push period's virtual time,
// each taking its share of wall time, the file told the time and pushed between them.
class PacedStation {
public:
    PacedStation(double pace, SimRunner &runner, zun::SessionRecorder &recorder, StationLink &link)
        : pace_(pace), runner_(runner), recorder_(recorder), link_(link)
    {
        wall_.start();
    }

    void run(std::string_view line)
    {
        const std::vector<std::string_view> words = zun::script::split(line);
        if (words.size() == 2 && words[0] == "advance") {
            advance(zun::script::parse_number(words[1]));
            return;
        }
        runner_.run_line(line);
        push_when_due();
    }

    void advance(zun::Millis duration)
    {
        const auto step =
            static_cast<zun::Millis>(static_cast<double>(push_period.count()) * pace_);
        for (zun::Millis done = 0; done < duration;) {
            const zun::Millis now = std::min(step, duration - done);
            runner_.run_line("advance " + std::to_string(now));
            done += now;
            virtual_ran_ += now;
            recorder_.mark_time(time_mark_interval);
            const auto due = static_cast<qint64>(static_cast<double>(virtual_ran_) / pace_);
            if (due > wall_.elapsed())
                QThread::msleep(static_cast<unsigned long>(due - wall_.elapsed()));
            push_when_due();
        }
    }

private:
    void push_when_due()
    {
        if (wall_.elapsed() - last_push_ < push_period.count())
            return;
        last_push_ = wall_.elapsed();
        link_.push();
    }

    double pace_;
    SimRunner &runner_;
    zun::SessionRecorder &recorder_;
    StationLink &link_;
    QElapsedTimer wall_;
    zun::Millis virtual_ran_ = 0;
    qint64 last_push_ = 0;
};

} // namespace

int play_as_station(double pace, const char *script_path, std::ostream &out, std::ostream &errors)
{
    std::ifstream script(script_path);
    if (!script) {
        errors << "zun-sim: cannot read " << script_path << '\n';
        return SimRunner::ScriptError;
    }
    const QSettings settings(QStringLiteral("zun-trainer"), QStringLiteral("zun-trainer"));
    HistoryConnection connection;
    try {
        connection = history_connection(settings, QString());
    } catch (const HistoryError &error) {
        errors << "zun-sim: " << error.text().toStdString() << '\n';
        return SimRunner::ScriptError;
    }
    if (connection.engine != HistoryConnection::Engine::PostgreSQL) {
        errors << "zun-sim: the history's settings name no centre's PostgreSQL: no class to join\n";
        return SimRunner::ScriptError;
    }
    const std::filesystem::path folder = zun::sessions_folder(
        std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), std::filesystem::current_path());
    zun::SessionHeader header;
    header.program = "zun-sim";
    header.trainee = "zun-sim";
    header.station = this_host();
    header.account = this_account();
    header.id = zun::new_session_id();
    const std::tm started = local_now();
    char started_text[32];
    std::strftime(started_text, sizeof started_text, "%Y-%m-%d %H:%M:%S", &started);
    header.started = started_text;

    SimRunner runner(out);
    zun::SessionRecorder recorder(runner.dispatcher(), folder, started, header);
    if (recorder.failed()) {
        errors << "zun-sim: " << recorder.error() << '\n';
        return SimRunner::ScriptError;
    }
    StationLink link(connection, {QString::fromStdString(header.station),
                                  QString::fromStdString(header.account), QStringLiteral("zun-sim"),
                                  QDateTime::currentDateTime()});
    const StreamedSession session{QString::fromStdString(recorder.path().string()),
                                  QString::fromStdString(header.id),
                                  QString::fromStdString(header.trainee)};
    link.follow(session);
    PacedStation station(pace, runner, recorder, link);
    int number = 0;
    for (std::string line; std::getline(script, line);) {
        ++number;
        try {
            station.run(line);
        } catch (const std::exception &error) {
            errors << "line " << number << ": " << error.what() << '\n';
            recorder.end("the script stopped at a bad line");
            link.push();
            return SimRunner::ScriptError;
        }
    }
    recorder.end();
    link.push();
    if (!link.state().connected) {
        errors << "zun-sim: the class's server is away, the rest of the session waits in "
               << recorder.path().string() << ": " << link.state().away_reason.toStdString()
               << '\n';
        return SimRunner::Failed;
    }
    out << "station " << connection.user.toStdString() << ": session " << header.id << " in "
        << recorder.path().string() << ", streamed to the class\n";
    return SimRunner::Completed;
}
