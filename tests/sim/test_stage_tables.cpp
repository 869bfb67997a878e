// The whole scenario, end to end: the automatic run and the stage states one after another.
#include "line_internals.h"
#include "sim/stage_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zun {
namespace {

class ScenarioTest : public ::testing::Test {
protected:
    const TMech &mech(int number) const { return *sim.Mech_Array[number]; }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
    const TFrame_LineMetal &line = sim.Frame_LineMetal;
};

// Told each stage change after the tick that made it, while the line still shows why.
class StageWatch final : public InputObserver {
public:
    using Seen = std::function<void(int before, int after)>;
    explicit StageWatch(Seen seen) : seen_(std::move(seen)) {}
    void stage_changed(Millis, int before, int after) override { seen_(before, after); }

private:
    Seen seen_;
};

// Conditions that only read the line, so that judging them again changes nothing.
bool condition_reads_only(int stage)
{
    const int with_detectors[] = {8, 18, 19, 23, 34, 37, 42, 48};
    return std::find(std::begin(with_detectors), std::end(with_detectors), stage) ==
           std::end(with_detectors);
}

TEST_F(ScenarioTest, TheAutomaticRunPassesEveryStageByItsOwnCondition)
{
    std::vector<int> stages;
    std::vector<std::string> faults;
    bool restarting = false; // 49 -> 0 -> 1 happens within one tick
    StageWatch watch([&](int before, int after) {
        stages.push_back(after);
        const bool completion = after == before + 1 && before <= stages::last_stage;
        if (before == 49 && after == 0)
            restarting = true;
        else if (completion && !restarting) {
            if (!line.b_Stage_Done)
                faults.push_back("stage " + std::to_string(before) + " advanced undone");
            else if (condition_reads_only(before) &&
                     !stages::condition_holds(before,
                                              LineModelInternals::of(dispatcher).Frame_LineMetal))
                faults.push_back("stage " + std::to_string(before) + " without its condition");
        } else if (!completion && !(before == 38 && after == 42) &&
                   !(before == 48 && after == 26) && !(before == 49 && after == 0)) {
            faults.push_back("jump " + std::to_string(before) + " -> " + std::to_string(after));
        }
        if (after == 1)
            restarting = false;
    });
    dispatcher.add_observer(watch);

    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::Automatic});
    dispatcher.apply(zun::input::Pass{});
    int cycles = 0;
    while (cycles < 2 && sim.scheduler.now() < 3600000) {
        dispatcher.advance_by(10); // one tick of the stage check
        cycles = static_cast<int>(std::count(stages.begin(), stages.end(), 1)) - 1;
    }
    EXPECT_EQ(faults, std::vector<std::string>{});

    // The first coil: every step in order; then the rest threads the next coil from step 26 on,
    // too short to wind, so the cut follows at once; then the line starts over.
    std::vector<int> expected;
    for (int stage = 1; stage <= 48; ++stage)
        expected.push_back(stage);
    expected.push_back(26);
    for (int stage = 27; stage <= 38; ++stage)
        expected.push_back(stage);
    for (int stage = 42; stage <= 49; ++stage)
        expected.push_back(stage);
    expected.push_back(0);
    expected.push_back(1);
    ASSERT_GE(stages.size(), expected.size());
    EXPECT_EQ(std::vector<int>(stages.begin(), stages.begin() + expected.size()), expected);
    EXPECT_EQ(cycles, 2) << "the run goes on while the automatic mode stays selected";
}

TEST_F(ScenarioTest, EveryStageStatePutsTheLineWhereItsRowSays)
{
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher.advance_by(1000);
    for (int stage = 0; stage <= stages::last_stage; ++stage) {
        SCOPED_TRACE(stage);
        dispatcher.apply(zun::input::StepClick{stage});
        const stages::StageState &row = stages::state(stage);
        // The strip and the coils are laid at once, from where the drives stand at the click.
        EXPECT_EQ(line.Gde_Rulon_Razmativatela, row.uncoiler_place);
        EXPECT_EQ(line.Gde_Rulon_Motalki, row.recoiler_place);
        if (row.strip.kind == stages::StripState::Kind::Head) {
            EXPECT_EQ(line.Seg_Start[0], mech(row.strip.mech).Pos_X + row.strip.offset);
        }
        if (stage == 43) {
            const int x3 = mech(3).Pos_X;
            const int x64 = mech(64).Pos_X;
            EXPECT_EQ(line.Seg_Start[0], mech(69).Pos_X - 3000);
            EXPECT_EQ(line.Seg_Len[0], 3000);
            EXPECT_EQ(line.Seg_Start[1], 330);
            EXPECT_EQ(line.Seg_Len[1], x3 - x64);
        }
        dispatcher.advance_by(3000);
        for (const int number : stages::Commanded) {
            const bool forward =
                std::find(row.forward.begin(), row.forward.end(), number) != row.forward.end();
            const TMech &each = mech(number);
            if (forward ? each.bi_KV_FWD : each.bi_KV_RWS)
                continue;
            if (forward && each.b_Auto_Return && each.bi_KV_RWS)
                continue; // a shears stroke returns by itself
            // Only the removal table's interlock may have refused a reverse pulse.
            const bool car_held = number == 72 && !(mech(74).bi_KV_FWD && mech(75).bi_KV_FWD);
            const bool platform_held = (number == 74 || number == 75) && !mech(72).bi_KV_FWD;
            EXPECT_TRUE(!forward && (car_held || platform_held))
                << "mechanism " << number << " not at its " << (forward ? "forward" : "reverse")
                << " end";
        }
        EXPECT_EQ(line.Stadiya_Raboti, stage) << "not counted in this mode";
    }
    dispatcher.apply(zun::input::StepClick{49});
    dispatcher.advance_by(10);
    EXPECT_EQ(line.Stadiya_Raboti, 0);
    EXPECT_EQ(line.Seg_Start[0], 1027);
}

} // namespace
} // namespace zun
