#include "line_internals.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zun {
namespace {

class ConstructionTest : public ::testing::Test {
protected:
    // The drives that the start-up state commanded reach their ends.
    void settle() { dispatcher.advance_by(5000); }

    TMech &mech(int number) { return *sim.Mech_Array[number]; }
    const Picture &position(int number, int k) { return *mech(number).Image_Pos[k]; }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    LineModel &sim = LineModelInternals::of(dispatcher); // the construction, seen from inside
};

TEST_F(ConstructionTest, EverySlotHoldsItsMechanismWithFourPicturesInPlace)
{
    std::set<const TMech *> distinct;
    for (int number = 0; number < LineModel::mech_count; ++number) {
        TMech &each = mech(number);
        distinct.insert(&each);
        EXPECT_EQ(&each, &sim.mech_components[number].mech);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(position(number, k).name(),
                      "Image" + std::to_string(number) + "_" + std::to_string(k));
    }
    EXPECT_EQ(distinct.size(), 200u);

    EXPECT_EQ(mech(1).Pos_X, 1050);
    EXPECT_EQ(mech(1).Pos_Y, 55);
    EXPECT_EQ(mech(1).X_Min, 1010);
    EXPECT_EQ(mech(1).X_Max, 1050);
    EXPECT_EQ(mech(1).Y_Min, 55);
    EXPECT_EQ(mech(1).Y_Max, 95);
    EXPECT_EQ(mech(60).X_Min, 222);
    EXPECT_EQ(mech(60).X_Max, 302);
    EXPECT_EQ(mech(62).Y_Min, mech(62).Y_Max);
    EXPECT_EQ(mech(0).Pos_Y, 21);
    EXPECT_EQ(mech(150).Pos_X, 800);
    EXPECT_EQ(mech(150).Pos_Y, 13);
    EXPECT_EQ(mech(11).X_Max, 1280) << "construction bounds stay";
    EXPECT_EQ(mech(6).Step_Z, 1);
    EXPECT_EQ(mech(60).Follow_Mech[3], &mech(61));
    EXPECT_EQ(mech(61).Follow_Mech[0], nullptr);
    EXPECT_EQ(mech(61).Follow_Mech[1], &mech(64));
    EXPECT_EQ(mech(5).Co_Mech[3], &mech(108));
    EXPECT_TRUE(mech(18).b_Auto_Return && mech(64).b_Auto_Return);
    EXPECT_FALSE(mech(61).b_Auto_Return);
}

TEST_F(ConstructionTest, LimitSwitchesAtTheStartCoordinates)
{
    const std::set<int> reverse_end{1,  2,  4,  18, 20, 24, 27, 49, 52,
                                    56, 61, 64, 65, 73, 74, 75, 149};
    const std::set<int> forward_end{6, 48, 53, 54, 71, 72};
    for (int number = 0; number < LineModel::mech_count; ++number) {
        TMech &each = mech(number);
        if (each.Kind_Move != KindMove::Travel)
            continue;
        // The start-up state's pulses evaluated the drives it commands; nothing has moved yet.
        if (!each.b_KM_FWD && !each.b_KM_RWS)
            each.f_Evaluate();
        SCOPED_TRACE(number);
        EXPECT_EQ(each.bi_KV_RWS, reverse_end.count(number) == 1 || number == 62);
        EXPECT_EQ(each.bi_KV_FWD, forward_end.count(number) == 1 || number == 62);
    }
}

TEST_F(ConstructionTest, PicturesSelectTheirMechanismsUnderTheirNames)
{
    struct Case {
        int number;
        int k;
        int tag;
        const char *hint;
    };
    const Case cases[] = {
        {105, 0, 5, ""},
        {106, 0, 5, "5"},
        {106, 1, 6, ""},
        {108, 0, 5, "5"},
        {111, 0, 10, "10"},
        {111, 1, 10, "10"},
        {111, 2, 9, "9"},
        {111, 3, 9, "9"},
        {149, 0, 49, ""},
        {170, 0, 70, ""},
        {173, 0, 70, "70"},
        {62, 3, 62, "62------------не существует"},
        {38, 2, 38, "38? промасливающая машина"},
        {4, 1, 4, " 4 перемещение разматывателя "},
        {100, 0, 100, ""},
        {0, 0, 0, ""},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(position(each.number, each.k).name());
        EXPECT_EQ(position(each.number, each.k).tag(), each.tag);
        EXPECT_EQ(position(each.number, each.k).hint(), each.hint);
    }
}

TEST_F(ConstructionTest, DrivesEndAtTheirNormalSpeed)
{
    EXPECT_EQ(mech(10).Timer_Drive.interval(), 300);
    EXPECT_EQ(mech(10).Saved_Interval, 300);
    for (int number = 1; number <= 198; ++number) {
        SCOPED_TRACE(number);
        EXPECT_TRUE(mech(number).b_Normal_Speed);
        EXPECT_EQ(mech(number).Timer_Drive.interval(), mech(number).Saved_Interval);
    }
    struct Case {
        int number;
        int interval;
    };
    for (const Case &each : {Case{5, 400}, Case{18, 200}, Case{20, 10}, Case{60, 30}, Case{70, 400},
                             Case{118, 200}, Case{150, 100}})
        EXPECT_EQ(mech(each.number).Timer_Drive.interval(), each.interval) << each.number;
    for (int untouched : {0, 199}) {
        EXPECT_FALSE(mech(untouched).b_Normal_Speed);
        EXPECT_EQ(mech(untouched).Timer_Drive.interval(), 100);
        EXPECT_EQ(mech(untouched).Saved_Interval, 0);
    }
}

TEST_F(ConstructionTest, TheCoilCarTravelsFortyTicksCarryingItsTable)
{
    settle();
    mech(1).f_Start_FWD_Pulse();
    EXPECT_EQ(sim.Cur_Mech, 1);
    dispatcher.advance_by(4000);
    EXPECT_EQ(mech(1).Pos_X, 1010);
    EXPECT_EQ(mech(1).Pos_Y, 95);
    EXPECT_EQ(mech(2).Pos_X, 1011);
    EXPECT_EQ(mech(2).Pos_Y, 110);
    EXPECT_EQ(position(2, 0).left(), 1011);
    EXPECT_EQ(position(1, 0).top(), 240 - 95 - 41);
    dispatcher.advance_by(200);
    EXPECT_FALSE(mech(1).Timer_Drive.enabled());
    EXPECT_TRUE(mech(1).bi_KV_FWD);
    EXPECT_EQ(mech(2).Pos_X, 1010) << "the extra tick carries the follower once more";
}

class BlockingTest : public ConstructionTest {
protected:
    void travel(int number, bool forward)
    {
        forward ? mech(number).f_Start_FWD_Pulse() : mech(number).f_Start_RWS_Pulse();
        while (mech(number).Timer_Drive.enabled())
            dispatcher.advance_by(10);
    }
};

TEST_F(BlockingTest, TheCarGoesBackOnlyWithBothPlatformsForward)
{
    settle();
    EXPECT_FALSE(mech(72).b_Permit_RWS);
    EXPECT_TRUE(mech(74).b_Permit_RWS && mech(75).b_Permit_RWS) << "the car is forward";
    mech(72).f_Start_RWS_Pulse();
    EXPECT_FALSE(mech(72).b_KM_RWS);

    travel(74, true);
    mech(72).f_Start_RWS_Pulse();
    EXPECT_FALSE(mech(72).b_KM_RWS) << "one platform is not enough";
    travel(75, true);
    dispatcher.advance_by(10);
    EXPECT_TRUE(mech(72).b_Permit_RWS);
}

TEST_F(BlockingTest, ACarGoingBackStopsWhenAPlatformLeavesItsEnd)
{
    settle();
    travel(74, true);
    travel(75, true);
    dispatcher.advance_by(10);
    const Millis start = sim.scheduler.now();
    mech(72).f_Start_RWS_Pulse();
    mech(75).f_Start_RWS_Pulse(); // the car is still at its end: the platform may go
    ASSERT_TRUE(mech(72).b_KM_RWS && mech(75).b_KM_RWS);

    // The platform's switch drops at its second tick; the next housekeeping tick withdraws the
    // car's permission, and the car's next drive tick drops its latch.
    dispatcher.advance_to(start + 200);
    EXPECT_FALSE(mech(75).bi_KV_FWD);
    EXPECT_TRUE(mech(72).b_KM_RWS);
    dispatcher.advance_to(start + 300);
    EXPECT_FALSE(mech(72).b_KM_RWS);
    EXPECT_FALSE(mech(72).Timer_Drive.enabled());
    EXPECT_EQ(mech(72).Pos_X, 165 - 2);
}

TEST_F(BlockingTest, CloseUpsArePinnedAndTheBellFollowsItsButton)
{
    sim.Panel_5_mech->set_left(10);
    sim.Panel_Kromkomotalka->set_top(200);
    sim.Panel_Image_Scene->set_left(9);
    sim.beep_pressed = true;
    dispatcher.advance_by(10);
    EXPECT_EQ(sim.Panel_5_mech->left(), 9 + 770);
    EXPECT_EQ(sim.Panel_70_mech->left(), 9 + 220);
    EXPECT_EQ(sim.Panel_70_mech->top(), 63);
    EXPECT_EQ(sim.Panel_Kromkomotalka->top(), 23);
    EXPECT_TRUE(sim.Image_Beep->visible());
    sim.beep_pressed = false;
    dispatcher.advance_by(10);
    EXPECT_FALSE(sim.Image_Beep->visible());
}

} // namespace
} // namespace zun
