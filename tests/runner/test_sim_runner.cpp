#include "runner/sim_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct ScriptRun {
    SimRunner::ExitStatus status;
    std::string out;
    std::string errors;
};

ScriptRun run(const std::string &script)
{
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    std::istringstream input(script);
    const SimRunner::ExitStatus status = runner.run(input, errors);
    return {status, out.str(), errors.str()};
}

TEST(SimRunnerTest, ShowsTheModelInFixedFormats)
{
    const ScriptRun result = run("# the coil car to its forward end\n"
                                 "\n"
                                 "show time\n"
                                 "advance 5000 # the start-up state settles\n"
                                 "fwd 1   # forward pulse\n"
                                 "advance 250\n"
                                 "show time\n"
                                 "show cur\n"
                                 "show mech 1\n"
                                 "halt 1\n"
                                 "show mech 1\n"
                                 "rws 10\n"
                                 "show mech 10\n"
                                 "show picture Image111_2\n");
    EXPECT_EQ(result.status, SimRunner::Completed);
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.out,
              "time=0\n"
              "time=5250\n"
              "cur=1\n"
              "mech=1 kind=2 phase=0 x=1048 y=57 z=0 kv_fwd=0 kv_rws=0 km_fwd=1 km_rws=0 "
              "interval=100 saved=100 normal=1 running=1\n"
              "mech=1 kind=2 phase=0 x=1048 y=57 z=0 kv_fwd=0 kv_rws=0 km_fwd=0 km_rws=0 "
              "interval=100 saved=100 normal=1 running=0\n"
              // already at its reverse end: the pulse is refused
              "mech=10 kind=1 phase=0 x=974 y=136 z=0 kv_fwd=0 kv_rws=1 km_fwd=0 km_rws=0 "
              "interval=300 saved=300 normal=1 running=0\n"
              "picture=Image111_2 panel=Panel_Image_Scene left=950 top=41 width=80 height=60 "
              "visible=0 tag=9 hint=9\n");
}

TEST(SimRunnerTest, TraceShowsEveryChangeOfTheStageAsItHappens)
{
    const ScriptRun result = run("trace on\n"
                                 "mode 2\n"
                                 "pass\n"
                                 "until stage 3\n"
                                 "trace off\n"
                                 "until stage 5\n"
                                 "show stage\n");
    EXPECT_EQ(result.status, SimRunner::Completed);
    EXPECT_EQ(result.out.substr(0, result.out.find(" stage 0 -> 1")), "t=1600");
    EXPECT_NE(result.out.find("\nt=2610 stage 1 -> 2\n"), std::string::npos);
    EXPECT_EQ(result.out.find("stage 3 -> 4"), std::string::npos) << "traced until 'trace off'";
    EXPECT_TRUE(result.out.ends_with("stage=5\n"));
}

TEST(SimRunnerTest, TheHintEndsTheLineAsItIs)
{
    const ScriptRun result = run("show picture Image4_3\n");
    EXPECT_EQ(result.out.substr(result.out.find("hint=")), "hint= 4 перемещение разматывателя \n");
}

TEST(SimRunnerTest, ShowsAStepsExplanationPage)
{
    const ScriptRun result = run("show explanation 13\nshow time\n");
    EXPECT_EQ(result.status, SimRunner::Completed);
    EXPECT_TRUE(result.out.starts_with("Шаг 13. Поднять холостые ролики."));
    EXPECT_NE(result.out.find("\nПОСТ 1, пульт «Post1_Pult_4», ключ «20 качание выдающего ролика»: "
                              "щелчок левой кнопкой мыши"),
              std::string::npos);
    EXPECT_TRUE(result.out.ends_with(".\ntime=0\n")) << "the page, then the next command's line";
}

// From the settled start, a key does what the runner's pulses do.
TEST(SimRunnerTest, KeysCommandTheirMechanismsAsPulsesDo)
{
    const std::string settled = "advance 3000\n";
    const ScriptRun fixed = run(settled + "key Frame_45_Key_Fix_1 press right\n"
                                          "advance 2000\n"
                                          "show mech 5\n"
                                          "show key Frame_45_Key_Fix_1\n");
    const ScriptRun reverse = run(settled + "rws 5\nadvance 2000\nshow mech 5\n");
    EXPECT_EQ(fixed.out, reverse.out + "key=Frame_45_Key_Fix_1 kind=fixed tag=5 angle=45\n");

    const ScriptRun back = run(settled + "key Frame_45_Key_Back_1 press left\n"
                                         "advance 500\n"
                                         "key Frame_45_Key_Back_1 release left\n"
                                         "show mech 3\n"
                                         "show key Frame_45_Key_Back_1\n");
    const ScriptRun jog = run(settled + "halt 3\nfwd 3\nadvance 500\nhalt 3\nshow mech 3\n");
    EXPECT_EQ(back.out, jog.out + "key=Frame_45_Key_Back_1 kind=back tag=3 angle=0\n");
    EXPECT_EQ(back.status, SimRunner::Completed);
}

