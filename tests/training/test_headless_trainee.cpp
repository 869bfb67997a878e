// A trainee without a screen does the whole scenario from the explanations alone.
#include "tests/training/headless_trainee.h"

#include "training/assessment.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    Dispatcher dispatcher(ui);
    const LineModel &sim = dispatcher.model();
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    const std::clock_t cpu_start = std::clock();
    dispatcher.advance_by(5000); // the start-up state completes stage 0
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    HeadlessTrainee trainee(dispatcher);
    for (int step = 1; step <= stages::last_stage; ++step) {
        ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, step);
        ASSERT_TRUE(trainee.do_current_step(step_limit)) << trainee.trouble();
    }
    // Strip is left behind the recoiler: the next coil is threaded from the device on.
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 27);
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);
    const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    std::cout << "[ measured ] steps 1-48: virtual_ms=" << sim.scheduler.now()
              << " cpu_ms=" << static_cast<long long>(cpu_ms) << '\n';
}

// Where both coils stand, as the line's pictures show them.
using CoilPlaces = std::pair<UncoilerPlace, RecoilerPlace>;

CoilPlaces coil_places(const LineModel &sim)
{
    return {sim.Frame_LineMetal.Gde_Rulon_Razmativatela, sim.Frame_LineMetal.Gde_Rulon_Motalki};
}

// Notes the coils' places at the moment each step begins, in the order the steps begin.
class CoilWatch final : public InputObserver {
public:
    explicit CoilWatch(Dispatcher &dispatcher) : dispatcher_(dispatcher), sim_(dispatcher.model())
    {
        dispatcher_.add_observer(*this);
    }
    ~CoilWatch() { dispatcher_.remove_observer(*this); }
    CoilWatch(const CoilWatch &) = delete;
    CoilWatch &operator=(const CoilWatch &) = delete;

    struct Begun {
        int stage;
        CoilPlaces places;
        bool operator==(const Begun &) const = default;
    };
    std::vector<Begun> begun;
    bool cycle_done = false; // the step after 48 has begun

private:
    void stage_changed(Millis, int before, int after) override
    {
        begun.push_back({after, coil_places(sim_)});
        cycle_done = cycle_done || before == stages::last_stage;
    }
    Dispatcher &dispatcher_;
    const LineModel &sim_;
};

// The coils' places as the automatic run has them when each step of its first cycle begins.
const std::vector<CoilWatch::Begun> &automatic_run()
{
    static const std::vector<CoilWatch::Begun> begun = [] {
        RecordingUiPort ui;
        Dispatcher dispatcher(ui);
        const LineModel &sim = dispatcher.model();
        CoilWatch watch(dispatcher);
        dispatcher.apply(input::SelectMode{WorkingMode::Automatic});
        dispatcher.apply(input::Pass{});
        while (!watch.cycle_done && sim.scheduler.now() < 3'600'000)
            dispatcher.advance_by(10);
        return watch.begun;
    }();
    return begun;
}

// A person takes seconds between actions. The seeds are data: a failing one reproduces.
constexpr Pace human_pace{0, 1000, 8000};
constexpr std::array<unsigned, 20> seeds{1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                         11, 12, 13, 14, 15, 16, 17, 18, 19, 20};

// One human-pace run of steps 1-48 from a new coil, the pages followed to the letter.
struct HumanRun {
    std::string trouble; // empty when every step went as its page says
    std::array<Millis, stages::last_stage + 1> step_ms{};
};

HumanRun run_at_human_pace(unsigned seed)
{
    const std::vector<CoilWatch::Begun> &automatic = automatic_run();
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    const LineModel &sim = dispatcher.model();
    Assessment assessment(dispatcher);
    CoilWatch watch(dispatcher);
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    dispatcher.advance_by(5000);
    Pace pace = human_pace;
    pace.seed = seed;
    HeadlessTrainee trainee(dispatcher, pace);
    HumanRun run;
    for (int step = 1; step <= stages::last_stage; ++step) {
        const std::string at = "step " + std::to_string(step) + ": ";
        if (sim.Frame_LineMetal.Stadiya_Raboti != step)
            return {at + "not the stage in progress"};
        const Millis began = sim.scheduler.now();
        if (!trainee.do_current_step(step_limit))
            return {trainee.trouble()};
        run.step_ms[static_cast<std::size_t>(step)] = sim.scheduler.now() - began;
        if (const auto &remarks = assessment.record().remarks(); !remarks.empty())
            return {at + (remarks.front().what == StageRemark::What::Refused
                              ? "refused " + remarks.front().reason
                              : std::string("out of sequence")) +
                    " at mechanism " + std::to_string(remarks.front().mech)};
        const std::size_t index = watch.begun.size() - 1;
        if (index >= automatic.size() || watch.begun[index] != automatic[index])
            return {at + "the coils stand elsewhere than in the automatic run when step " +
                    std::to_string(watch.begun[index].stage) + " begins"};
    }
    return run;
}

class HumanPaceTraineeTest : public testing::TestWithParam<std::size_t> {};

// Every page done as it says at a person's pace completes its step, with nothing refused or out
// of sequence, and leaves the coils where the automatic run leaves them.
TEST_P(HumanPaceTraineeTest, DoesEveryStepFromANewCoilAsThePagesSay)
{
    EXPECT_EQ(run_at_human_pace(seeds[GetParam()]).trouble, "") << "seed " << seeds[GetParam()];
}

INSTANTIATE_TEST_SUITE_P(Seeds, HumanPaceTraineeTest, testing::Range<std::size_t>(0, seeds.size()));

// The score's reference time of each step is the median of the human-pace runs.
TEST(HumanPaceReferenceTest, IsTheMedianTimeOfTheHumanPaceRuns)
{
    const ReferenceTimes reference = ReferenceTimes::human_pace();
    std::vector<HumanRun> runs;
    for (const unsigned seed : seeds)
        runs.push_back(run_at_human_pace(seed));
    std::string table;
    bool same = true;
    for (int step = 1; step <= stages::last_stage; ++step) {
        std::vector<Millis> times;
        for (const HumanRun &run : runs)
            times.push_back(run.step_ms[static_cast<std::size_t>(step)]);
        std::ranges::sort(times);
        const Millis median = (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2;
        same = same && reference.of(step) == std::max<Millis>(median, 1000); // a second at least
        table += std::to_string(median) + (step % 8 == 0 ? ",\n" : ", ");
    }
    EXPECT_TRUE(same) << "the medians now, for the table of reference times:\n" << table;
}

} // namespace
} // namespace zun::training
