#include "line_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zun {
namespace {

TEST_F(LineTest, AFreshLineHoldsAWholeStripAtTheUncoiler)
{
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{1027, 3000}}));
    EXPECT_EQ(line.X_Razmativatela, 1027);
    EXPECT_EQ(line.X_Motalki, 180);
    EXPECT_EQ(line.Zone_Width, (1027 - 180) / 5);
    EXPECT_EQ(line.Percent_Razmativatela, 100);
    EXPECT_EQ(line.Line_Images[10]->name(), "Image0_Polosa_Body");
    EXPECT_EQ(line.Line_Images[54]->name(), "Image44_Polosa_Body");
    EXPECT_EQ(line.Line_Images[74]->name(), "Image_Diagonal_Left_4");
    EXPECT_EQ(line.Line_Images[0]->top(), 57);
    EXPECT_EQ(line.Line_Images[9]->top(), 57);
    EXPECT_EQ(line.Mech_Of[80 - 1], &mech(79));
    EXPECT_EQ(line.KM_FWD_Of[80], nullptr) << "80 and above are not bound";

    line.Timer_Visu_i_StadiyaTimer();
    EXPECT_EQ(line.Razmer_Rulona_Razmativatela, 3);
    EXPECT_EQ(line.Percent_Motalki, 0);
    EXPECT_EQ(line.Razmer_Rulona_Motalki, 10);
    EXPECT_EQ(sim.pictures.find_picture("Label_SizeRaz_Int")->caption(), "100%");
    EXPECT_EQ(sim.pictures.find_picture("Label_SizeMot_Perc")->caption(), "10");
}

TEST_F(LineTest, TheUncoilerPullsTheHeadLeftUntilThePeelerStopsIt)
{
    mech(3).b_KM_FWD = true;
    travel(10);
    EXPECT_EQ(line.Seg_Start[0], 1027) << "the peeler is not lowered onto the coil";
    mech(10).bi_KV_FWD = true; // lowered onto the coil
    mech(10).bi_KV_RWS = false;
    travel(10);
    EXPECT_EQ(line.Seg_Start[0], 1017) << "one pixel per tick";
    travel(100);
    EXPECT_EQ(line.Seg_Start[0], 973) << "past the peeler it must be raised again";
}

TEST_F(LineTest, MachinesInTheWayGateTheLeftwardTravel)
{
    struct Case {
        const char *gate;
        int head;
        int drive;
        std::function<void(LineModel &, bool open)> set;
    };
    const Case cases[] = {
        {"peeler lowered", 1000, 3,
         [](LineModel &s, bool open) { s.Mech_Array[10]->bi_KV_FWD = open; }},
        {"peeler raised", 950, 3,
         [](LineModel &s, bool open) { s.Mech_Array[10]->bi_KV_RWS = open; }},
        {"tilting table lowered", 800, 19,
         [](LineModel &s, bool open) { s.Mech_Array[22]->bi_KV_RWS = open; }},
        {"recoiler winding a coil", 170, 69,
         [](LineModel &s, bool open) {
             s.Frame_LineMetal.Gde_Rulon_Motalki =
                 open ? RecoilerPlace::Recoiler : RecoilerPlace::None;
         }},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.gate);
        for (const bool open : {false, true}) {
            lay({{each.head, 600}});
            mech(each.drive).b_KM_FWD = true;
            each.set(sim, open);
            travel(1);
            EXPECT_EQ(line.Seg_Start[0], open ? each.head - 1 : each.head) << open;
            each.set(sim, false);
            mech(each.drive).b_KM_FWD = false;
        }
    }
}

TEST_F(LineTest, ReverseTravelStopsRightOfTheUncoiler)
{
    lay({{1020, 600}});
    mech(3).b_KM_RWS = true;
    travel(20);
    EXPECT_EQ(line.Seg_Start[0], 1028);
}

