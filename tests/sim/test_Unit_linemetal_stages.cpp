#include "line_internals.h"
#include "sim/steps_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zun {
namespace {

class StagesTest : public ::testing::Test {
protected:
    TMech &mech(int number) { return *sim.Mech_Array[number]; }
    int stage() const { return line.Stadiya_Raboti; }
    void advance(Millis duration) { dispatcher.advance_by(duration); }

    // Selects a mode and waits for the poll that tells the line.
    void select_mode(int mode)
    {
        dispatcher.apply(zun::input::SelectMode{static_cast<WorkingMode>(mode)});
        advance(1000);
    }

    // The whole line in the state of `stage`, as a click in the mode that sets states puts it,
    // settled; then the given mode.
    void go_to_stage(int target, int mode)
    {
        select_mode(1);
        dispatcher.apply(zun::input::StepClick{target});
        advance(5000);
        select_mode(mode);
    }

    // Advances tick by tick until the stage changes; returns the time that took.
    Millis until_stage_changes(Millis limit = 20000)
    {
        const int before = stage();
        const Millis start = sim.scheduler.now();
        while (stage() == before && sim.scheduler.now() - start < limit)
            advance(10);
        return sim.scheduler.now() - start;
    }

    // The calls the model's requests made once handed to the port, as the program hands them.
    const std::vector<std::string> &delivered() { return ui.calls; }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    LineModel &sim = LineModelInternals::of(dispatcher);
    TFrame_LineMetal &line = sim.Frame_LineMetal;
};

TEST_F(StagesTest, ThePollTellsTheLineAndShowsTheStep)
{
    advance(1000);
    EXPECT_FALSE(line.b_Check_Stage) << "no mode selected yet";
    EXPECT_EQ(sim.Label_Current_Step, "шаг №");
    EXPECT_EQ(sim.Edit_CheckBox_stadiya_raboti, "стадия работы  0");
    line.Stadiya_Raboti = 21;
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    advance(1000);
    EXPECT_FALSE(line.b_Check_Stage);
    EXPECT_EQ(sim.ListBox_Steps_ItemIndex, 21);
    EXPECT_EQ(sim.Label_Current_Step, "шаг №21) полосу подать в последующие машины агрегата.");
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::Automatic});
    advance(1000);
    EXPECT_TRUE(line.b_Check_Stage);
}

TEST_F(StagesTest, TheTraineeCompletesAStageAndTheRotatingDrivesStop)
{
    go_to_stage(7, 1);
    mech(5).f_Start_RWS_Pulse(); // the drum compressed, as after step 2
    advance(3000);
    select_mode(0);
    ASSERT_EQ(stage(), 7);
    mech(3).f_Start_FWD_Pulse();
    mech(5).f_Start_FWD_Pulse();
    EXPECT_TRUE(sim.Panel_5_mech->visible());
    const Millis took = until_stage_changes();
    EXPECT_EQ(stage(), 8);
    EXPECT_LE(took, 4 * 400 + 10) << "within a tick of the drum's forward end";
    EXPECT_TRUE(mech(5).bi_KV_FWD);
    EXPECT_FALSE(mech(3).b_KM_FWD) << "every rotating drive stops";
    EXPECT_FALSE(sim.Panel_5_mech->visible());
}

TEST_F(StagesTest, AConditionThatAlreadyHoldsCompletesAtTheNextTick)
{
    go_to_stage(40, 1);
    select_mode(0);
    ASSERT_EQ(stage(), 40) << "the tail stands exactly at the uncoiler";
    --line.Seg_Start[0]; // the tail leaves the uncoiler
    advance(10);
    EXPECT_EQ(stage(), 41);
    advance(10);
    EXPECT_EQ(stage(), 42) << "the uncoiler is empty";
}

TEST_F(StagesTest, TheSignalNeedsTheBellHeldAtATick)
{
    go_to_stage(39, 0);
    ASSERT_EQ(stage(), 39);
    sim.beep_pressed = true;
    sim.beep_pressed = false; // released before the line looked
    advance(50);
    EXPECT_EQ(stage(), 39);
    sim.beep_pressed = true;
    advance(10);
    EXPECT_EQ(stage(), 40);
}

TEST_F(StagesTest, AShortRestSkipsFromRaisingTheFrameToTheCut)
{
    go_to_stage(38, 1);
    line.Seg_Len[0] = 500;
    advance(20);
    EXPECT_EQ(stage(), 42) << "the jump does not wait for the check";
    select_mode(0); // stage 42 waits for its cut
    line.Stadiya_Raboti = 38;
    advance(10);
    EXPECT_EQ(stage(), 43) << "to 42 by the jump, then on";
}

TEST_F(StagesTest, StripLeftAfterTheLastStepThreadsTheNextCoil)
{
    go_to_stage(48, 0);
    ASSERT_EQ(stage(), 48);
    // As the scenario leaves it: the finished coil's piece, then the rest from the device's
    // shears on (the stage state lays the rest only).
    line.Seg_Start = {static_cast<std::int16_t>(180 - 3000), 330, 0, 0, 0};
    line.Seg_Len = {3000, static_cast<std::int16_t>(1027 - mech(64).Pos_X), 0, 0, 0};
    line.f_Count_Segs();
    mech(76).f_Start_RWS_Pulse(); // the table turns the finished coil away
    until_stage_changes();
    EXPECT_EQ(stage(), 27) << "to 26 by the jump, then on";
    EXPECT_EQ(mech(76).Phase, 0);
}

