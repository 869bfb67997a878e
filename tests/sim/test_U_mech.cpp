#include "sim/U_mech.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace zun {
namespace {

// Stands in for the main window: remembers the current mechanism and shows containers.
class FakeHost : public MechHost {
public:
    void set_cur_mech(std::int32_t number) override { Cur_Mech = number; }
    void show_container(Panel &container) override
    {
        container.set_visible(true);
        shown.push_back(container.name());
    }
    void fault_shown(const TMech &, FaultKind kind) override { faults_shown.push_back(kind); }

    std::int32_t Cur_Mech = 0;
    std::vector<std::string> shown;
    std::vector<FaultKind> faults_shown;
};

class MechTest : public ::testing::Test {
protected:
    // A mechanism with four pictures where the description puts picture 0, started from there
    // at normal speed, as the main window's construction leaves it.
    TMech &make_mech(int number, Panel &panel, Rect first_picture)
    {
        auto &mech = *mechs.emplace_back(std::make_unique<TMech>(scheduler, host));
        for (int k = 0; k < 4; ++k) {
            Picture &picture =
                store.add_picture(panel, "Image" + std::to_string(number) + "_" + std::to_string(k),
                                  first_picture, k == 0);
            picture.set_tag(number);
            mech.Image_Pos[k] = &picture;
        }
        mech.Pos_X = static_cast<std::int16_t>(first_picture.left);
        mech.Pos_Y =
            static_cast<std::int16_t>(panel.height() - first_picture.top - first_picture.height);
        mech.f_Save_Interval();
        mech.b_Normal_Speed = true;
        return mech;
    }

    TMech &make_travel(int number, std::int16_t step_x, std::int16_t step_y)
    {
        TMech &mech = make_mech(number, scene, {100, 100, 20, 20});
        mech.Kind_Move = KindMove::Travel;
        mech.Step_X = step_x;
        mech.Step_Y = step_y;
        return mech;
    }

    void tick(TMech &mech) { scheduler.advance_by(mech.Timer_Drive.interval()); }

    static bool running(const TMech &mech)
    {
        return mech.Timer_Drive.enabled() && (mech.b_KM_FWD || mech.b_KM_RWS);
    }

    Scheduler scheduler;
    FakeHost host;
    PictureStore store;
    Panel &scene = store.add_panel("Panel_Image_Scene", {-51, 40, 1159, 240}, true);
    Panel &close_up = store.add_panel("Panel_5_mech", {300, 50, 250, 224}, false);
    std::vector<std::unique_ptr<TMech>> mechs;
};

TEST_F(MechTest, ShowPlacesAllFourPicturesAndShowsOnlyThePhase)
{
    TMech &mech = make_mech(7, scene, {1005, 15, 70, 52});
    EXPECT_EQ(mech.Pos_Y, 173);
    mech.Pos_X = 1000;
    mech.Pos_Y = 100;
    mech.Phase = 2;
    mech.f_Show();
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(mech.Image_Pos[k]->visible(), k == 2);
        EXPECT_EQ(mech.Image_Pos[k]->left(), 1000);
        EXPECT_EQ(mech.Image_Pos[k]->top(), 240 - 100 - 52);
    }
    mech.Phase = 4;
    mech.f_Show();
    for (const Picture *picture : mech.Image_Pos)
        EXPECT_FALSE(picture->visible()) << "a phase outside 0..3 shows nothing";
}

TEST_F(MechTest, RotationTurnsEndlesslyBothWaysUntilStopped)
{
    TMech &roll = make_mech(3, scene, {1027, 54, 48, 43});
    roll.f_Start_FWD_Pulse();
    std::vector<int> phases;
    for (int i = 0; i < 6; ++i) {
        tick(roll);
        phases.push_back(roll.Phase);
        EXPECT_TRUE(roll.Image_Pos[roll.Phase]->visible());
    }
    EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 0, 1, 2}));
    EXPECT_FALSE(roll.bi_KV_RWS || roll.bi_KV_FWD) << "a rotating drive has no limit switches";

    roll.f_Stop();
    EXPECT_FALSE(running(roll));
    roll.f_Start_RWS_Pulse();
    phases.clear();
    for (int i = 0; i < 4; ++i) {
        tick(roll);
        phases.push_back(roll.Phase);
    }
    EXPECT_EQ(phases, (std::vector<int>{1, 0, 3, 2}));
}

