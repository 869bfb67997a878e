// Mutated copies of a recorded session through what `zun-sim --check` and `zun-sim --report` do:
// whatever a careless or hostile hand makes of a session file, the runner answers with one of its
// exit statuses and a short message, never a crash, a hang or undefined behaviour (the sanitizer
// build runs it). ZUN_FUZZ_COPIES and ZUN_FUZZ_SEED run a bigger or another batch.
#include "runner/session_report.h"
#include "runner/sim_runner.h"
#include "sessions/input_lines.h"
#include "sessions/session_recorder.h"
#include "training/report.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A copy that would run the clock for hours is given up after this much virtual time: the
// parsing and the model's answers are what is tried here.
constexpr zun::Millis most_virtual_time = 3'600'000;
constexpr std::size_t longest_message = 1024;

long from_environment(const char *name, long otherwise)
{
    const char *value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : otherwise;
}

// A session of a trainee and an instructor, recorded as the program records it.
std::string recorded_session()
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zun_fuzz_recorded_session";
    std::filesystem::remove_all(folder);
    zun::RecordingUiPort port;
    zun::Dispatcher dispatcher(port);
    const zun::LineModel &sim = dispatcher.model();
    zun::SessionRecorder recorder(dispatcher, folder, std::tm{},
                                  {"zun-trainer test", "2026-12-10 09:00:00", "Пётр", "", "pc",
                                   "petr", zun::new_session_id()});
    const char *lines[] = {"window shown",          "mode 0",
                           "tab TabSheet_Post_1",   "newcoil",
                           "key Frame_45_Key_Fix_1 press right",
                           "key Frame_45_Key_Fix_1 release right",
                           "fwd 10",                "lesson exam",
                           "fault 1 drive on",      "fwd 1",
                           "halt 1",                "fault clear",
                           "find 3",                "lesson training",
                           "mode 1",                "step 12",
                           "pass",                  "drag press 300",
                           "drag move 280",         "drag release",
                           "window width 900",      "beep down",
                           "beep up"};
    for (const char *line : lines) {
        dispatcher.advance_by(700);
        const std::optional<zun::Input> input =
            zun::script::parse_input(zun::script::split(line), sim.pictures);
        EXPECT_TRUE(input) << line;
        dispatcher.apply(*input);
    }
    dispatcher.advance_by(2000);
    recorder.end();
    std::string text = zun::read_session_file(recorder.path()).text;
    std::filesystem::remove_all(folder);
    return text;
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    return lines;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : random_(seed) {}

    std::string mutated(const std::string &text)
    {
        std::string copy = text;
        const int count = pick(1, 4);
        for (int i = 0; i < count && !copy.empty(); ++i)
            mutate(copy);
        return copy;
    }

private:
    int pick(int lowest, int highest)
    {
        return std::uniform_int_distribution<int>(lowest, highest)(random_);
    }
    std::size_t place(std::size_t size)
    {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(random_);
    }

    void mutate(std::string &text)
    {
        static const std::vector<std::string> numbers{
            "0", "-1", "1", "10", "199", "200", "49", "50", "126", "127", "2147483648",
            "-9223372036854775808", "9223372036854775807", "99999999999999999999",
            "316224000000", "316223999999", "1e3", "0x10", ""};
        static const std::vector<std::string> lines{
            "advance 316224000000\n", "until stage 48 within 5000\n", "# end hash=0\n",
            "# trainee: x\nlesson exam\n", "show picture Image_Fon2\n", "show explanation 49\n",
            "page 4294967306\n", "\xff\xfe\x00\x01\n", "\n\n\r\n", "# stage 99\n"};
        std::vector<std::string> parts = lines_of(text);
        switch (pick(0, 7)) {
        case 0: // a byte changed to anything
            text[place(text.size())] = static_cast<char>(pick(0, 255));
            return;
        case 1: // a line left out
            parts.erase(parts.begin() + std::ptrdiff_t(place(parts.size())));
            break;
        case 2: // a line twice
            parts.insert(parts.begin() + std::ptrdiff_t(place(parts.size())),
                         parts[place(parts.size())]);
            break;
        case 3: // two lines swapped
            std::swap(parts[place(parts.size())], parts[place(parts.size())]);
            break;
        case 4: { // a number replaced by one at or beyond its edges
            std::string &line = parts[place(parts.size())];
            const std::size_t space = line.rfind(' ');
            if (space != std::string::npos)
                line = line.substr(0, space + 1) + numbers[place(numbers.size())] + "\n";
            break;
        }
        case 5: // a line of the runner's own, or of bytes, put in
            parts.insert(parts.begin() + std::ptrdiff_t(place(parts.size())),
                         lines[place(lines.size())]);
            break;
        case 6: // cut short, as a killed program leaves it
            text.resize(place(text.size()));
            return;
        default: // a huge line
            parts.insert(parts.begin() + std::ptrdiff_t(place(parts.size())),
                         std::string(std::size_t(pick(1, 200'000)),
                                     static_cast<char>(pick(1, 255))) + "\n");
            break;
        }
        text.clear();
        for (const std::string &part : parts)
            text += part;
    }

    std::mt19937 random_;
};

SimRunner::Progress give_up_late()
{
    return [](zun::Millis reached) { return reached < most_virtual_time; };
}

void expect_an_exit_status(SimRunner::ExitStatus status, const std::string &messages,
                           const std::string &copy)
{
    EXPECT_TRUE(status == SimRunner::Completed || status == SimRunner::Failed ||
                status == SimRunner::ScriptError || status == SimRunner::Cancelled)
        << status;
    EXPECT_LT(messages.size(), longest_message) << copy.substr(0, 300);
}

// As `zun-sim --check FILE` runs it.
void check(const std::string &copy)
{
    std::istringstream in(copy);
    const zun::SessionScript session = zun::read_session(in);
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    runner.set_progress(give_up_late());
    expect_an_exit_status(runner.replay(session, true, errors), errors.str(), copy);
}

// As `zun-sim --report FILE` and `--report-html` run it.
void report(const std::string &copy, const zun::ReferenceTimes &reference)
{
    std::istringstream in(copy);
    const zun::SessionScript session = zun::read_session(in);
    AssessedReplay replay;
    replay.set_progress(give_up_late());
    std::ostringstream errors;
    const SimRunner::ExitStatus status = replay.replay(session, errors);
    expect_an_exit_status(status, errors.str(), copy);
    if (status != SimRunner::Completed)
        return;
    const zun::Report made = replay.report(reference);
    EXPECT_TRUE(zun::report_lines(made).starts_with("score="));
    EXPECT_FALSE(zun::report_html(made, "fuzz").empty());
}

TEST(ZunSimFuzz, MutatedSessionsGetAnExitStatusAndAShortMessage)
{
    const std::string session = recorded_session();
    {
        std::istringstream in(session);
        std::ostringstream out;
        std::ostringstream errors;
        SimRunner runner(out);
        ASSERT_EQ(runner.replay(zun::read_session(in), true, errors), SimRunner::Completed)
            << errors.str();
    }
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    const long copies = from_environment("ZUN_FUZZ_COPIES", 40);
    const auto seed = static_cast<unsigned>(from_environment("ZUN_FUZZ_SEED", 39));
    Mutator mutator(seed);
    for (long i = 0; i < copies; ++i) {
        SCOPED_TRACE("copy " + std::to_string(i) + " of seed " + std::to_string(seed));
        const std::string copy = mutator.mutated(session);
        check(copy);
        report(copy, reference);
    }
}

} // namespace
