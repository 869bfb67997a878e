// After a completed stage in the first working mode the marker and the hand lead to the next
// step's control, without doing the step.
#include "sim/Unit_simulator.h"
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
        sim.scheduler.advance_by(5000); // the start-up state
        ui.calls.clear();
    }

    // Stage 1 completes when a coil stands on the car: the new-coil button does it.
    void complete_stage_1()
    {
        sim.apply(input::SelectMode{mode});
        sim.scheduler.advance_by(1000); // the poll passes the mode on to the line
        line.Stadiya_Raboti = 1;
        sim.deliver_to_views();
        ui.calls.clear();
        sim.apply(input::NewCoil{});
        sim.scheduler.advance_by(10);
        sim.deliver_to_views();
    }

    WorkingMode mode = WorkingMode::PassStages;
    RecordingUiPort ui;
    TSimulator sim{ui};
    TFrame_LineMetal &line = sim.Frame_LineMetal;
};

TEST_F(NextStepPointerTest, ACompletedStagePointsAtTheKeyOfTheNextStepWithoutDoingIt)
{
    complete_stage_1();
    ASSERT_EQ(line.Stadiya_Raboti, 2);
    EXPECT_EQ(sim.Cur_Mech, 5);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"show_keys_of 5", "show_target"}));
    sim.scheduler.advance_by(3000);
    EXPECT_FALSE(line.KV_R(5)) << "the drum stays as it was";
    EXPECT_EQ(line.Stadiya_Raboti, 2);
}

TEST_F(NextStepPointerTest, EachStepIsPointedAtByItsFirstControl)
{
    using Kind = stages::Step_Control::Kind;
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
        {41, {}, -1},  // completes by itself
        {49, {}, -1},
    };
    sim.apply(input::SelectMode{WorkingMode::PassStages});
    for (const Case &each : cases) {
        SCOPED_TRACE(each.stage);
        sim.Cur_Mech = 100;
        ui.calls.clear();
        line.Stadiya_Raboti = static_cast<std::int8_t>(each.stage);
        sim.f_Point_To_Next_Step();
        sim.deliver_to_views();
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

    sim.apply(input::SelectMode{WorkingMode::PassStages});
    sim.b_Next_Step_Pointers = false;
    sim.scheduler.advance_by(1000);
    line.Stadiya_Raboti = 13;
    sim.deliver_to_views();
    ui.calls.clear();
    sim.f_Point_To_Next_Step();
    sim.deliver_to_views();
    EXPECT_EQ(ui.calls, std::vector<std::string>{});
}

} // namespace
} // namespace zun
