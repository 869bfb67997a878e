#include "sim/console_layout.h"
#include "sim/dispatcher.h"
#include "sim/stage_tables.h"
#include "sim/ui_port.h"
#include "training/assessment.h"
#include "training/report.h"
#include "training/score.h"
#include "training/stage_record.h"
#include "training/stage_usage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zun {
namespace {

AssessedInput operation(int mech, Direction direction, std::string refused = {})
{
    AssessedInput input;
    input.mech = mech;
    input.direction = direction;
    input.refused = std::move(refused);
    return input;
}

AssessedInput of_kind(AssessedInput::Kind kind, int mode = 0)
{
    AssessedInput input;
    input.kind = kind;
    input.mode = mode;
    return input;
}

TEST(StageUsage, HoldsEveryPulseThatTheLineGivesForTheStage)
{
    for (int stage = 0; stage <= stages::last_stage; ++stage) {
        for (const stages::Command &command : stages::commands(stage)) {
            if (stage == 0 || (command.op != stages::Command::Op::Forward &&
                               command.op != stages::Command::Op::Reverse))
                continue;
            const Direction direction = command.op == stages::Command::Op::Forward
                                            ? Direction::Forward
                                            : Direction::Reverse;
            EXPECT_TRUE(in_sequence(stage, command.mech, direction))
                << "stage " << stage << " mech " << command.mech;
        }
    }
    EXPECT_TRUE(in_sequence(41, 79, Direction::Forward));
    EXPECT_TRUE(in_sequence(13, 10, Direction::Reverse)) << "11-13 are done together";
    EXPECT_FALSE(in_sequence(2, 5, Direction::Forward)) << "the direction counts";
    EXPECT_TRUE(in_sequence(2, 10, Direction::Stop)) << "a stop is never out of sequence";
}

TEST(AssessedInput, OnlyTheTraineesOperationsCountAndARefusalSaysWhy)
{
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    dispatcher.advance_by(3000);
    const auto control = [](std::string_view name) { return console::find_control(name); };
    using K = AssessedInput::Kind;
    struct Case {
        Input input;
        std::optional<K> kind; // none: not the assessment's business
        std::string control = "-";
        int mech = 0;
        Direction direction = Direction::Stop;
        std::string refused = {};
    };
    const Case cases[] = {
        {input::ControlPress{control("Frame_45_Key_Back_7"), MouseButton::Left}, K::Operation,
         "Frame_45_Key_Back_7", 71, Direction::Forward, "at_end"},
        {input::ControlRelease{control("Frame_45_Key_Back_7"), MouseButton::Left}, std::nullopt},
        {input::ControlMove{control("Frame_45_Key_Back_7")}, std::nullopt},
        {input::ControlPress{control("Frame_Button_Beep"), MouseButton::Left}, K::Operation,
         "Frame_Button_Beep"},
        {input::ControlRelease{control("Frame_Button_Beep"), MouseButton::Left}, std::nullopt},
        {input::ControlPress{control("Frame_Krutilka1"), MouseButton::Left}, std::nullopt},
        {input::Command{10, MechCommand::Reverse}, K::Operation, "-", 10, Direction::Reverse,
         "at_end"},
        {input::Command{10, MechCommand::Stop}, K::Operation, "-", 10},
        {input::NewCoil{}, K::Operation},
        {input::Pass{}, K::Pass},
        {input::StepClick{3}, K::StepChosen},
        {input::FindPick{4}, K::Hint},
        {input::TabChosen{0}, std::nullopt},
    };
    for (const Case &c : cases) {
        const Answer answer = dispatcher.apply(c.input);
        const std::optional<AssessedInput> got = assessed(c.input, answer);
        const std::string line = std::to_string(c.input.index());
        ASSERT_EQ(got.has_value(), c.kind.has_value()) << line;
        if (!got)
            continue;
        EXPECT_EQ(got->kind, *c.kind) << line;
        if (got->kind != K::Operation)
            continue;
        EXPECT_EQ(got->control, c.control) << line;
        EXPECT_EQ(got->mech, c.mech) << line;
        EXPECT_EQ(got->direction, c.direction) << line;
        EXPECT_EQ(got->refused, c.refused) << line;
    }
    EXPECT_EQ(refusal_word(Refusal::NotPermitted), "not_permitted");
    EXPECT_EQ(refusal_word(Refusal::RunningOpposite), "running_opposite");
    EXPECT_EQ(refusal_word(Refusal::Interlocked), "interlocked");
}

TEST(StageRecord, TellsHowEachStepWasCompleted)
{
    StageRecord record;
    record.input(0, of_kind(AssessedInput::Kind::ModeChosen, 0));
    record.input(10, operation(72, Direction::Reverse, "interlock"));
    record.stage_changed(500, 1);
    record.input(2000, operation(0, Direction::Stop)); // the new-coil button
    record.stage_changed(2010, 2);
    record.input(4000, operation(10, Direction::Forward));
    record.input(6000, operation(5, Direction::Reverse));
    record.input(6500, of_kind(AssessedInput::Kind::Hint));
    record.stage_changed(9000, 3);
    record.input(9500, of_kind(AssessedInput::Kind::Pass));
    record.stage_changed(12000, 4);

    const std::vector<StageEntry> entries = record.entries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].by, Completion::Trainee);
    EXPECT_EQ(entries[0].operations, 1);
    const StageEntry &stage_2 = entries[1];
    EXPECT_EQ(stage_2.stage, 2);
    EXPECT_EQ(stage_2.began, 2010);
    EXPECT_EQ(stage_2.ended, 9000);
    EXPECT_EQ(stage_2.by, Completion::Trainee);
    EXPECT_EQ(stage_2.operations, 2);
    EXPECT_EQ(stage_2.out_of_sequence, 1);
    EXPECT_EQ(stage_2.hints, 1);
    EXPECT_EQ(entries[2].by, Completion::Pass);
    EXPECT_EQ(entries[3].by, Completion::Open);
    EXPECT_EQ(entries[3].ended, std::nullopt);

    ASSERT_EQ(record.remarks().size(), 3u);
    const StageRemark &refused = record.remarks()[0];
    EXPECT_EQ(refused.what, StageRemark::What::Refused);
    EXPECT_EQ(refused.stage, 0);
    EXPECT_EQ(refused.reason, "interlock");
    EXPECT_EQ(record.remarks()[2].mech, 10);
    EXPECT_EQ(record.remarks()[2].what, StageRemark::What::OutOfSequence);
}

