#include "sim/simulator.h"
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
        Simulator sim(ui);
        sim.select_working_mode(WorkingMode::Automatic);
        sim.Button_Pass_StageClick();
        sim.scheduler.advance_by(400000);
        hash = state_hash(sim);
    }
    EXPECT_EQ(hashes[0], hashes[1]);

    RecordingUiPort ui;
    Simulator other(ui);
    other.select_working_mode(WorkingMode::Automatic);
    other.Button_Pass_StageClick();
    other.scheduler.advance_by(399990);
    EXPECT_NE(state_hash(other), hashes[0]) << "the hash sees the state change";
}

TEST(DeterminismTest, EveryCycleAfterTheFirstRunsAlike)
{
    RecordingUiPort ui;
    Simulator sim(ui);
    std::vector<std::vector<Step>> cycles;
    Millis cycle_start = 0;
    sim.Frame_LineMetal.Stadiya_Raboti.set_observer([&](std::int8_t, std::int8_t after) {
        if (after == 1) {
            cycles.emplace_back();
            cycle_start = sim.scheduler.now();
        }
        if (!cycles.empty())
            cycles.back().push_back({sim.scheduler.now() - cycle_start, after});
    });
    sim.select_working_mode(WorkingMode::Automatic);
    sim.Button_Pass_StageClick();
    while (cycles.size() < 11 && sim.scheduler.now() < 10 * 3600000)
        sim.scheduler.advance_by(1000);
    ASSERT_EQ(cycles.size(), 11u) << "ten whole cycles";
    for (std::size_t cycle = 2; cycle < 10; ++cycle)
        EXPECT_EQ(cycles[cycle], cycles[1]) << "cycle " << cycle;
}

} // namespace
} // namespace zun