TEST_F(MechTest, FourPhasesRunOneExtraTickAtTheEnd)
{
    TMech &drum = make_mech(5, scene, {70, 70, 100, 100});
    drum.Kind_Move = KindMove::Phases;
    drum.Timer_Drive.set_interval(400);
    drum.f_Start_FWD_Pulse();
    struct Expected {
        int phase;
        bool latched;
        bool at_forward_end;
    };
    const std::vector<Expected> ticks{
        {1, true, false}, {2, true, false}, {3, true, false}, {3, true, true}, {3, false, true}};
    for (const Expected &expected : ticks) {
        tick(drum);
        SCOPED_TRACE(scheduler.now());
        EXPECT_EQ(drum.Phase, expected.phase);
        EXPECT_EQ(drum.b_KM_FWD, expected.latched);
        EXPECT_EQ(drum.Timer_Drive.enabled(), expected.latched);
        EXPECT_EQ(drum.bi_KV_FWD, expected.at_forward_end);
    }
    EXPECT_FALSE(drum.bi_KV_RWS);
}

TEST_F(MechTest, FourPhasesAtTheForwardEndShowNoMotion)
{
    // Switch already on: the pulse is refused.
    TMech &known_end = make_mech(9, scene, {915, 60, 70, 50});
    known_end.Kind_Move = KindMove::Phases;
    known_end.Phase = 3;
    known_end.bi_KV_FWD = true;
    known_end.f_Start_FWD_Pulse();
    EXPECT_FALSE(known_end.b_KM_FWD);
    EXPECT_FALSE(known_end.Timer_Drive.enabled());

    // Phase set from outside, switch not yet read: the first tick drops the latch before a step.
    TMech &stale = make_mech(22, scene, {788, 47, 61, 44});
    stale.Kind_Move = KindMove::Phases;
    stale.Phase = 3;
    stale.f_Start_FWD_Pulse();
    EXPECT_TRUE(stale.b_KM_FWD);
    EXPECT_TRUE(stale.bi_KV_FWD);
    tick(stale);
    EXPECT_FALSE(running(stale));
    EXPECT_EQ(stale.Phase, 3);
}

TEST_F(MechTest, LatchesFollowPermissionsAndRefuseTheOtherDirection)
{
    TMech &car = make_travel(1, -1, 0);
    car.f_Start_RWS_Pulse();
    car.f_Start_FWD_Pulse();
    EXPECT_TRUE(car.b_KM_RWS && !car.b_KM_FWD) << "running back blocks a forward pulse";
    car.f_Stop();
    EXPECT_FALSE(car.b_KM_RWS || car.Timer_Drive.enabled());
    car.f_Start_FWD_Pulse();
    EXPECT_TRUE(car.b_KM_FWD && running(car));
    car.f_Stop();

    struct Refusal {
        const char *why;
        bool TMech::*flag;
        bool value;
    };
    for (const Refusal &refusal : {Refusal{"no permission", &TMech::b_Permit, false},
                                   Refusal{"no forward permission", &TMech::b_Permit_FWD, false},
                                   Refusal{"at the forward end", &TMech::bi_KV_FWD, true}}) {
        SCOPED_TRACE(refusal.why);
        TMech &refused = make_travel(20 + static_cast<int>(mechs.size()), -1, 0);
        refused.Image_Pos[0]->move_to(close_up);
        refused.*refusal.flag = refusal.value;
        host.Cur_Mech = 0;
        close_up.set_visible(false);
        refused.f_Start_FWD_Pulse();
        EXPECT_FALSE(refused.b_KM_FWD || refused.Timer_Drive.enabled());
        EXPECT_EQ(host.Cur_Mech, refused.Image_Pos[0]->tag()) << "still made current";
        EXPECT_TRUE(close_up.visible()) << "its container still pops up";
    }

    TMech &undriven = make_travel(40, -1, 0);
    undriven.b_Enable_Drive = false;
    undriven.f_Start_FWD_Pulse();
    EXPECT_TRUE(undriven.b_KM_FWD);
    EXPECT_FALSE(undriven.Timer_Drive.enabled());
}

TEST_F(MechTest, NegativeStepTravelsDownToTheLowerBound)
{
    TMech &deck = make_travel(74, -2, 0);
    deck.X_Max = deck.Pos_X;
    deck.X_Min = static_cast<std::int16_t>(deck.Pos_X - 80);
    deck.f_Evaluate();
    EXPECT_TRUE(deck.bi_KV_RWS);

    deck.f_Start_FWD_Pulse();
    int ticks = 0;
    while (running(deck) && ticks < 100) {
        tick(deck);
        ++ticks;
    }
    EXPECT_EQ(ticks, 42) << "40 steps, one extra tick, then the latch drops";
    EXPECT_EQ(deck.Pos_X, deck.X_Min);
    EXPECT_EQ(deck.Image_Pos[0]->left(), deck.X_Min);
    EXPECT_TRUE(deck.bi_KV_FWD && !deck.bi_KV_RWS);

    deck.f_Start_RWS_Pulse();
    while (running(deck))
        tick(deck);
    EXPECT_EQ(deck.Pos_X, deck.X_Max);
    EXPECT_TRUE(deck.bi_KV_RWS && !deck.bi_KV_FWD);
}