TEST_F(LineTest, PiecesStopWhereTheyTouch)
{
    lay({{500, 100}, {603, 400}});
    mech(19).b_KM_FWD = true; // drives only the second piece
    travel(10);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{500, 100}, {600, 400}}));

    mech(19).b_KM_FWD = false;
    lay({{700, 100}, {820, 300}});
    mech(25).b_KM_RWS = true; // x 756: drives only the first piece, to the right
    travel(40);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{720, 100}, {820, 300}}));
}

TEST_F(LineTest, CutsSplitThePieceUnderTheShearsOnly)
{
    lay({{700, 3000}});
    line.f_Cut_At_Mech(18);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{700, 164}, {864, 2836}}));

    lay({{900, 3000}, {300, 400}});
    line.f_Cut_At_Mech(18);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{900, 3000}, {300, 400}}))
        << "no piece under the shears";

    lay({});
    line.f_Cut_At_Mech(18);
    EXPECT_EQ(line.Seg_Count, 0);
    EXPECT_EQ(line.Seg_Len, (std::array<std::int16_t, 5>{}));

    const std::vector<std::pair<int, int>> full{
        {100, 50}, {200, 50}, {300, 50}, {400, 50}, {800, 200}};
    lay(full);
    line.f_Cut_At_Mech(18);
    EXPECT_EQ(pieces(), full) << "no free slot for the cut-off piece";
}

TEST_F(LineTest, AShearsStrokeCutsWhenItHasEnded)
{
    lay({{700, 3000}});
    mech(18).f_Start_FWD_Pulse();
    simulator.advance_by(1000);
    EXPECT_EQ(line.Seg_Count, 1) << "mid-stroke";
    simulator.advance_by(1000);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{700, 164}, {864, 2836}}));
}

TEST_F(LineTest, ShortEndsDropNearTheRunningDeliveryRoll)
{
    struct Case {
        int head;
        int length;
        bool drops;
    };
    // The delivery roll stands at x 836.
    for (const Case &each :
         {Case{820, 80, true}, Case{820, 120, false}, Case{800, 80, false}, Case{900, 99, true}}) {
        SCOPED_TRACE(each.head);
        lay({{100, 50}, {each.head, each.length}});
        mech(19).b_KM_FWD = true;
        travel(1);
        EXPECT_EQ(line.Seg_Count, each.drops ? 1 : 2);
    }
}

TEST_F(LineTest, TheRecoilerCoilTravelsToTheRotatingTableAndAway)
{
    TMech &table = mech(73);
    TMech &car = mech(72);
    TMech &drum = mech(70);
    lay({{200, 2000}});
    line.f_Move_Rulons();
    drum.bi_KV_FWD = true;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::Recoiler)
        << "the drum expands under the strip head";

    drum.bi_KV_FWD = false;
    drum.bi_KV_RWS = true;
    car.bi_KV_FWD = true;
    table.bi_KV_FWD = true;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::Recoiler)
        << "the table must have been up one tick already";
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::RemovalTable);

    car.bi_KV_FWD = false;
    car.bi_KV_RWS = true;
    table.bi_KV_FWD = false;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::RotatingTable)
        << "lowered over the rotating table";
    table.bi_KV_FWD = true;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::RemovalTable) << "lifted again";
    table.bi_KV_FWD = false;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::RotatingTable);

    line.Percent_Motalki = 40;
    mech(76).b_KM_FWD = true;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::None);
    EXPECT_EQ(line.Percent_Motalki, 0);
    EXPECT_EQ(line.Seg_Count, 0) << "the finished coil leaves with its piece";
}

TEST_F(LineTest, TheRemovalTableTakesTheCoilBackUnderTheRecoiler)
{
    line.Gde_Rulon_Motalki = RecoilerPlace::RemovalTable;
    mech(72).bi_KV_FWD = true;
    mech(73).bi_KV_FWD = false;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Motalki, RecoilerPlace::Recoiler);
}

