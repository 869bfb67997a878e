#include "app/view_clock_driver.h"

#include <gtest/gtest.h>

namespace {

// A driver of the windows' clock on a wall clock that the test sets by hand.
class ViewClockDriverTest : public ::testing::Test {
protected:
    ViewClockDriverTest() { driver.drive(clock); }

    void wall_advance(double milliseconds)
    {
        wall += milliseconds;
        driver.wake();
    }

    ViewClock clock;
    double wall = 1000;
    ViewClockDriver driver{[this] { return wall; }};
    int ticks = 0;
    ViewTimer every_100{clock, 100, ViewTimer::Shots::Repeated, [this] { ++ticks; }};
    int flashes_ended = 0;
    ViewTimer flash{clock, 100, ViewTimer::Shots::Single, [this] { ++flashes_ended; }};
};

TEST_F(ViewClockDriverTest, FollowsTheWallClockAndAbsorbsAStall)
{
    every_100.start();
    wall_advance(60.7);
    EXPECT_EQ(clock.now(), 60);
    wall_advance(40);
    EXPECT_EQ(clock.now(), 100) << "fractions of a millisecond add up";
    EXPECT_EQ(ticks, 1);
    wall_advance(60000);
    EXPECT_EQ(clock.now(), 100 + ViewClockDriver::max_step) << "no burst of a minute's ticks";
    EXPECT_EQ(ticks, 2);
    wall_advance(100);
    EXPECT_EQ(clock.now(), 300) << "after the stall the clock runs on from where it was";
    EXPECT_EQ(ticks, 3);
}

// A timer started between two wakes counts its interval from the wall clock's present, not from
// the clock's last wake.
TEST_F(ViewClockDriverTest, ATimerStartsFromThePresentWallTime)
{
    every_100.start();
    wall_advance(10);
    wall += 60;
    flash.start();
    EXPECT_EQ(clock.now(), 70);
    wall_advance(99);
    EXPECT_EQ(flashes_ended, 0);
    wall_advance(1);
    EXPECT_EQ(flashes_ended, 1);
}

TEST_F(ViewClockDriverTest, ADrivenClockOfAnotherLeavesTheFirstAlone)
{
    ViewClock other;
    driver.drive(other);
    wall += 50;
    flash.start();
    EXPECT_EQ(clock.now(), 0) << "the first clock is no longer run";
    wall_advance(40);
    EXPECT_EQ(other.now(), 90);
    EXPECT_EQ(flashes_ended, 0);
}

} // namespace