TEST(SimRunnerTest, ShowKeyTellsEachKindOfControl)
{
    const ScriptRun result = run("key Frame_90_Key_1 press left\n"
                                 "key Frame_90_Key_1 press left\n"
                                 "show key Frame_90_Key_1\n"
                                 "beep down\n"
                                 "show key Frame_Button_Beep\n"
                                 "key Frame_Krutilka1 press right\n"
                                 "show key Frame_Krutilka1\n"
                                 "show key Frame_Lamp5\n");
    EXPECT_EQ(result.errors, "");
    EXPECT_EQ(result.out, "key=Frame_90_Key_1 kind=90 tag=53 angle=-90\n"
                          "key=Frame_Button_Beep kind=button tag=0 pressed=1\n"
                          "key=Frame_Krutilka1 kind=knob tag=0 position=0\n"
                          "key=Frame_Lamp5 kind=lamp tag=0\n");
}

TEST(SimRunnerTest, ABadLineStopsTheScriptBeforeItRuns)
{
    struct Case {
        const char *line;
        const char *error;
    };
    const Case cases[] = {
        {"jump 3", "line 3: unknown command 'jump 3'\n"},
        {"show", "line 3: unknown command 'show'\n"},
        {"fwd", "line 3: 'fwd' takes 1 argument(s), not 0\n"},
        {"fwd 1 2", "line 3: 'fwd' takes 1 argument(s), not 2\n"},
        {"advance 1o0", "line 3: malformed number '1o0'\n"},
        {"advance -5", "line 3: a duration cannot be negative: -5\n"},
        {"advance 99999999999999999999", "line 3: malformed number '99999999999999999999'\n"},
        {"rws 200", "line 3: mechanism 200 outside 0..199\n"},
        {"halt -1", "line 3: mechanism -1 outside 0..199\n"},
        {"show picture Image200_0", "line 3: unknown picture 'Image200_0'\n"},
        {"mode 3", "line 3: mode 3 outside 0..2\n"},
        {"step 50", "line 3: step 50 outside 0..49\n"},
        {"until stage 50", "line 3: stage 50 outside 0..49\n"},
        {"until stage 3 within", "line 3: 'until stage' takes 1 or 3 argument(s), not 2\n"},
        {"until stage 3 inside 100", "line 3: expected 'within', not 'inside'\n"},
        {"beep", "line 3: unknown command 'beep'\n"},
        {"show explanation 50", "line 3: step 50 outside 0..49\n"},
        {"key Frame_45_Key_Fix_1 press up", "line 3: expected left, right or middle, not 'up'\n"},
        {"show key Frame_99", "line 3: unknown console control 'Frame_99'\n"},
        {"tab ПОСТ", "line 3: unknown console page 'ПОСТ'\n"},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.line);
        const ScriptRun result =
            run(std::string("fwd 3\n# comment\n") + each.line + "\nshow time\n");
        EXPECT_EQ(result.status, SimRunner::ScriptError);
        EXPECT_EQ(result.errors, each.error);
        EXPECT_EQ(result.out, "") << "nothing after the bad line runs";
    }
}

// Every number is bounded so that nothing overflows: past its range, or past the clock's end,
// it is a script error found before the line runs.
TEST(SimRunnerTest, NumbersBeyondWhatTheRunnerCanHonourAreScriptErrors)
{
    struct Case {
        const char *script;
        SimRunner::ExitStatus status;
        const char *out_or_error;
    };
    const Case cases[] = {
        {"advance 0\nshow time\n", SimRunner::Completed, "time=0\n"},
        {"advance 316224000001\n", SimRunner::ScriptError,
         "line 1: duration 316224000001 outside 0..316224000000\n"},
        {"advance 9223372036854775807\n", SimRunner::ScriptError,
         "line 1: duration 9223372036854775807 outside 0..316224000000\n"},
        {"advance 100\nadvance 316223999901\n", SimRunner::ScriptError,
         "line 2: advance 316223999901 would take the clock past its end: 316223999900 ms left of "
         "316224000000\n"},
        {"advance 100\nuntil stage 0 within 316224000000\n", SimRunner::ScriptError,
         "line 2: waiting 316224000000 would take the clock past its end: 316223999900 ms left "
         "of 316224000000\n"},
        {"until stage 3 within 316224000001\n", SimRunner::ScriptError,
         "line 1: duration 316224000001 outside 0..316224000000\n"},
        {"page 4294967306\n", SimRunner::ScriptError,
         "line 1: no console page has the tag 4294967306\n"},
        {"page -4294967286\n", SimRunner::ScriptError,
         "line 1: no console page has the tag -4294967286\n"},
        {"page 10\n", SimRunner::Completed, ""},
        {"show mech 4294967297\n", SimRunner::ScriptError,
         "line 1: mechanism 4294967297 outside 0..199\n"},
        {"step 4294967296\n", SimRunner::ScriptError, "line 1: step 4294967296 outside 0..49\n"},
        {"find 4294967296\n", SimRunner::ScriptError,
         "line 1: find item 4294967296 outside 0..126\n"},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.script);
        const ScriptRun result = run(each.script);
        EXPECT_EQ(result.status, each.status);
        EXPECT_EQ(each.status == SimRunner::Completed ? result.out : result.errors,
                  each.out_or_error);
    }
}