TEST_F(LineTest, TheUncoilerCoilGoesOnTheUncoilerAndBackOntoTheCar)
{
    TMech &car = mech(1);
    TMech &lift = mech(2);
    simulator.apply(zun::input::NewCoil{});
    EXPECT_EQ(line.Gde_Rulon_Razmativatela, UncoilerPlace::CarTable);
    lay({{1030, 3000}});
    car.bi_KV_FWD = true;
    lift.bi_KV_FWD = true;
    line.f_Move_Rulons();
    lift.bi_KV_FWD = false; // the table lowers the coil onto the uncoiler
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Razmativatela, UncoilerPlace::Uncoiler);
    EXPECT_EQ(line.Seg_Start[0], 1027) << "the head jumps to the uncoiler picture";

    lay({{600, 400}, {1027, 900}});
    lift.bi_KV_FWD = true;
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Razmativatela, UncoilerPlace::CarTable);
    EXPECT_EQ(pieces(), (std::vector<std::pair<int, int>>{{1027, 3000}})) << "a whole coil again";

    lay({{400, 300}});
    line.f_Move_Rulons();
    EXPECT_EQ(line.Gde_Rulon_Razmativatela, UncoilerPlace::None)
        << "no strip at the uncoiler drive";
}

TEST_F(LineTest, PercentagesAreTruncatedIntoSizeClasses)
{
    struct Case {
        int percent;
        int recoiler_class;
        int uncoiler_class;
    };
    const Case cases[] = {{0, 10, 0}, {1, 10, 0}, {2, 0, 0},  {10, 0, 0}, {11, 1, 1},
                          {30, 1, 1}, {31, 2, 2}, {60, 2, 2}, {61, 3, 3}, {99, 3, 3}};
    for (const Case &each : cases) {
        SCOPED_TRACE(each.percent);
        // One pixel short of the next percent: the division truncates.
        const int wound = each.percent * 30 + (each.percent < 99 ? 29 : 0);
        lay({{180 - wound, wound + 10}, {900, 1027 - 900 + each.percent * 30 + 29}});
        line.f_Calc_Rulon_Sizes();
        EXPECT_EQ(line.Percent_Motalki, each.percent);
        EXPECT_EQ(line.Razmer_Rulona_Motalki, each.recoiler_class);
        EXPECT_EQ(line.Percent_Razmativatela, each.percent);
        EXPECT_EQ(line.Razmer_Rulona_Razmativatela, each.uncoiler_class);
    }
}

TEST_F(LineTest, EdgeDetectorsShareOneMemoryPerMechanism)
{
    TMech &shears = mech(18);
    shears.b_KM_FWD = true;
    EXPECT_FALSE(line.f_Run_Ended(18));
    shears.b_KM_FWD = false;
    EXPECT_TRUE(line.f_Run_Ended(18));
    EXPECT_FALSE(line.f_Run_Ended(18)) << "an edge fires once";

    shears.b_KM_RWS = true;
    line.f_Run_Ended(18);
    shears.b_KM_RWS = false;
    EXPECT_TRUE(line.f_RWS_Run_Ended(18)) << "reads the memory the other detector wrote";

    TMech &table = mech(73);
    table.bi_KV_FWD = false;
    line.f_Reached_FWD_End(73);
    table.bi_KV_FWD = true;
    EXPECT_TRUE(line.f_Reached_FWD_End(73));
    table.bi_KV_FWD = false;
    EXPECT_TRUE(line.f_Reached_FWD_End(73) || line.f_Left_FWD_End(73));
}

TEST_F(LineTest, HalfTurnSeesTheOppositePhaseOfARunningDrive)
{
    TMech &roll = mech(19);
    EXPECT_FALSE(line.f_Half_Turn(19));
    roll.f_Start_FWD_Pulse();
    std::vector<bool> seen;
    for (int i = 0; i < 4; ++i) {
        simulator.advance_by(100);
        seen.push_back(line.f_Half_Turn(19));
    }
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, false}));
    EXPECT_FALSE(line.f_Half_Turn(18)) << "not a rotating drive";
}

} // namespace
} // namespace zun
