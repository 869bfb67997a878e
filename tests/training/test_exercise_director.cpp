// An exercise's scripted malfunctions come through the door, each once, at its moment.
#include "sessions/input_lines.h"
#include "sim/dispatcher.h"
#include "sim/starting_point.h"
#include "training/exercise_director.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zun {
namespace {

// The malfunctions applied, as "time line", the time counted from `began`.
class FaultLog final : public InputObserver {
public:
    FaultLog(Dispatcher &dispatcher, Millis began) : dispatcher_(dispatcher), began_(began)
    {
        dispatcher_.add_observer(*this);
    }
    ~FaultLog() { dispatcher_.remove_observer(*this); }

    std::vector<std::string> lines;

private:
    void input_applied(Millis time, const Input &input, const Answer &) override
    {
        if (std::holds_alternative<input::Fault>(input) ||
            std::holds_alternative<input::ClearFaults>(input))
            lines.push_back(std::to_string(time - began_) + " " + script::line_of(input));
    }

    Dispatcher &dispatcher_;
    Millis began_;
};

TEST(ExerciseDirector, CarriesOutEachEventOnceWhenItsTriggerComes)
{
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    dispatcher.replace(automatic_run_at_step(3));
    const Millis began = dispatcher.now();
    FaultLog log(dispatcher, began);
    const ExerciseDirector director(
        dispatcher,
        {
            {StepBegins{3}, input::Fault{1, FaultKind::Drive, true}}, // the step it begins in
            {StepBegins{9}, input::ClearFaults{}},                    // never comes
            {AtTime{2'505}, input::Fault{1, FaultKind::Drive, false}},
            {MechanismRuns{2, Direction::Forward}, input::Fault{2, FaultKind::Permit, true}},
        },
        began);

    dispatcher.advance_by(1'000);
    dispatcher.apply(input::Command{2, MechCommand::Forward});
    ASSERT_EQ(director.next_due(), began + 2'505);
    dispatcher.advance_to(*director.next_due());
    EXPECT_FALSE(director.next_due());
    dispatcher.apply(input::Command{2, MechCommand::Stop});
    dispatcher.apply(input::Command{2, MechCommand::Forward}); // runs again: nothing more
    dispatcher.advance_by(5'000);

    const std::vector<std::string> expected{"0 fault 1 drive on", "1000 fault 2 permit on",
                                            "2505 fault 1 drive off"};
    EXPECT_EQ(log.lines, expected);
}

// The state a correct run enters a step in: stopped there, the trainee's to go on from.
TEST(StartingPoint, IsTheAutomaticRunStoppedAsTheStepBegins)
{
    const std::unique_ptr<Simulator> start = automatic_run_at_step(12);
    const LineModel &line = start->state();
    EXPECT_EQ(line.Frame_LineMetal.Stadiya_Raboti, 12);
    EXPECT_EQ(line.working_mode, WorkingMode::PassStages);
    const Millis entered = start->now();
    start->advance_by(60'000); // no pause runs on into the next step
    EXPECT_EQ(line.Frame_LineMetal.Stadiya_Raboti, 12);
    EXPECT_GT(entered, 0);
    EXPECT_THROW(automatic_run_at_step(0), std::out_of_range);
    EXPECT_THROW(automatic_run_at_step(49), std::out_of_range);
}

} // namespace
} // namespace zun
