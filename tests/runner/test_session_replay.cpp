#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "sessions/session_recorder.h"
#include "sim/state_hash.h"
#include "sim/ui_port.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr const char *session_inputs = "# program: zun-trainer 0.1\n"
                                       "# trainee: Пётр\n"
                                       "advance 3000\n"
                                       "newcoil\n"
                                       "fwd 72\n"
                                       "advance 2500\n";

std::string hash_after_inputs()
{
    std::ostringstream out;
    SimRunner runner(out);
    std::istringstream script(session_inputs);
    EXPECT_EQ(runner.run(script, out), SimRunner::Completed);
    return zun::hash_text(zun::state_hash(runner.sim()));
}

struct Replay {
    SimRunner::ExitStatus status;
    std::string errors;
    long long time;
};

Replay replay(const std::string &file, bool check)
{
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    std::istringstream in(file);
    const SimRunner::ExitStatus status = runner.replay(zun::read_session(in), check, errors);
    return {status, errors.str(), runner.sim().scheduler.now()};
}

TEST(SessionReplay, ChecksTheFinalStateAgainstTheEndLine)
{
    const std::string hash = hash_after_inputs();
    struct Case {
        std::string file;
        SimRunner::ExitStatus expected;
        std::string message;
    };
    const Case cases[] = {
        {session_inputs + zun::end_line(hash), SimRunner::Completed, ""},
        {session_inputs + zun::end_line("0123456789abcdef"), SimRunner::Failed,
         "recorded=0123456789abcdef replayed=" + hash},
        {session_inputs, SimRunner::Failed, "no end line"},
    };
    for (const Case &c : cases) {
        const Replay result = replay(c.file, true);
        EXPECT_EQ(result.status, c.expected) << c.file;
        EXPECT_NE(result.errors.find(c.message), std::string::npos) << result.errors;
        EXPECT_EQ(result.time, 5500);
    }
}

TEST(SessionReplay, AKilledSessionReplaysUpToItsLastWholeLine)
{
    const Replay result = replay(std::string(session_inputs) + "advance 12", false);
    EXPECT_EQ(result.status, SimRunner::Completed);
    EXPECT_EQ(result.time, 5500);
    EXPECT_NE(result.errors.find("warning: the last line was cut short"), std::string::npos);
}

// The inputs of a session the program never ended, applied at their times.
void give_inputs(zun::Dispatcher &dispatcher)
{
    dispatcher.advance_to(3000);
    dispatcher.apply(zun::input::NewCoil{});
    dispatcher.advance_to(5500);
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher.apply(zun::input::StepClick{30});
}

// Each input reaches the file before the model: a program killed outright, with nothing of it
// left to flush, leaves a file that replays to its last input and is not checkable.
TEST(SessionReplay, AProgramKilledOutrightLeavesAFileThatReplaysToItsLastInput)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zun_session_killed_outright";
    std::filesystem::remove_all(folder);
    const auto record_until_killed = [&folder] {
        zun::RecordingUiPort port;
        zun::Dispatcher dispatcher(port);
        zun::SessionRecorder recorder(dispatcher, folder, std::tm{},
                                      {"zun-trainer test", "", "", "", "", "", ""});
        give_inputs(dispatcher);
        dispatcher.advance_by(7000); // the clock runs on; no input comes before the kill
        std::raise(SIGKILL);
    };
    EXPECT_EXIT(record_until_killed(), testing::KilledBySignal(SIGKILL), "");

    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);
    const std::filesystem::path file = *std::filesystem::directory_iterator(folder);
    std::ifstream in(file);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove_all(folder);

    zun::RecordingUiPort port;
    zun::Dispatcher live(port);
    give_inputs(live);
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    std::istringstream script(text);
    EXPECT_EQ(runner.replay(zun::read_session(script), false, errors), SimRunner::Completed)
        << errors.str() << text;
    EXPECT_EQ(runner.sim().scheduler.now(), 5500);
    EXPECT_EQ(zun::state_hash(runner.sim()), zun::state_hash(live.model()));
    const Replay checked = replay(text, true);
    EXPECT_EQ(checked.status, SimRunner::Failed);
    EXPECT_NE(checked.errors.find("no end line"), std::string::npos) << checked.errors;
}

TEST(SessionReplay, RefusesABadLineWithItsNumberInTheFile)
{
    const Replay result = replay(std::string(session_inputs) + "\n# note\nadvance -5\n", false);
    EXPECT_EQ(result.status, SimRunner::ScriptError);
    EXPECT_EQ(result.errors, "line 9: a duration cannot be negative: -5\n");
}

} // namespace