TEST(StageRecord, AutomaticRunAndJumpsAreNotTheTraineesWork)
{
    StageRecord record;
    record.input(0, of_kind(AssessedInput::Kind::ModeChosen, 1));
    record.input(100, of_kind(AssessedInput::Kind::StepChosen));
    record.stage_changed(100, 38);
    record.input(200, of_kind(AssessedInput::Kind::StepChosen));
    record.stage_changed(200, 42);
    record.input(300, of_kind(AssessedInput::Kind::ModeChosen, 2));
    record.input(400, of_kind(AssessedInput::Kind::Pass));
    for (int stage = 43; stage <= 48; ++stage)
        record.stage_changed(stage * 1000, stage);
    record.stage_changed(50000, 0);
    record.stage_changed(50010, 1);

    const std::vector<StageEntry> entries = record.entries();
    ASSERT_EQ(entries.size(), 9u);
    EXPECT_EQ(entries[0].stage, 38);
    EXPECT_EQ(entries[0].by, Completion::Jump);
    EXPECT_EQ(entries[1].stage, 42);
    for (std::size_t i = 1; i < 8; ++i)
        EXPECT_EQ(entries[i].by, Completion::Auto) << entries[i].stage;
    EXPECT_EQ(entries[8].stage, 1);
    EXPECT_FALSE(record.trainee_operated());
    EXPECT_EQ(score(entries, record.trainee_operated(), ReferenceTimes::human_pace()),
              std::nullopt);
}

// The line completing a step by itself is no credit to the trainee; a stage passed through in
// one millisecond is no entry; the last action of the step just done may come a little late.
TEST(StageRecord, CreditsThePersonNotTheLine)
{
    StageRecord record;
    record.input(0, of_kind(AssessedInput::Kind::ModeChosen, 0));
    record.stage_changed(100, 3);
    record.input(1000, operation(2, Direction::Forward));
    record.stage_changed(5000, 4);
    record.input(6000, operation(1, Direction::Forward)); // step 3's car, a moment late
    record.input(7000, operation(7, Direction::Reverse));
    record.stage_changed(9000, 5);
    record.stage_changed(9010, 6); // the table was down already: the line completes step 5
    record.input(9500, operation(2, Direction::Reverse)); // step 5's, a moment late
    record.input(9600, operation(7, Direction::Reverse)); // step 4's, two steps on
    record.input(10000, operation(1, Direction::Reverse));
    record.stage_changed(12000, 7);
    record.stage_changed(12000, 8); // passed through by a jump

    const std::vector<StageEntry> entries = record.entries();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[1].stage, 4);
    EXPECT_EQ(entries[1].out_of_sequence, 0) << "the remaining action of step 3";
    EXPECT_EQ(entries[2].stage, 5);
    EXPECT_EQ(entries[2].by, Completion::Line);
    EXPECT_EQ(entries[3].stage, 6);
    EXPECT_EQ(entries[3].out_of_sequence, 1) << "step 4's action, two steps on";
    EXPECT_EQ(entries[4].stage, 8);
    EXPECT_EQ(entries[4].by, Completion::Open);

    const ReferenceTimes reference = ReferenceTimes::human_pace();
    EXPECT_EQ(score(entries, true, reference), 92) << "steps 3, 4, 6 share it; 6 loses a quarter";
}