TEST(SimRunnerTest, TheBenchRefusesCountsTheClockCannotHold)
{
    EXPECT_EQ(SimRunner::max_bench_cycles, 87839);
    for (const long long cycles : {0LL, -1LL, SimRunner::max_bench_cycles + 1, 2147483647LL}) {
        std::ostringstream out;
        std::ostringstream errors;
        SimRunner runner(out);
        EXPECT_EQ(runner.bench(cycles, errors), SimRunner::ScriptError) << cycles;
        EXPECT_EQ(errors.str(),
                  "zun-sim: --bench takes 1..87839 cycles, not " + std::to_string(cycles) + "\n");
        EXPECT_EQ(out.str(), "");
    }
}

// The instructor's malfunctions as the runner gives them, from the settled start.
TEST(SimRunnerTest, AFaultyDriveLeavesTheCoilCarStandingUntilItIsMended)
{
    const std::string settled = "advance 3000\nshow mech 1\n";
    const ScriptRun faulty = run(settled + "fault 1 drive on\nfwd 1\nadvance 4200\nshow mech 1\n");
    EXPECT_EQ(faulty.status, SimRunner::Completed);
    const std::string before = faulty.out.substr(0, faulty.out.find('\n') + 1);
    EXPECT_EQ(faulty.out, before + before) << "the car stands where it stood";

    const ScriptRun mended = run(settled + "fault 1 drive on\nfault 1 drive off\nfwd 1\n"
                                           "advance 4200\nshow mech 1\n");
    const ScriptRun healthy = run(settled + "fwd 1\nadvance 4200\nshow mech 1\n");
    EXPECT_EQ(mended.out, healthy.out);
    EXPECT_NE(healthy.out.substr(before.size()), before) << "the same pulse moves it";

    // A running car stops within one step of its drive (100 ms).
    const ScriptRun stopped = run("advance 3000\nfwd 1\nadvance 500\nfault 1 drive on\n"
                                  "advance 100\nshow mech 1\nadvance 2000\nshow mech 1\n");
    const std::string first = stopped.out.substr(0, stopped.out.find('\n') + 1);
    EXPECT_NE(first.find("running=0"), std::string::npos) << first;
    EXPECT_EQ(stopped.out, first + first);
}

TEST(SimRunnerTest, AFaultOutsideTheKeyedMechanismsIsAScriptError)
{
    for (const char *line : {"fault 199 drive on\n", "fault 1 brake on\n", "fault clear now\n"}) {
        const ScriptRun result = run(line);
        EXPECT_EQ(result.status, SimRunner::ScriptError) << line;
        EXPECT_TRUE(result.errors.starts_with("line 1: ")) << result.errors;
    }
    EXPECT_EQ(run("fault 1 rws_end on\nfault clear\nlesson exam\nlesson training\n").status,
              SimRunner::Completed);
}

} // namespace

namespace {

// The longest advance the clock holds takes hours of CPU: whoever waits for it is told how far it
// has come, minute by minute of virtual time, and can give it up; `until` too.
TEST(SimRunnerTest, ALongAdvanceToldItsProgressCanBeGivenUp)
{
    for (const std::string line : {"advance 316224000000", "until stage 49 within 316224000000"}) {
        std::ostringstream out;
        std::ostringstream errors;
        SimRunner runner(out);
        std::vector<zun::Millis> told;
        runner.set_progress([&told](zun::Millis reached) {
            told.push_back(reached);
            return told.size() < 5;
        });
        std::istringstream script("newcoil\n" + line + "\nshow time\n");
        EXPECT_EQ(runner.run(script, errors), SimRunner::Cancelled) << line;
        EXPECT_EQ(errors.str(), "line 2: cancelled\n");
        EXPECT_EQ(out.str(), "") << "nothing after the line given up";
        EXPECT_EQ(told, (std::vector<zun::Millis>{60'000, 120'000, 180'000, 240'000, 300'000}))
            << line;
    }
}

// Advancing in steps to tell the progress changes nothing of what the model does.
TEST(SimRunnerTest, AWatchedAdvanceEndsInTheSameState)
{
    const std::string script = "mode 2\npass\nadvance 400000\nshow stage\nshow mech 10\n";
    const ScriptRun unwatched = run(script);
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner watched(out);
    int told = 0;
    watched.set_progress([&told](zun::Millis) { return ++told > 0; });
    std::istringstream input(script);
    EXPECT_EQ(watched.run(input, errors), SimRunner::Completed);
    EXPECT_EQ(told, 6);
    EXPECT_EQ(out.str(), unwatched.out);
}

} // namespace
