// zun-sim: runs the trainer's model without windows from a script (standard input), replays or
// checks a session file, reports how the trainee did in it (--report, --report-html), runs an
// exercise with a script as its trainee and reports it (--exercise), or measures a number of
// automatic cycles of the scenario (--bench N), or plays a script as a station of the centre's
// class (--station PACE SCRIPT).
#include "class_station.h"
#include "runner/session_report.h"
#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "training/exercise_start.h"
#include "training/report.h"
#include "training/score.h"

#include <QCoreApplication>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: zun-sim [SCRIPT] | zun-sim --check SESSION_FILE | zun-sim --report "
                 "SESSION_FILE | zun-sim --report-html HTML_FILE SESSION_FILE | zun-sim --exercise "
                 "EXERCISE [SCRIPT] | zun-sim --bench CYCLES | zun-sim --station PACE SCRIPT\n";
    return SimRunner::ScriptError;
}

// The count's own range is the runner's to judge: it says which counts the clock can hold.
int bench(SimRunner &runner, std::string_view count)
{
    long long cycles = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), cycles);
    if (error != std::errc() || end != count.data() + count.size())
        return usage();
    return runner.bench(cycles, std::cerr);
}

// What is not a regular file is refused unread: a folder cannot be read, a device may never end
// and a pipe may block for good.
std::optional<zun::SessionScript> read(const char *path)
{
    const zun::SessionFileText file = zun::read_session_file(path);
    if (!file.error.empty()) {
        std::cerr << "zun-sim: " << file.error << '\n';
        return std::nullopt;
    }
    std::istringstream text(file.text);
    return zun::read_session(text);
}

int replay(SimRunner &runner, const char *path, bool check)
{
    const std::optional<zun::SessionScript> session = read(path);
    return session ? runner.replay(*session, check, std::cerr) : SimRunner::ScriptError;
}

// The report of a session that replayed to its end: as lines on standard output, or as an HTML
// page written to `html_path`.
int report(const char *session_path, const char *html_path)
{
    const std::optional<zun::SessionScript> session = read(session_path);
    if (!session)
        return SimRunner::ScriptError;
    AssessedReplay replay;
    if (const SimRunner::ExitStatus status = replay.replay(*session, std::cerr);
        status != SimRunner::Completed)
        return status;
    const zun::Report report = replay.report(zun::ReferenceTimes::human_pace());
    if (!html_path) {
        std::cout << zun::report_lines(report);
        return SimRunner::Completed;
    }
    std::ofstream html(html_path);
    const zun::ReportHeading heading{session->header.trainee, session->header.started};
    html << zun::report_html(report, zun::report_title(heading, report.lesson));
    html.close();
    if (!html) {
        std::cerr << "zun-sim: cannot write " << html_path << '\n';
        return SimRunner::Failed;
    }
    return SimRunner::Completed;
}

std::optional<std::string> file_text(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The exercise's snapshot NAME is the file NAME.snapshot beside the exercise's own file.
zun::SnapshotFinder snapshots_beside(const std::filesystem::path &exercise_path)
{
    return [folder = exercise_path.parent_path()](std::string_view name) {
        return file_text(folder / (std::string(name) + ".snapshot"));
    };
}

// The script's output, then the report; the goal missed ends with Failed.
int run_exercise(const char *exercise_path, const char *script_path)
{
    const std::optional<std::string> text = file_text(exercise_path);
    if (!text) {
        std::cerr << "zun-sim: cannot read " << exercise_path << '\n';
        return SimRunner::ScriptError;
    }
    const zun::ReadExercise read = zun::read_exercise(*text);
    if (!read.exercise) {
        std::cerr << read.error << '\n';
        return SimRunner::ScriptError;
    }
    zun::StartState start = zun::start_state(read.exercise->start, snapshots_beside(exercise_path));
    if (!start.simulator) {
        std::cerr << "zun-sim: " << start.error << '\n';
        return SimRunner::ScriptError;
    }
    std::ifstream script_file;
    if (script_path) {
        script_file.open(script_path);
        if (!script_file) {
            std::cerr << "zun-sim: cannot read " << script_path << '\n';
            return SimRunner::ScriptError;
        }
    }
    AssessedReplay run(std::cout);
    run.runner().enter(std::move(start.simulator));
    run.begin_exercise(*read.exercise);
    if (const SimRunner::ExitStatus status =
            run.runner().run(script_path ? script_file : std::cin, std::cerr);
        status != SimRunner::Completed)
        return status;
    const zun::Report report = run.report(zun::ReferenceTimes::human_pace());
    std::cout << zun::report_lines(report);
    return report.exercise->verdict.met() ? SimRunner::Completed : SimRunner::Failed;
}

// A class's server is reached through Qt SQL, which needs the application object.
int station(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    double pace = 0;
    const std::string_view text = argv[2];
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pace);
    if (error != std::errc() || end != text.data() + text.size() || !(pace >= 0.25 && pace <= 1000))
        return usage();
    return play_as_station(pace, argv[3], std::cout, std::cerr);
}

} // namespace

int main(int argc, char *argv[])
{
    SimRunner runner(std::cout);
    if (argc == 1)
        return runner.run(std::cin, std::cerr);
    const std::string_view first = argv[1];
    if (first == "--bench")
        return argc == 3 ? bench(runner, argv[2]) : usage();
    if (first == "--check")
        return argc == 3 ? replay(runner, argv[2], true) : usage();
    if (first == "--report")
        return argc == 3 ? report(argv[2], nullptr) : usage();
    if (first == "--exercise")
        return argc == 3 || argc == 4 ? run_exercise(argv[2], argc == 4 ? argv[3] : nullptr)
                                      : usage();
    if (first == "--station")
        return argc == 4 ? station(argc, argv) : usage();
    if (first == "--report-html")
        return argc == 4 ? report(argv[3], argv[2]) : usage();
    if (argc > 2 || first.starts_with("--"))
        return usage();
    return replay(runner, argv[1], false);
}