// A malfunction shows in what the mechanism does: a lost end switch when the mechanism, at that
// end, steps on past it; a drive that does not switch on when it stops the running mechanism.
TEST_F(MechTest, AMalfunctionShowsWhenTheMechanismBehavesWrongly)
{
    TMech &deck = make_travel(74, -2, 0);
    deck.X_Max = deck.Pos_X;
    deck.X_Min = static_cast<std::int16_t>(deck.Pos_X - 20);
    deck.set_fault(FaultKind::ForwardEnd, true);
    deck.f_Start_FWD_Pulse();
    for (int step = 0; step < 10; ++step) {
        tick(deck);
        EXPECT_TRUE(host.faults_shown.empty()) << "within its travel, step " << step;
    }
    tick(deck); // at the end, and on: the switch that would stop it is lost
    EXPECT_EQ(host.faults_shown, std::vector<FaultKind>{FaultKind::ForwardEnd});
    EXPECT_TRUE(running(deck)) << "it runs on at its end";

    host.faults_shown.clear();
    deck.set_fault(FaultKind::ForwardEnd, false);
    deck.f_Start_RWS_Pulse();
    tick(deck);
    deck.set_fault(FaultKind::Drive, true);
    EXPECT_TRUE(host.faults_shown.empty()) << "it shows at the stop, not when set";
    tick(deck);
    EXPECT_FALSE(running(deck));
    EXPECT_EQ(host.faults_shown, std::vector<FaultKind>{FaultKind::Drive});
}

TEST_F(MechTest, EitherCoordinateAtItsBoundStopsTwoCoordinateTravel)
{
    TMech &reducer = make_travel(52, 1, 1);
    const std::int16_t x0 = reducer.Pos_X;
    const std::int16_t y0 = reducer.Pos_Y;
    reducer.X_Min = x0;
    reducer.X_Max = static_cast<std::int16_t>(x0 + 5);
    reducer.Y_Min = y0;
    reducer.Y_Max = static_cast<std::int16_t>(y0 + 10);
    reducer.f_Start_FWD_Pulse();
    while (running(reducer))
        tick(reducer);
    EXPECT_EQ(reducer.Pos_X, x0 + 5);
    EXPECT_EQ(reducer.Pos_Y, y0 + 6) << "y took the extra tick's step, then stayed";
    EXPECT_TRUE(reducer.bi_KV_FWD);
    EXPECT_EQ(scheduler.now(), 700);
}

TEST_F(MechTest, AutoReturnReversesAtTheForwardEndAndIgnoresStopThere)
{
    TMech &shears = make_travel(18, 0, 4);
    shears.Timer_Drive.set_interval(200);
    shears.Y_Min = shears.Pos_Y;
    shears.Y_Max = static_cast<std::int16_t>(shears.Pos_Y + 10);
    shears.b_Auto_Return = true;
    const int start = shears.Pos_Y;

    shears.f_Start_FWD_Pulse();
    std::vector<int> heights;
    while (running(shears)) {
        tick(shears);
        heights.push_back(shears.Pos_Y - start);
    }
    EXPECT_EQ(heights, (std::vector<int>{4, 8, 12, 12, 8, 4, 0, 0, 0}))
        << "overshoots the bound by less than a step, returns in the same evaluation";
    EXPECT_TRUE(shears.bi_KV_RWS && !shears.bi_KV_FWD);

    shears.f_Start_FWD_Pulse();
    for (int i = 0; i < 4; ++i)
        tick(shears);
    ASSERT_TRUE(shears.bi_KV_FWD);
    shears.f_Stop();
    EXPECT_TRUE(shears.b_KM_RWS && running(shears)) << "stop turns into the return";
}

TEST_F(MechTest, FollowersKeepTheirDistanceAndTakeTheExtraStepBack)
{
    TMech &leader = make_travel(60, -1, 0);
    leader.X_Min = static_cast<std::int16_t>(leader.Pos_X - 3);
    leader.X_Max = leader.Pos_X;
    TMech &follower = make_mech(62, scene, {150, 100, 20, 20});
    leader.Follow_Mech[1] = &follower;
    const std::int16_t leader_start = leader.Pos_X;
    const std::int16_t follower_start = follower.Pos_X;

    leader.f_Start_FWD_Pulse();
    std::vector<int> leader_x;
    std::vector<int> follower_x;
    while (running(leader)) {
        tick(leader);
        leader_x.push_back(leader.Pos_X - leader_start);
        follower_x.push_back(follower.Pos_X - follower_start);
    }
    EXPECT_EQ(leader_x, (std::vector<int>{-1, -2, -3, -3, -3}));
    EXPECT_EQ(follower_x, (std::vector<int>{-1, -2, -3, -4, -4}));
    EXPECT_EQ(follower.X_Min, -4);
    EXPECT_EQ(follower.X_Max, 1276);
    EXPECT_EQ(follower.Image_Pos[0]->left(), follower.Pos_X);

    leader.f_Start_RWS_Pulse();
    while (running(leader))
        tick(leader);
    EXPECT_EQ(leader.Pos_X, leader_start);
    EXPECT_EQ(follower.Pos_X, follower_start);
    EXPECT_EQ(follower.X_Min, 0);
    EXPECT_EQ(follower.X_Max, 1280);
}

