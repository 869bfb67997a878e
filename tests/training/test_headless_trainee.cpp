// A trainee without a screen does the whole scenario from the explanations alone.
#include "tests/training/headless_trainee.h"

#include <gtest/gtest.h>

#include <ctime>
#include <iostream>

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

} // namespace
} // namespace zun::training
