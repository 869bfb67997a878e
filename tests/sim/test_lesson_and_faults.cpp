// The instructor's inputs in the model: malfunctions of the keyed mechanisms and the lesson's
// kind, each through the door.
#include "sim/dispatcher.h"
#include "sim/stage_tables.h"
#include "sim/state_hash.h"

#include <gtest/gtest.h>

namespace zun {
namespace {

constexpr int coil_car = 1;

class FaultTest : public ::testing::Test {
protected:
    FaultTest() { dispatcher.advance_by(3000); } // the settled start

    const TMech &car() const { return *sim.Mech_Array[coil_car]; }
    int stage_now() const { return sim.Frame_LineMetal.Stadiya_Raboti; }
    Answer pulse(int mech, MechCommand command)
    {
        return dispatcher.apply(input::Command{mech, command});
    }
    Answer fault(int mech, FaultKind kind, bool on)
    {
        return dispatcher.apply(input::Fault{mech, kind, on});
    }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
};

TEST_F(FaultTest, AFaultyDriveRefusesEveryPulseAndTakesItOnceMended)
{
    fault(coil_car, FaultKind::Drive, true);
    const std::int16_t start = car().Pos_X;
    for (const MechCommand command : {MechCommand::Forward, MechCommand::Reverse})
        EXPECT_EQ(pulse(coil_car, command).pulse,
                  (PulseAnswer{coil_car, command, Refusal::DriveFault}));
    EXPECT_EQ(pulse(coil_car, MechCommand::Stop).pulse->refusal, Refusal::None);
    dispatcher.advance_by(4200);
    EXPECT_EQ(car().Pos_X, start);
    EXPECT_FALSE(car().b_KM_FWD || car().b_KM_RWS);

    fault(coil_car, FaultKind::Drive, false);
    EXPECT_EQ(pulse(coil_car, MechCommand::Forward).pulse->refusal, Refusal::None);
    dispatcher.advance_by(4200);
    EXPECT_NE(car().Pos_X, start);
}

TEST_F(FaultTest, ARunningDriveStopsAtItsNextTickWhenItsDriveOrPermissionFails)
{
    for (const FaultKind kind : {FaultKind::Drive, FaultKind::Permit}) {
        SCOPED_TRACE(static_cast<int>(kind));
        dispatcher.apply(input::ClearFaults{});
        pulse(coil_car, MechCommand::Forward);
        dispatcher.advance_by(500);
        ASSERT_TRUE(car().b_KM_FWD);
        fault(coil_car, kind, true);
        dispatcher.advance_by(car().Timer_Drive.interval());
        const std::int16_t stopped = car().Pos_X;
        EXPECT_FALSE(car().b_KM_FWD);
        EXPECT_FALSE(car().Timer_Drive.enabled());
        dispatcher.advance_by(2000);
        EXPECT_EQ(car().Pos_X, stopped);
        pulse(coil_car, MechCommand::Reverse); // back for the next kind
        dispatcher.apply(input::ClearFaults{});
        pulse(coil_car, MechCommand::Reverse);
        dispatcher.advance_by(20000);
    }
}

TEST_F(FaultTest, WithoutPermissionAPulseIsRefusedAsNotPermitted)
{
    fault(coil_car, FaultKind::Permit, true);
    EXPECT_EQ(pulse(coil_car, MechCommand::Forward).pulse->refusal, Refusal::NotPermitted);
    EXPECT_FALSE(car().b_KM_FWD);
}

TEST_F(FaultTest, AFaultyEndSwitchNeverReportsAndReadsThePositionOnceMended)
{
    ASSERT_TRUE(car().bi_KV_RWS) << "the car stands at its reverse end at the start";
    fault(coil_car, FaultKind::ReverseEnd, true);
    EXPECT_FALSE(car().bi_KV_RWS);
    EXPECT_EQ(pulse(coil_car, MechCommand::Reverse).pulse->refusal, Refusal::None)
        << "nothing tells the drive it is at its end";
    pulse(coil_car, MechCommand::Stop);
    fault(coil_car, FaultKind::ReverseEnd, false);
    EXPECT_TRUE(car().bi_KV_RWS);

    fault(coil_car, FaultKind::ForwardEnd, true);
    pulse(coil_car, MechCommand::Forward);
    dispatcher.advance_by(60000);
    const std::int16_t at_end = car().Pos_X;
    dispatcher.advance_by(5000);
    EXPECT_EQ(car().Pos_X, at_end) << "the car has come to its end";
    EXPECT_FALSE(car().bi_KV_FWD);
    EXPECT_TRUE(car().b_KM_FWD) << "the drive keeps running against the end";
    dispatcher.apply(input::ClearFaults{});
    EXPECT_TRUE(car().bi_KV_FWD);
}

TEST_F(FaultTest, OnlyMechanismsAConsoleKeyCommandsTakeFaults)
{
    EXPECT_THROW(fault(199, FaultKind::Drive, true), std::logic_error);
    EXPECT_THROW(fault(0, FaultKind::Drive, true), std::logic_error);
    EXPECT_TRUE(console::is_keyed(coil_car));
    EXPECT_FALSE(console::keyed_mechanisms().empty());
}

TEST_F(FaultTest, AFaultSetAndClearedLeavesTheStateAsIfNeverSet)
{
    Simulator untouched;
    untouched.advance_by(3000);
    for (int kind = 0; kind < fault_kind_count; ++kind)
        fault(coil_car, static_cast<FaultKind>(kind), true);
    EXPECT_NE(state_hash(sim), state_hash(untouched.state()));
    dispatcher.apply(input::ClearFaults{});
    EXPECT_EQ(state_hash(sim), state_hash(untouched.state()));
    for (int kind = 0; kind < fault_kind_count; ++kind)
        EXPECT_FALSE(car().has_fault(static_cast<FaultKind>(kind)));
}

// The first step whose first command is a pulse to a keyed mechanism.
const stages::Command &first_keyed_pulse(int &stage)
{
    for (stage = 1; stage <= stages::last_stage; ++stage) {
        const auto commands = stages::commands(stage);
        if (!commands.empty() && console::is_keyed(commands[0].mech) &&
            (commands[0].op == stages::Command::Op::Forward ||
             commands[0].op == stages::Command::Op::Reverse))
            return commands[0];
    }
    throw std::logic_error("no step begins with a pulse to a keyed mechanism");
}

TEST_F(FaultTest, TheStageThatNeedsAFaultyDriveWaitsUntilTheFaultIsCleared)
{
    int stage = 0;
    const stages::Command &command = first_keyed_pulse(stage);
    const MechCommand direction =
        command.op == stages::Command::Op::Forward ? MechCommand::Forward : MechCommand::Reverse;
    // The line as the step before leaves it: that step completes, and this one begins.
    dispatcher.apply(input::SelectMode{WorkingMode::StageByClick});
    dispatcher.apply(input::StepClick{stage - 1});
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    dispatcher.advance_by(3000);
    ASSERT_EQ(stage_now(), stage);

    fault(command.mech, FaultKind::Drive, true);
    EXPECT_EQ(pulse(command.mech, direction).pulse->refusal, Refusal::DriveFault);
    dispatcher.advance_by(60000);
    EXPECT_EQ(stage_now(), stage);

    dispatcher.apply(input::ClearFaults{});
    pulse(command.mech, direction);
    for (int tick = 0; tick < 6000 && stage_now() == stage; ++tick)
        dispatcher.advance_by(10);
    EXPECT_NE(stage_now(), stage) << "step " << stage;
}

class LessonTest : public FaultTest {};

TEST_F(LessonTest, AnExamTakesTheAidsAndThePassButtonsAwayAndKeepsTheFirstMode)
{
    dispatcher.apply(input::SelectMode{WorkingMode::Automatic});
    dispatcher.apply(input::Lesson{LessonKind::Exam});
    EXPECT_TRUE(sim.lesson_is_exam());
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);
    EXPECT_FALSE(sim.pass_button_enabled);
    EXPECT_FALSE(sim.next_step_pointers);
    EXPECT_FALSE(sim.key_tips);
    for (const WorkingMode mode : {WorkingMode::StageByClick, WorkingMode::Automatic}) {
        dispatcher.apply(input::SelectMode{mode});
        EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);
    }
    dispatcher.advance_by(3000);
    const int stage = stage_now();
    dispatcher.apply(input::Pass{});
    dispatcher.advance_by(5000);
    EXPECT_EQ(stage_now(), stage) << "no pass in an exam";
    dispatcher.apply(input::FindPick{53});
    EXPECT_EQ(sim.Cur_Mech, 53) << "the find box still works";

    dispatcher.apply(input::Lesson{LessonKind::Training});
    EXPECT_FALSE(sim.lesson_is_exam());
    EXPECT_TRUE(sim.pass_button_enabled);
    EXPECT_TRUE(sim.next_step_pointers);
    EXPECT_TRUE(sim.key_tips);
    dispatcher.apply(input::SelectMode{WorkingMode::Automatic});
    EXPECT_EQ(sim.working_mode, WorkingMode::Automatic);
}

TEST_F(LessonTest, AnExamBeforeAnyModeSelectsTheFirstAndTrainingLeavesItSelected)
{
    ASSERT_EQ(sim.working_mode, WorkingMode::None);
    dispatcher.apply(input::Lesson{LessonKind::Exam});
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);
    EXPECT_FALSE(sim.pass_button_enabled);
    dispatcher.apply(input::Lesson{LessonKind::Training});
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);
    EXPECT_TRUE(sim.pass_button_enabled);
}

} // namespace
} // namespace zun