TEST_F(StagesTest, AfterTheLastStepTheLineStartsOver)
{
    go_to_stage(48, 0);
    line.Seg_Start[0] = 100; // everything wound and taken away
    mech(76).f_Start_RWS_Pulse();
    until_stage_changes();
    EXPECT_EQ(stage(), 49);
    advance(10);
    EXPECT_EQ(stage(), 1) << "the state of stage 0, completed at once";
    EXPECT_EQ(line.Seg_Start[0], 1027);
    EXPECT_EQ(line.Seg_Len[0], 3000);
}

TEST_F(StagesTest, InTheModeThatSetsStatesAStageAboveTheLastFallsBackToZero)
{
    go_to_stage(30, 1);
    line.Stadiya_Raboti = 49;
    advance(10);
    EXPECT_EQ(stage(), 0);
    advance(5000);
    EXPECT_EQ(stage(), 0) << "stages are not counted in this mode";
}

TEST_F(StagesTest, TheDelayedStopEndsTheScrapDrop)
{
    go_to_stage(19, 0);
    ASSERT_EQ(stage(), 19);
    dispatcher.apply(zun::input::Pass{});
    EXPECT_TRUE(mech(19).b_KM_FWD);
    advance(1990);
    EXPECT_EQ(stage(), 19);
    EXPECT_TRUE(mech(19).b_KM_FWD);
    advance(20);
    EXPECT_FALSE(mech(19).b_KM_FWD) << "stopped 2 s after the command";
    EXPECT_EQ(stage(), 20);
}

TEST_F(StagesTest, APauseAlreadyRunningStillPassesTheNextStage)
{
    for (const bool change_to_mode_1 : {false, true}) {
        SCOPED_TRACE(change_to_mode_1);
        go_to_stage(7, 1);
        mech(5).f_Start_RWS_Pulse();
        advance(3000);
        select_mode(2);
        mech(5).f_Start_FWD_Pulse();
        until_stage_changes();
        ASSERT_EQ(stage(), 8);
        ASSERT_TRUE(line.Timer_Pause_Between_Steps.enabled());
        if (change_to_mode_1)
            dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
        else
            dispatcher.apply(zun::input::Stop{});
        advance(1000);
        EXPECT_TRUE(mech(3).b_KM_RWS) << "stage 8's command: turn the coil";
        EXPECT_FALSE(line.Timer_Pause_Between_Steps.enabled());
        mech(3).f_Stop();
    }
}

TEST_F(StagesTest, AStageStateCommandsTheTwentyDrivesAndPointsAtTheTarget)
{
    go_to_stage(30, 1);
    EXPECT_TRUE(mech(70).bi_KV_FWD && mech(60).bi_KV_FWD && mech(5).bi_KV_FWD);
    EXPECT_TRUE(mech(61).bi_KV_RWS && mech(1).bi_KV_RWS);
    EXPECT_EQ(line.Seg_Start[0], mech(69).Pos_X);
    EXPECT_EQ(sim.Cur_Mech, 70);
    const std::vector<std::string> &calls = delivered();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "show_target"), calls.end());

    dispatcher.apply(
        zun::input::StepClick{39}); // no target: the removal car, commanded last, stays current
    EXPECT_EQ(sim.Cur_Mech, 72);
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::Recoiler);
    advance(5000);

    dispatcher.apply(zun::input::StepClick{42});
    EXPECT_EQ(line.Seg_Count, 2) << "cut at the device's shears";
    EXPECT_EQ(line.Seg_Start[1], mech(64).Pos_X);
    EXPECT_EQ(line.Seg_Start[1] + line.Seg_Len[1], mech(3).Pos_X);

    dispatcher.apply(zun::input::StepClick{2});
    EXPECT_TRUE(sim.Panel_5_mech->visible());
    EXPECT_EQ(line.Gde_Rulon_Razmativatela, UncoilerPlace::CarTable);
    EXPECT_FALSE(mech(2).b_Normal_Speed) << "left fast until the speeds are restored";
}

TEST_F(StagesTest, TheLinePressesTheBellForTheTrainee)
{
    go_to_stage(39, 1);
    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::Pass{});
    EXPECT_TRUE(sim.beep_pressed);
    EXPECT_EQ(delivered(), (std::vector<std::string>{"show_bell_page_and_hand", "show_keys_of 72",
                                                     "show_target"}));
    line.Stadiya_Raboti = 41;
    dispatcher.apply(zun::input::Pass{});
    EXPECT_FALSE(sim.beep_pressed) << "the next pass releases it";
}

TEST_F(StagesTest, WorkingSpeedStartsTheLineDrives)
{
    advance(5000);
    line.f_Start_Working_Speed();
    for (int drive : {3, 25, 31, 46, 69})
        EXPECT_TRUE(mech(drive).b_KM_FWD) << drive;
    EXPECT_EQ(sim.Cur_Mech, 79);
    mech(74).f_Start_FWD_Pulse(); // a travelling drive goes on
    line.f_Stop_All_Mech();
    EXPECT_FALSE(mech(3).b_KM_FWD || mech(69).b_KM_FWD);
    EXPECT_TRUE(mech(74).b_KM_FWD);
}

} // namespace
} // namespace zun