// In training the trainee is told at once what went wrong, in words; an examination keeps silent.
TEST(Assessment, TellsTheTraineeEachMistakeInWordsButNotInAnExamination)
{
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    Assessment assessment(dispatcher);
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    dispatcher.advance_by(5000);
    const int pusher = console::find_control("Frame_45_Key_Back_7");
    dispatcher.apply(input::ControlPress{pusher, MouseButton::Left});
    EXPECT_EQ(assessment.mistake_notice(),
              "Ключ «71 сталкиватель», механизм «71 сталкиватель»: команда не выполнена: "
              "механизм уже в конечном положении.");
    dispatcher.apply(input::ControlRelease{pusher, MouseButton::Left});
    dispatcher.apply(input::Command{10, MechCommand::Forward});
    EXPECT_EQ(assessment.mistake_notice(),
              "Механизм «10 отгибатель»: этот механизм на шаге 1 не нужен.");
    const int unbound = console::find_control("Frame_45_Key_Fix_Tolchok");
    ASSERT_EQ(console::controls()[static_cast<std::size_t>(unbound)].tag, 0);
    dispatcher.apply(input::ControlPress{unbound, MouseButton::Left});
    EXPECT_EQ(assessment.mistake_notice(),
              "Ключ «толчёк»: в программе он ни к чему не привязан.");
    dispatcher.apply(input::ControlRelease{unbound, MouseButton::Left});
    dispatcher.apply(input::NewCoil{});
    EXPECT_EQ(assessment.mistake_notice(), "") << "an operation in order clears it";

    dispatcher.apply(input::Lesson{LessonKind::Exam});
    dispatcher.apply(input::ControlPress{pusher, MouseButton::Left});
    EXPECT_EQ(assessment.mistake_notice(), "");
    const auto &remarks = assessment.record().remarks();
    EXPECT_TRUE(std::ranges::any_of(remarks.end() - 2, remarks.end(),
                                    [](const StageRemark &r) { return r.reason == "at_end"; }))
        << "the record keeps it";
}

TEST(Report, PrintsTheScoreTheStepsAndTheRemarks)
{
    StageRecord record;
    record.stage_changed(500, 2);
    AssessedInput key = operation(10, Direction::Forward);
    key.control = "Frame_45_Key_Fix_1";
    record.input(4000, key);
    record.input(5000, operation(72, Direction::Reverse, "interlock"));
    record.stage_changed(9000, 3);

    const Simulator simulator;
    const LineModel &sim = simulator.state();
    const LessonLog no_lesson;
    EXPECT_EQ(report_lines({record, 64, no_lesson, sim}),
              "score=64\n"
              "stage=2 began=500 ended=9000 by=trainee ops=2 refused=1 out_of_sequence=2 hints=0\n"
              "stage=3 began=9000 ended=- by=open ops=0 refused=0 out_of_sequence=0 hints=0\n"
              "t=4000 what=out_of_sequence stage=2 control=Frame_45_Key_Fix_1 mech=10 dir=fwd "
              "reason=-\n"
              "t=5000 what=refused stage=2 control=- mech=72 dir=rws reason=interlock\n"
              "t=5000 what=out_of_sequence stage=2 control=- mech=72 dir=rws reason=-\n");
    const std::string html = report_html({record, std::nullopt, no_lesson, sim}, "<сеанс & 1>");
    EXPECT_NE(html.find("<title>&lt;сеанс &amp; 1&gt;</title>"), std::string::npos);
    EXPECT_NE(html.find("<td>R 5</td>"), std::string::npos) << "the pulses of step 2";
    EXPECT_NE(html.find("Занятие: <b>обучение</b>"), std::string::npos);
    EXPECT_NE(html.find("Инструктор неисправностей не задавал."), std::string::npos);
}

TEST(Score, FollowsItsRule)
{
    const ReferenceTimes reference = ReferenceTimes::human_pace();
    for (int stage = 1; stage <= stages::last_stage; ++stage)
        EXPECT_GE(reference.of(stage), 1000) << stage;
    const std::int64_t stage_2 = reference.of(2);
    const auto entry = [](Completion by, std::int64_t taken, int out_of_sequence = 0,
                          int refused = 0, int hints = 0) {
        StageEntry done;
        done.stage = 2;
        done.began = 0;
        done.ended = taken;
        done.by = by;
        done.out_of_sequence = out_of_sequence;
        done.refused = refused;
        done.hints = hints;
        return done;
    };
    const std::int64_t quick = stage_2;
    const std::int64_t allowed = 2 * stage_2 + 30000;
    struct Case {
        std::vector<StageEntry> entries;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {{entry(Completion::Trainee, quick), entry(Completion::Trainee, allowed)}, 100},
        {{entry(Completion::Trainee, quick), entry(Completion::Pass, quick)}, 50},
        {{entry(Completion::Trainee, quick), entry(Completion::Auto, quick)}, 100},
        {{entry(Completion::Trainee, quick), entry(Completion::Line, quick)}, 100},
        {{entry(Completion::Trainee, quick, 1, 1, 1)}, 45},
        {{entry(Completion::Trainee, allowed + 3 * stage_2)}, 70},
        {{entry(Completion::Trainee, quick, 5)}, 0},
        {{entry(Completion::Open, quick)}, std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(score(c.entries, true, reference), c.expected);
}

} // namespace
} // namespace zun
