// A trainee without a screen does the whole scenario from the explanations alone.
#include "tests/training/headless_trainee.h"

#include "training/assessment.h"

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <iostream>
#include <utility>
#include <vector>

namespace zun::training {
namespace {

constexpr Millis step_limit = 600000;

// The trainee's only inputs are its mouse's: nothing presses "пройти стадию".
TEST(HeadlessTraineeTest, DoesSteps1To48InTheFirstModeWithoutPassingAStage)
{
    RecordingUiPort ui;
    TSimulator sim(ui);
    sim.apply(input::SelectMode{WorkingMode::PassStages});
    const std::clock_t cpu_start = std::clock();
    sim.scheduler.advance_by(5000); // the start-up state completes stage 0
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    Headless_Trainee trainee(sim);
    for (int step = 1; step <= stages::Last_Stage; ++step) {
        ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, step);
        ASSERT_TRUE(trainee.do_current_step(step_limit)) << trainee.trouble();
    }
    // Strip is left behind the recoiler: the next coil is threaded from the device on.
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 27);
    EXPECT_EQ(sim.Working_Mode, WorkingMode::PassStages);
    const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    std::cout << "[ measured ] steps 1-48: virtual_ms=" << sim.scheduler.now()
              << " cpu_ms=" << static_cast<long long>(cpu_ms) << '\n';
}

// Where both coils stand, as the line's pictures show them.
using Coil_Places = std::pair<UncoilerPlace, RecoilerPlace>;

Coil_Places coil_places(const TSimulator &sim)
{
    return {sim.Frame_LineMetal.Gde_Rulon_Razmativatela, sim.Frame_LineMetal.Gde_Rulon_Motalki};
}

// Notes the coils' places at the moment each step begins, in the order the steps begin.
class Coil_Watch final : public InputObserver {
public:
    explicit Coil_Watch(TSimulator &sim) : sim_(sim) { sim_.add_observer(*this); }
    ~Coil_Watch() { sim_.remove_observer(*this); }
    Coil_Watch(const Coil_Watch &) = delete;
    Coil_Watch &operator=(const Coil_Watch &) = delete;

    struct Begun {
        int stage;
        Coil_Places places;
        bool operator==(const Begun &) const = default;
    };
    std::vector<Begun> begun;
    bool cycle_done = false; // the step after 48 has begun

private:
    void input_applied(Millis, const Input &, const Answer &) override {}
    void stage_changed(Millis, int before, int after) override
    {
        begun.push_back({after, coil_places(sim_)});
        cycle_done = cycle_done || before == stages::Last_Stage;
    }
    TSimulator &sim_;
};

// The coils' places as the automatic run has them when each step of its first cycle begins.
const std::vector<Coil_Watch::Begun> &automatic_run()
{
    static const std::vector<Coil_Watch::Begun> begun = [] {
        RecordingUiPort ui;
        TSimulator sim(ui);
        Coil_Watch watch(sim);
        sim.apply(input::SelectMode{WorkingMode::Automatic});
        sim.apply(input::Pass{});
        while (!watch.cycle_done && sim.scheduler.now() < 3'600'000)
            sim.scheduler.advance_by(10);
        return watch.begun;
    }();
    return begun;
}

// A person takes seconds between actions. The seeds are data: a failing one reproduces.
constexpr Pace human_pace{0, 1000, 8000};
constexpr std::array<unsigned, 20> seeds{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                         11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

class HumanPaceTraineeTest : public testing::TestWithParam<unsigned> {};

// Every page done as it says at a person's pace completes its step, with nothing refused or out
// of sequence, and leaves the coils where the automatic run leaves them.
TEST_P(HumanPaceTraineeTest, DoesEveryStepFromANewCoilAsThePagesSay)
{
    const std::vector<Coil_Watch::Begun> &automatic = automatic_run();
    RecordingUiPort ui;
    TSimulator sim(ui);
    Assessment assessment(sim);
    Coil_Watch watch(sim);
    sim.apply(input::SelectMode{WorkingMode::PassStages});
    sim.scheduler.advance_by(5000);
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    Pace pace = human_pace;
    pace.seed = GetParam();
    Headless_Trainee trainee(sim, pace);
    for (int step = 1; step <= stages::Last_Stage; ++step) {
        ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, step);
        ASSERT_TRUE(trainee.do_current_step(step_limit)) << trainee.trouble();
        const auto &remarks = assessment.record().remarks();
        ASSERT_TRUE(remarks.empty())
            << "step " << step << ": " << (remarks.front().what == StageRemark::What::Refused
                                                ? "refused " + remarks.front().reason
                                                : std::string("out of sequence"))
            << " at mechanism " << remarks.front().mech;
        const std::size_t index = watch.begun.size() - 1;
        ASSERT_LT(index, automatic.size());
        ASSERT_EQ(watch.begun[index], automatic[index])
            << "coils when step " << watch.begun[index].stage << " begins";
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, HumanPaceTraineeTest, testing::ValuesIn(seeds));

} // namespace
} // namespace zun::training