TEST_F(MechTest, FollowersCopyTheLeadersPhase)
{
    TMech &peeler = make_mech(10, scene, {974, 34, 70, 70});
    peeler.Kind_Move = KindMove::Phases;
    TMech &second_picture = make_mech(110, scene, {950, 10, 70, 70});
    peeler.Follow_Mech[0] = &second_picture;
    peeler.f_Start_FWD_Pulse();
    tick(peeler);
    tick(peeler);
    EXPECT_EQ(second_picture.Phase, 2);
    EXPECT_TRUE(second_picture.Image_Pos[2]->visible());
    EXPECT_FALSE(second_picture.Image_Pos[0]->visible());
    EXPECT_FALSE(second_picture.Timer_Drive.enabled());
}

TEST_F(MechTest, CoMechanismsMoveOnlyOnTheLeadersTicks)
{
    TMech &drum = make_mech(5, close_up, {70, 70, 100, 100});
    drum.Kind_Move = KindMove::Phases;
    drum.Timer_Drive.set_interval(400);
    TMech &segment = make_mech(105, close_up, {83, 83, 37, 37});
    segment.Kind_Move = KindMove::Travel;
    segment.Step_X = -1;
    segment.Step_Y = 1;
    drum.Co_Mech[0] = &segment;
    const std::int16_t x0 = segment.Pos_X;
    const std::int16_t y0 = segment.Pos_Y;

    drum.f_Start_FWD_Pulse();
    scheduler.advance_to(399);
    EXPECT_EQ(segment.Pos_X, x0);
    scheduler.advance_to(2000);
    EXPECT_EQ(segment.Pos_X, x0 - 4) << "one step per latched tick of the drum, extra tick too";
    EXPECT_EQ(segment.Pos_Y, y0 + 4);
    EXPECT_EQ(segment.Image_Pos[0]->left(), x0 - 4);
    EXPECT_FALSE(segment.Timer_Drive.enabled()) << "its own latches were never set";

    drum.f_Start_RWS_Pulse();
    scheduler.advance_by(10000);
    EXPECT_EQ(segment.Pos_X, x0);
    EXPECT_EQ(segment.Pos_Y, y0);

    segment.f_Start_FWD_Pulse();
    EXPECT_TRUE(running(segment)) << "commanded itself, it runs on its own timer";
    tick(segment);
    EXPECT_EQ(segment.Pos_X, x0 - 1);
}

TEST_F(MechTest, FastModeTicksEveryTenMillisecondsUntilSpeedIsRestored)
{
    TMech &drum = make_mech(5, close_up, {70, 70, 100, 100});
    drum.Kind_Move = KindMove::Phases;
    drum.Timer_Drive.set_interval(400);
    drum.f_Save_Interval();
    TMech &segment = make_mech(105, close_up, {83, 83, 37, 37});
    TMech &follower = make_mech(106, close_up, {120, 83, 37, 37});
    drum.Co_Mech[0] = &segment;
    drum.Follow_Mech[0] = &follower;

    drum.f_Start_FWD_Pulse_Fast();
    EXPECT_FALSE(drum.b_Normal_Speed);
    EXPECT_TRUE(segment.b_Normal_Speed && follower.b_Normal_Speed) << "theirs is not changed";
    for (const TMech *mech : {&drum, &segment, &follower})
        EXPECT_EQ(mech->Timer_Drive.interval(), 1);
    EXPECT_FALSE(close_up.visible()) << "a fast pulse pops nothing up";
    EXPECT_EQ(host.Cur_Mech, 5);

    scheduler.advance_by(30);
    EXPECT_EQ(drum.Phase, 3);
    scheduler.advance_by(20);
    EXPECT_FALSE(running(drum));

    drum.f_Restore_Speed();
    EXPECT_TRUE(drum.b_Normal_Speed);
    EXPECT_EQ(drum.Timer_Drive.interval(), 400);
    drum.f_Start_RWS_Pulse();
    EXPECT_TRUE(close_up.visible()) << "at normal speed the pulse shows the close-up";
    EXPECT_EQ(host.shown, std::vector<std::string>{"Panel_5_mech"});
    scheduler.advance_by(399);
    EXPECT_EQ(drum.Phase, 3);
    scheduler.advance_by(1);
    EXPECT_EQ(drum.Phase, 2);
}

} // namespace
} // namespace zun
