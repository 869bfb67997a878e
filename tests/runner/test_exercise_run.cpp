// An exercise run headless: its session file holds the start, the lesson and the scripted
// malfunctions as inputs, and replays to the same report without the exercise.
#include "runner/session_report.h"
#include "sessions/session_file.h"
#include "sessions/session_recorder.h"
#include "sim/snapshot.h"
#include "training/exercise_start.h"
#include "training/report.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr std::string_view exercise_text = R"(name: Отказ привода тележки
start: step 3
lesson: exam
step 3: fault 1 drive on
at 20 s: fault 1 drive off
goal: steps 3-4 within 120 s
pass: 10
)";

// The trainee meets the failed drive, stops the car, and goes on once it is repaired.
constexpr std::string_view trainee = R"(fwd 1
advance 2000
halt 1
advance 20000
fwd 1
fwd 2
until stage 4 within 60000
advance 3000
rws 7
until stage 5 within 60000
)";

class ExerciseRun : public testing::Test {
protected:
    void TearDown() override { std::filesystem::remove_all(folder_); }

    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / ("zun_exercise_run_" + std::to_string(::getpid()));
};

TEST_F(ExerciseRun, ItsSessionFileReplaysToTheSameReportWithoutTheExercise)
{
    const zun::ReadExercise read = zun::read_exercise(exercise_text);
    ASSERT_TRUE(read.exercise) << read.error;
    zun::StartState start = zun::start_state(read.exercise->start, {});
    ASSERT_TRUE(start.simulator) << start.error;

    std::ostringstream shown;
    AssessedReplay live(shown);
    zun::SessionHeader header{"zun-trainer test", "2026-12-11 08:00:00", "Пётр", ""};
    header.exercise = read.exercise->name;
    header.goal = zun::goal_text(read.exercise->goal);
    header.start = zun::write_snapshot(start.simulator->state());
    live.runner().enter(std::move(start.simulator));
    std::filesystem::path file;
    {
        const std::tm local_time{};
        zun::SessionRecorder recorder(live.runner().dispatcher(), folder_, local_time, header);
        live.begin_exercise(*read.exercise);
        std::istringstream script{std::string(trainee)};
        std::ostringstream errors;
        ASSERT_EQ(live.runner().run(script, errors), SimRunner::Completed) << errors.str();
        recorder.end();
        file = recorder.path();
    }
    const auto reference = zun::ReferenceTimes::human_pace();
    const std::string live_lines = zun::report_lines(live.report(reference));
    EXPECT_NE(live_lines.find("lesson=exam\n"), std::string::npos) << live_lines;
    // Shown by the first pulse it refuses at once; stopped 2 s later; cleared at 20 s.
    const std::string began = std::to_string(live.runner().began());
    const std::string cleared = std::to_string(live.runner().began() + 20'000);
    EXPECT_NE(live_lines.find("fault=drive mech=1 set=" + began + " shown=" + began +
                              " reaction=2000 cleared=" + cleared + "\n"),
              std::string::npos)
        << live_lines;
    EXPECT_NE(live_lines.find("exercise=Отказ привода тележки\n"
                              "goal=steps 3-4 within 120 s, pass 10\ngoal_met=yes\n"),
              std::string::npos)
        << live_lines;

    std::ifstream in(file);
    const zun::SessionScript session = zun::read_session(in);
    EXPECT_EQ(session.header.start, header.start);
    AssessedReplay replayed;
    std::ostringstream errors;
    ASSERT_EQ(replayed.replay(session, errors, true), SimRunner::Completed) << errors.str();
    EXPECT_EQ(zun::report_lines(replayed.report(reference)), live_lines);
    EXPECT_EQ(replayed.length(), live.length()); // counted from the start state
}

} // namespace
