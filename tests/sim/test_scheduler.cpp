#include "sim/scheduler.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zun {
namespace {

struct Tick {
    std::string timer;
    Millis time;
    bool operator==(const Tick &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Tick &tick)
{
    return out << tick.timer << "@" << tick.time;
}

// A scheduler whose timers write down who ticked when.
class SchedulerTest : public ::testing::Test {
protected:
    Timer &make_timer(std::string name, Millis interval, bool enabled = true)
    {
        auto timer = std::make_unique<Timer>(scheduler, interval, [this, name] {
            ticks.push_back({name, scheduler.now()});
        });
        timer->set_enabled(enabled);
        return *timers.emplace_back(std::move(timer));
    }

    Scheduler scheduler;
    std::vector<Tick> ticks;
    std::vector<std::unique_ptr<Timer>> timers;
};

TEST_F(SchedulerTest, FiresInDueOrderWithTiesInCreationOrder)
{
    make_timer("a", 30);
    make_timer("b", 20);
    make_timer("c", 10);
    scheduler.advance_to(60);
    const std::vector<Tick> expected{{"c", 10}, {"b", 20}, {"c", 20}, {"a", 30},
                                     {"c", 30}, {"b", 40}, {"c", 40}, {"c", 50},
                                     {"a", 60}, {"b", 60}, {"c", 60}};
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(scheduler.now(), 60);
}

TEST_F(SchedulerTest, IntervalsBelowTheShortestPeriodTickEveryTenMilliseconds)
{
    Timer &fast = make_timer("fast", 1);
    make_timer("odd", 15);
    scheduler.advance_to(30);
    const std::vector<Tick> expected{
        {"fast", 10}, {"odd", 15}, {"fast", 20}, {"fast", 30}, {"odd", 30}};
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(fast.interval(), 1) << "the interval reads as it was set";
}

TEST_F(SchedulerTest, ZeroIntervalNeverTicks)
{
    Timer &timer = make_timer("zero", 0);
    EXPECT_TRUE(timer.enabled());
    EXPECT_EQ(scheduler.next_due(), -1);
    scheduler.advance_to(1000);
    EXPECT_TRUE(ticks.empty());
}

TEST_F(SchedulerTest, EnablingStartsAPeriodFromNowAndReEnablingChangesNothing)
{
    scheduler.advance_to(7);
    Timer &timer = make_timer("t", 100);
    scheduler.advance_to(50);
    timer.set_enabled(true);
    scheduler.advance_to(107);
    const std::vector<Tick> expected{{"t", 107}};
    EXPECT_EQ(ticks, expected);

    timer.set_enabled(false);
    scheduler.advance_to(150);
    timer.set_enabled(true);
    scheduler.advance_to(250);
    EXPECT_EQ(ticks.back(), (Tick{"t", 250}));
}

TEST_F(SchedulerTest, ChangingTheIntervalRestartsThePeriodOnlyWhenItDiffers)
{
    Timer &timer = make_timer("t", 100);
    scheduler.advance_to(60);
    timer.set_interval(100);
    EXPECT_EQ(scheduler.next_due(), 100) << "the same interval changes nothing";
    timer.set_interval(50);
    EXPECT_EQ(scheduler.next_due(), 110) << "a new interval counts from now";

    timer.set_enabled(false);
    timer.set_interval(20);
    EXPECT_FALSE(timer.enabled());
    EXPECT_EQ(scheduler.next_due(), -1) << "retiming a disabled timer does not start it";
}

TEST_F(SchedulerTest, HandlersSeeTheirTickTimeAndMayDisableOrRetimeTheirOwnTimer)
{
    std::vector<Millis> one_shot_ticks;
    std::vector<Millis> slowing_ticks;
    Timer shot(scheduler, 40, [&] {
        one_shot_ticks.push_back(scheduler.now());
        shot.set_enabled(false);
    });
    Timer slowing(scheduler, 10, [&] {
        slowing_ticks.push_back(scheduler.now());
        slowing.set_interval(slowing.interval() * 2);
    });
    shot.set_enabled(true);
    slowing.set_enabled(true);
    scheduler.advance_to(1000);
    EXPECT_EQ(one_shot_ticks, (std::vector<Millis>{40}));
    EXPECT_EQ(slowing_ticks, (std::vector<Millis>{10, 30, 70, 150, 310, 630}));
    EXPECT_EQ(scheduler.now(), 1000);
}

TEST_F(SchedulerTest, ATimerEnabledByAHandlerTicksWithinTheSameAdvance)
{
    Timer &late = make_timer("late", 30, false);
    Timer starter(scheduler, 20, [&] { late.set_enabled(true); });
    starter.set_enabled(true);
    scheduler.advance_to(55);
    const std::vector<Tick> expected{{"late", 50}};
    EXPECT_EQ(ticks, expected);
}

TEST_F(SchedulerTest, AnExceptionLeavesTheSchedulerConsistent)
{
    int failing_calls = 0;
    Timer failing(scheduler, 30, [&] {
        if (++failing_calls == 2)
            throw std::runtime_error("tick failed");
    });
    failing.set_enabled(true);
    make_timer("steady", 20);

    EXPECT_THROW(scheduler.advance_to(100), std::runtime_error);
    EXPECT_EQ(scheduler.now(), 60);
    EXPECT_EQ(scheduler.next_due(), 60) << "the steady timer's tick at 60 is still to come";

    scheduler.advance_to(100);
    const std::vector<Tick> expected{
        {"steady", 20}, {"steady", 40}, {"steady", 60}, {"steady", 80}, {"steady", 100}};
    EXPECT_EQ(ticks, expected);
    EXPECT_EQ(failing_calls, 3) << "the failed timer goes on at its period";
}

TEST_F(SchedulerTest, TimeNeverGoesBackAndHandlersCannotAdvanceTheClock)
{
    scheduler.advance_to(100);
    scheduler.advance_to(40);
    EXPECT_EQ(scheduler.now(), 100);

    Timer nested(scheduler, 10, [&] { scheduler.advance_to(500); });
    nested.set_enabled(true);
    EXPECT_THROW(scheduler.advance_by(10), std::logic_error);
    EXPECT_EQ(scheduler.now(), 110);
}

TEST_F(SchedulerTest, ADestroyedTimerLeavesTheQueue)
{
    {
        Timer doomed(scheduler, 10, [] { FAIL() << "a destroyed timer ticked"; });
        doomed.set_enabled(true);
        EXPECT_EQ(scheduler.next_due(), 10);
    }
    EXPECT_EQ(scheduler.next_due(), -1);
    scheduler.advance_to(100);
}

TEST_F(SchedulerTest, DisabledTimersAreNotQueued)
{
    for (int i = 0; i < 200; ++i)
        make_timer("idle" + std::to_string(i), 100, false);
    EXPECT_EQ(scheduler.next_due(), -1);
    make_timer("busy", 10);
    scheduler.advance_to(1000);
    EXPECT_EQ(ticks.size(), 100u);
}

// The clock holds ten years; what would pass its end is refused before anything runs, so that
// no sum of times overflows.
TEST_F(SchedulerTest, TheClockHoldsTenYearsAndRefusesToPassItsEnd)
{
    constexpr Millis ten_years = Millis{10} * 365 * 24 * 3600 * 1000;
    EXPECT_GE(Scheduler::latest, ten_years);
    struct Case {
        std::vector<Millis> advances; // by these durations, in turn
        bool refused_last;
        Millis now_after;
    };
    const Millis end = Scheduler::latest;
    const Millis most = std::numeric_limits<Millis>::max();
    const Case cases[] = {
        {{end}, false, end},
        {{end - 1, 1}, false, end},
        {{end, 1}, true, end},
        {{end / 2 + 1, end / 2 + 1}, true, end / 2 + 1},
        {{end + 1}, true, 0},
        {{most}, true, 0},
        {{1, most}, true, 1},
        {{-1}, true, 0},
        {{5, std::numeric_limits<Millis>::min()}, true, 5},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(std::to_string(each.advances.back()));
        Scheduler clock;
        Timer yearly(clock, end / 3, [] {});
        yearly.set_enabled(true);
        for (std::size_t i = 0; i + 1 < each.advances.size(); ++i)
            clock.advance_by(each.advances[i]);
        if (each.refused_last)
            EXPECT_THROW(clock.advance_by(each.advances.back()), std::out_of_range);
        else
            clock.advance_by(each.advances.back());
        EXPECT_EQ(clock.now(), each.now_after);
    }
    EXPECT_THROW(scheduler.advance_to(end + 1), std::out_of_range);
    scheduler.advance_to(end);
    EXPECT_EQ(scheduler.now(), end);
}

TEST_F(SchedulerTest, AnIntervalBeyondTheClocksEndIsRefused)
{
    Timer &longest = make_timer("longest", Scheduler::latest);
    scheduler.advance_to(Scheduler::latest);
    EXPECT_EQ(ticks, (std::vector<Tick>{{"longest", Scheduler::latest}}));
    EXPECT_EQ(scheduler.next_due(), 2 * Scheduler::latest) << "queued without overflow";
    EXPECT_THROW(longest.set_interval(Scheduler::latest + 1), std::out_of_range);
    EXPECT_EQ(longest.interval(), Scheduler::latest);
    EXPECT_THROW(Timer(scheduler, std::numeric_limits<Millis>::max(), [] {}), std::out_of_range);
}

} // namespace
} // namespace zun
