// After a completed stage in the first working mode the marker and the hand lead to the next
// step's control, without doing the step.
#include "line_internals.h"
#include "sim/stage_pointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zun {
namespace {

class NextStepPointerTest : public ::testing::Test {
protected:
    NextStepPointerTest()
    {
        dispatcher.advance_by(5000); // the start-up state
        ui.calls.clear();
    }

    // Stage 1 completes when a coil stands on the car: the new-coil button does it.
    void complete_stage_1()
    {
        dispatcher.apply(input::SelectMode{mode});
        dispatcher.advance_by(1000); // the poll passes the mode on to the line
        line.Stadiya_Raboti = 1;
        ui.calls.clear();
        dispatcher.apply(input::NewCoil{});
        dispatcher.advance_by(10);
    }

    WorkingMode mode = WorkingMode::PassStages;
    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    LineModel &sim = LineModelInternals::of(dispatcher); // stages set by hand
    TFrame_LineMetal &line = sim.Frame_LineMetal;

    // Points at the next step as a completed stage does, and hands the windows what it asked.
    void point_to_next_step()
    {
        LineModelInternals::point_to_next_step(dispatcher);
        dispatcher.advance_by(0);
    }
};

TEST_F(NextStepPointerTest, ACompletedStagePointsAtTheKeyOfTheNextStepWithoutDoingIt)
{
    complete_stage_1();
    ASSERT_EQ(line.Stadiya_Raboti, 2);
    EXPECT_EQ(sim.Cur_Mech, 5);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"show_keys_of 5", "show_target"}));
    dispatcher.advance_by(3000);
    EXPECT_FALSE(line.KV_R(5)) << "the drum stays as it was";
    EXPECT_EQ(line.Stadiya_Raboti, 2);
}

TEST_F(NextStepPointerTest, EachStepIsPointedAtByItsFirstControl)
{
    using Kind = stages::StepControl::Kind;
    struct Case {
        int stage;
        std::vector<std::string> calls;
        int cur_mech; // -1: unchanged
    };
    const auto key = [](int mech) {
        return std::vector<std::string>{"show_keys_of " + std::to_string(mech), "show_target"};
    };
    const Case cases[] = {
        {1, {"show_hand_at_new_coil_button"}, -1},
        {12, key(15), 15}, // the first action of the page: the held jog comes last
        {13, key(20), 20}, // "raise the idle rolls" is the delivery roll's key
        {14, key(22), 22},
        {18, key(20), 20},
        {24, key(49), 49},
        {25, key(46), 46}, // the feed roll that completes the step comes last
        {39, {"show_bell_page_and_hand"}, -1},
        {40, key(79), 79}, // the working-speed key
        {41, {}, -1},      // completes by itself
        {49, {}, -1},
    };
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    for (const Case &each : cases) {
        SCOPED_TRACE(each.stage);
        sim.Cur_Mech = 100;
        ui.calls.clear();
        line.Stadiya_Raboti = static_cast<std::int8_t>(each.stage);
        point_to_next_step();
        EXPECT_EQ(ui.calls, each.calls);
        EXPECT_EQ(sim.Cur_Mech, each.cur_mech < 0 ? 100 : each.cur_mech);
        EXPECT_EQ(stages::first_control(each.stage).kind == Kind::None, each.calls.empty());
    }
}

TEST_F(NextStepPointerTest, NoPointersInTheOtherModesNorWhenSwitchedOff)
{
    mode = WorkingMode::Automatic;
    complete_stage_1();
    ASSERT_EQ(line.Stadiya_Raboti, 2);
    EXPECT_EQ(ui.calls, std::vector<std::string>{}) << "the automatic run points by itself";

    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    sim.next_step_pointers = false;
    dispatcher.advance_by(1000);
    line.Stadiya_Raboti = 13;
    ui.calls.clear();
    point_to_next_step();
    EXPECT_EQ(ui.calls, std::vector<std::string>{});
}

// Each action of a step's page done, the pointer goes on to the page's next action: here step 3
// (the car's table, then the car) and step 12 (the feed roll, then the held uncoiler jog).
TEST_F(NextStepPointerTest, EachActionDonePointsAtTheNextActionOfTheSameStep)
{
    complete_stage_1();
    const auto press = [this](std::string_view frame, MouseButton button) {
        dispatcher.apply(input::ControlPress{console::find_control(frame), button});
    };
    press("Frame_45_Key_Fix_1", MouseButton::Right); // step 2: the drum's key, its only action
    dispatcher.advance_by(4000);
    ASSERT_EQ(line.Stadiya_Raboti, 3);
    EXPECT_EQ(sim.Cur_Mech, 2) << "step 3 begins with the car's table";

    ui.calls.clear();
    press("Frame_45_Key_Fix_3", MouseButton::Left);
    EXPECT_EQ(sim.Cur_Mech, 1);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"show_keys_of 1", "show_target"}));

    ui.calls.clear();
    press("Frame_45_Key_Fix_2", MouseButton::Right); // the car sent the wrong way: no action
    EXPECT_EQ(ui.calls, std::vector<std::string>{});
}

TEST_F(NextStepPointerTest, AHeldKeyPointsOnWhenLetGoAndTheLastActionPointsNowhere)
{
    complete_stage_1();
    line.Stadiya_Raboti = 12;
    const int feed_roll = console::find_control(console::key_of(15)->frame);
    const int jog = console::find_control(console::key_of(3)->frame);
    ui.calls.clear();
    dispatcher.apply(input::ControlPress{feed_roll, MouseButton::Left});
    EXPECT_EQ(sim.Cur_Mech, 3);
    ui.calls.clear();
    dispatcher.apply(input::ControlPress{jog, MouseButton::Left});
    EXPECT_EQ(ui.calls, std::vector<std::string>{}) << "held, not yet done";
    dispatcher.apply(input::ControlRelease{jog, MouseButton::Left});
    EXPECT_EQ(ui.calls, std::vector<std::string>{}) << "the jog is the page's last action";
}

} // namespace
} // namespace zun
