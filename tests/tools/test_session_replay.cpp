#include "sim/state_hash.h"
#include "tools/sim_runner.h"
#include "training/session_file.h"

#include <gtest/gtest.h>

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

TEST(SessionReplay, RefusesABadLineWithItsNumberInTheFile)
{
    const Replay result = replay(std::string(session_inputs) + "\n# note\nadvance -5\n", false);
    EXPECT_EQ(result.status, SimRunner::ScriptError);
    EXPECT_EQ(result.errors, "line 9: a duration cannot be negative: -5\n");
}

} // namespace
