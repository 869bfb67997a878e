#include "app/application.h"
#include "app/clock_driver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A driver on a wall clock that the test sets by hand.
class ClockDriverTest : public ::testing::Test {
protected:
    ClockDriverTest() { driver.start(); }

    void wall_advance(double milliseconds)
    {
        wall += milliseconds;
        driver.wake();
    }

    // A bare scheduler as the clock the driver runs.
    struct BareClock final : zun::DrivenClock {
        zun::Scheduler scheduler;
        zun::Millis now() const override { return scheduler.now(); }
        zun::Millis next_due() const override { return scheduler.next_due(); }
        void advance_to(zun::Millis time) override { scheduler.advance_to(time); }
    };

    BareClock clock;
    zun::Scheduler &scheduler = clock.scheduler;
    ErrorReporter errors;
    double wall = 1000;
    ClockDriver driver{clock, errors, [this] { return wall; }};
    int ticks = 0;
    zun::Timer ten_ms{scheduler, 10, [this] { ++ticks; }};
};

TEST_F(ClockDriverTest, FollowsTheWallClockInsideOneStep)
{
    ten_ms.set_enabled(true);
    wall_advance(35);
    EXPECT_EQ(scheduler.now(), 35);
    EXPECT_EQ(ticks, 3);
    wall_advance(0.6);
    wall_advance(0.6);
    EXPECT_EQ(scheduler.now(), 36) << "fractions of a millisecond add up";
}

TEST_F(ClockDriverTest, AStallIsAbsorbedWithoutABurstOfTicks)
{
    ten_ms.set_enabled(true);
    wall_advance(5000);
    EXPECT_EQ(scheduler.now(), ClockDriver::max_step);
    EXPECT_EQ(ticks, 10);
    wall_advance(20);
    EXPECT_EQ(scheduler.now(), 120) << "after the stall the clock runs on from where it was";
}

TEST_F(ClockDriverTest, TheSpeedFactorScalesVirtualTime)
{
    driver.set_speed(2);
    wall_advance(30);
    EXPECT_EQ(scheduler.now(), 60);
    driver.set_speed(0.5);
    wall_advance(30);
    EXPECT_EQ(scheduler.now(), 75);
    driver.set_speed(0);
    wall_advance(1000);
    EXPECT_EQ(scheduler.now(), 75) << "paused";
    driver.set_speed(1);
    wall_advance(10);
    EXPECT_EQ(scheduler.now(), 85) << "the pause is not made up afterwards";
}

TEST_F(ClockDriverTest, FrozenTheClockStandsAndThenRunsOnAtItsOwnSpeed)
{
    ten_ms.set_enabled(true);
    driver.set_speed(4);
    QList<bool> told;
    QObject::connect(&driver, &ClockDriver::frozen_changed,
                     [&told](bool frozen) { told.append(frozen); });
    wall += 10;
    driver.set_frozen(true);
    EXPECT_EQ(scheduler.now(), 40) << "the time up to the freeze runs";
    wall_advance(60000);
    EXPECT_EQ(scheduler.now(), 40);
    EXPECT_EQ(ticks, 4);
    driver.set_frozen(true);
    driver.set_frozen(false);
    EXPECT_EQ(driver.speed(), 4);
    wall_advance(5);
    EXPECT_EQ(scheduler.now(), 60) << "the freeze is not made up afterwards";
    EXPECT_EQ(told, (QList<bool>{true, false}));
}

TEST_F(ClockDriverTest, AStallAtAHigherSpeedIsAbsorbedAfterTheSameWallTime)
{
    driver.set_speed(8);
    wall_advance(5000);
    EXPECT_EQ(scheduler.now(), 8 * ClockDriver::max_step);
}

TEST_F(ClockDriverTest, AFailingTickIsReportedOnceAndTheClockGoesOn)
{
    QStringList shown;
    errors.set_presenter([&shown](const QString &message) { shown.append(message); });
    zun::Timer failing(scheduler, 20, [this] {
        if (scheduler.now() == 20)
            throw std::runtime_error("drive failed");
    });
    failing.set_enabled(true);
    ten_ms.set_enabled(true);

    wall_advance(50);
    EXPECT_EQ(scheduler.now(), 20);
    wall_advance(0);
    EXPECT_EQ(scheduler.now(), 50) << "the rest of the step runs at the next wake";
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, QStringList{"drive failed"});
    EXPECT_EQ(ticks, 5);
}

TEST_F(ClockDriverTest, AWakeFromInsideATickIsIgnored)
{
    zun::Timer nested(scheduler, 10, [this] { driver.wake(); });
    nested.set_enabled(true);
    QStringList shown;
    errors.set_presenter([&shown](const QString &message) { shown.append(message); });
    wall_advance(30);
    QCoreApplication::processEvents();
    EXPECT_EQ(scheduler.now(), 30);
    EXPECT_TRUE(shown.isEmpty());
}

} // namespace
