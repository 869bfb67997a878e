// An exercise's text read and written, and its goal judged on a session's steps.
#include "training/exercise.h"
#include "training/goal_verdict.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zun {
namespace {

constexpr std::string_view every_kind = R"(# all that an exercise can say
name:  Отказ привода тележки
description: Привод не включается.
start: step 3
lesson: exam
step 3: fault 1 drive on
at 90 s: fault 1 drive off
at 1500 ms: fault clear
runs 70 fwd: fault 70 fwd_end on
goal: steps 3-6 within 300 s
pass: 50
)";

TEST(ExerciseText, ReadsEveryKindOfLineAndWritesTheSameExerciseBack)
{
    const ReadExercise read = read_exercise(every_kind);
    ASSERT_TRUE(read.exercise) << read.error;
    const Exercise &exercise = *read.exercise;
    EXPECT_EQ(exercise.name, "Отказ привода тележки");
    EXPECT_EQ(exercise.start.from, (std::variant<int, std::string>{3}));
    EXPECT_EQ(exercise.lesson, LessonKind::Exam);
    const std::vector<ScriptedEvent> events{
        {StepBegins{3}, input::Fault{1, FaultKind::Drive, true}},
        {AtTime{90'000}, input::Fault{1, FaultKind::Drive, false}},
        {AtTime{1'500}, input::ClearFaults{}},
        {MechanismRuns{70, Direction::Forward}, input::Fault{70, FaultKind::ForwardEnd, true}},
    };
    EXPECT_EQ(exercise.events, events);
    EXPECT_EQ(exercise.goal, (Goal{3, 6, false, 300'000, 50}));
    EXPECT_EQ(goal_text(exercise.goal), "steps 3-6 within 300 s, pass 50");

    const ReadExercise again = read_exercise(exercise_text(exercise));
    ASSERT_TRUE(again.exercise) << again.error;
    EXPECT_EQ(*again.exercise, exercise);
}

TEST(ExerciseText, StartsFromANamedSnapshotAndReachesAStep)
{
    const ReadExercise read = read_exercise("name: a\nstart: snapshot перед резом 2\n"
                                            "goal: reach step 20 within 10 s, pass 0\n");
    ASSERT_TRUE(read.exercise) << read.error;
    EXPECT_EQ(read.exercise->start.from, (std::variant<int, std::string>{"перед резом 2"}));
    EXPECT_EQ(read.exercise->lesson, LessonKind::Training);
    EXPECT_EQ(read.exercise->goal, (Goal{20, 20, true, 10'000, 0}));
}

// Each bad file names its line; a required line that is missing, the line after the last.
TEST(ExerciseText, ABadLineIsNamedWithWhatIsWrong)
{
    const std::string head = "name: a\nstart: step 1\n";
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {head + "goal: reach step 5 within 10 s\nfoo bar\n", "line 4: expected KEY: VALUE"},
        {head + "sometime: fault 1 drive on\ngoal: reach step 5 within 10 s\n",
         "line 3: unknown line 'sometime'"},
        {"name: a\nstart: step 49\n", "line 2: step 49 outside 1..48"},
        {"name: a\nstart: somewhere\n", "line 2: expected step N or snapshot NAME"},
        {head + "lesson: lecture\n", "line 3: expected training or exam"},
        {head + "at 5 min: fault 1 drive on\n", "line 3: a time is in s or ms"},
        {head + "step 3: fault 1 broken on\n", "line 3: expected drive, permit"},
        {head + "step 3: new_coil\n", "line 3: an event sets or clears a malfunction"},
        {head + "runs 1 up: fault 1 drive on\n", "line 3: expected fwd or rws"},
        {head + "goal: steps 6-3 within 10 s\n", "line 3: steps 6-3 run backwards"},
        {head + "goal: finish within 10 s\n", "line 3: expected reach step N within T s"},
        {head + "goal: reach step 5 within 10 s\npass: 101\n", "line 4: pass mark 101 outside"},
        {head + "name: b\n", "line 3: a second name: line"},
        {head, "line 3: the exercise has no goal: line"},
        {"start: step 1\ngoal: reach step 5 within 10 s\n", "line 3: the exercise has no name"},
    };
    for (const auto &[text, error] : cases) {
        const ReadExercise read = read_exercise(text);
        EXPECT_FALSE(read.exercise) << text;
        EXPECT_TRUE(read.error.starts_with(error)) << text << "\ngave: " << read.error;
    }
}

StageEntry entry(int stage, std::int64_t began, std::optional<std::int64_t> ended,
                 Completion by = Completion::Trainee)
{
    StageEntry made;
    made.stage = stage;
    made.began = began;
    made.ended = ended;
    made.by = by;
    return made;
}

// The exercise began at 100 s: times are counted from there.
TEST(GoalVerdict, SaysWhatFellShort)
{
    const std::int64_t began = 100'000;
    const std::vector<StageEntry> done{entry(3, 100'000, 130'000), entry(4, 130'000, 150'000),
                                       entry(5, 150'000, 170'000, Completion::Pass),
                                       entry(6, 170'000, std::nullopt, Completion::Open)};
    const struct {
        Goal goal;
        std::optional<int> score;
        std::string why; // empty: met
        bool reached;    // but for the score
    } cases[] = {
        {{3, 4, false, 50'000, 60}, 70, "", true},
        {{3, 4, false, 49'999, 0}, 70, "completed after 50 s, more than 49 s", false},
        {{3, 5, false, 600'000, 0}, 70, "step 5 completed by=pass", false},
        {{3, 6, false, 600'000, 0}, 70, "step 5 completed by=pass", false},
        {{3, 4, false, 600'000, 80}, 70, "score 70 below 80", true},
        {{3, 4, false, 600'000, 80}, std::nullopt, "score - below 80", true},
        {{6, 6, true, 70'000, 0}, 0, "", true},
        {{6, 6, true, 69'000, 50},
         10,
         "step 6 reached after 70 s, more than 69 s; score 10 below 50",
         false},
        {{7, 7, true, 600'000, 0}, 0, "step 7 not reached", false},
    };
    for (const auto &[goal, score, why, reached] : cases) {
        const GoalVerdict verdict = judge_goal(goal, done, began, score);
        EXPECT_EQ(verdict.met(), why.empty()) << goal_text(goal);
        EXPECT_EQ(verdict.reached(), reached) << goal_text(goal);
        EXPECT_EQ(shortfall_words(verdict, goal), why) << goal_text(goal);
    }
    const Goal late{6, 6, true, 69'000, 50};
    EXPECT_EQ(shortfall_words_ru(judge_goal(late, done, began, 10), late),
              "шаг 6 достигнут через 70 с, а дано 69 с; оценка 10 ниже проходной 50");
}

// Every exercise the program ships reads.
TEST(ExerciseText, TheShippedExercisesRead)
{
    int read_files = 0;
    for (const auto &file : std::filesystem::directory_iterator(ZUN_EXERCISES_DIR)) {
        if (file.path().extension() != ".zex")
            continue;
        std::ifstream in(file.path());
        std::stringstream text;
        text << in.rdbuf();
        const ReadExercise read = read_exercise(text.str());
        EXPECT_TRUE(read.exercise) << file.path() << ": " << read.error;
        ++read_files;
    }
    EXPECT_EQ(read_files, 5);
}

} // namespace
} // namespace zun
