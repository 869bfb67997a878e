#include "sim/dispatcher.h"
#include "sim/state_hash.h"

#include <gtest/gtest.h>

#include <vector>

namespace zun {
namespace {

struct Step {
    Millis since_cycle_start;
    int stage;
    bool operator==(const Step &) const = default;
};

TEST(DeterminismTest, TheSameAutomaticRunGivesTheSameState)
{
    std::uint64_t hashes[2] = {};
    for (std::uint64_t &hash : hashes) {
        RecordingUiPort ui;
        Dispatcher dispatcher(ui);
        const LineModel &sim = dispatcher.model();
        dispatcher.apply(zun::input::SelectMode{WorkingMode::Automatic});
        dispatcher.apply(zun::input::Pass{});
        dispatcher.advance_by(400000);
        hash = state_hash(sim);
    }
    EXPECT_EQ(hashes[0], hashes[1]);

    Simulator other;
    other.apply(input::SelectMode{WorkingMode::Automatic});
    other.apply(input::Pass{});
    other.advance_by(399990);
    EXPECT_NE(state_hash(other.state()), hashes[0]) << "the hash sees the state change";
}

// The stages each cycle of the scenario passes, with their times from the cycle's start.
class CycleWatch final : public InputObserver {
public:
    void stage_changed(Millis time, int, int after) override
    {
        if (after == 1) {
            cycles.emplace_back();
            cycle_start_ = time;
        }
        if (!cycles.empty())
            cycles.back().push_back({time - cycle_start_, after});
    }

    std::vector<std::vector<Step>> cycles;

private:
    Millis cycle_start_ = 0;
};

TEST(DeterminismTest, EveryCycleAfterTheFirstRunsAlike)
{
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    const LineModel &sim = dispatcher.model();
    CycleWatch watch;
    dispatcher.add_observer(watch);
    std::vector<std::vector<Step>> &cycles = watch.cycles;
    dispatcher.apply(zun::input::SelectMode{WorkingMode::Automatic});
    dispatcher.apply(zun::input::Pass{});
    while (cycles.size() < 11 && sim.scheduler.now() < 10 * 3600000)
        dispatcher.advance_by(1000);
    ASSERT_EQ(cycles.size(), 11u) << "ten whole cycles";
    for (std::size_t cycle = 2; cycle < 10; ++cycle)
        EXPECT_EQ(cycles[cycle], cycles[1]) << "cycle " << cycle;
}

} // namespace
} // namespace zun
