// The dispatcher and the consoles in the model: inputs applied at the current time, observers told
// after the model has returned, the model's answers, keys and pages.
#include "line_internals.h"
#include "sim/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zun {
namespace {

class Log final : public InputObserver {
public:
    void input_applied(Millis time, const Input &input, const Answer &answer) override
    {
        inputs.push_back({time, input, answer});
        events.push_back("t=" + std::to_string(time) + " input");
    }
    void page_shown(Millis, int page) override
    {
        pages.emplace_back(console::pages()[static_cast<std::size_t>(page)].name);
    }
    void stage_changed(Millis time, int before, int after) override
    {
        events.push_back("t=" + std::to_string(time) + " stage " + std::to_string(before) + " -> " +
                         std::to_string(after));
    }

    struct Entry {
        Millis time;
        Input input;
        Answer answer;
    };
    std::vector<Entry> inputs;
    std::vector<std::string> pages;
    std::vector<std::string> events; // inputs and stage changes, in the order told
};

// A port whose box sends another input through the door, as a trainee may while a box is open.
class BoxPort final : public NullUiPort {
public:
    void message_box(const std::string &text) override
    {
        boxes.push_back(text);
        if (during_box)
            std::exchange(during_box, nullptr)();
    }

    std::vector<std::string> boxes;
    std::function<void()> during_box;
};

class DoorTest : public ::testing::Test {
protected:
    DoorTest()
    {
        dispatcher.add_observer(log);
        dispatcher.advance_by(3000);
    }
    static int control(std::string_view name) { return console::find_control(name); }

    BoxPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
    Log log;
};

TEST_F(DoorTest, ObserversGetEveryInputWithItsTimeAndTheAnswer)
{
    dispatcher.apply(input::ControlPress{control("Frame_45_Key_Fix_1"), MouseButton::Right});
    dispatcher.advance_by(250);
    dispatcher.apply(input::Command{10, MechCommand::Reverse});
    dispatcher.apply(input::NewCoil{});
    ASSERT_EQ(log.inputs.size(), 3u);
    EXPECT_EQ(log.inputs[0].time, 3000);
    EXPECT_EQ(log.inputs[0].answer.pulse, (PulseAnswer{5, MechCommand::Reverse, Refusal::None}));
    EXPECT_EQ(log.inputs[1].time, 3250);
    EXPECT_EQ(log.inputs[1].answer.pulse, (PulseAnswer{10, MechCommand::Reverse, Refusal::AtEnd}))
        << "mechanism 10 stands at its reverse end";
    EXPECT_FALSE(log.inputs[2].answer.pulse);
}

TEST_F(DoorTest, AStageChangeIsToldAfterTheInputThatCausedIt)
{
    dispatcher.apply(input::SelectMode{WorkingMode::StageByClick});
    dispatcher.apply(input::StepClick{12}); // sets the line into step 12's state at once
    log.events.clear();
    dispatcher.apply(input::SelectMode{WorkingMode::PassStages});
    dispatcher.apply(input::Pass{});
    dispatcher.advance_by(20000); // the stage the pass set off completes in a tick
    ASSERT_GE(log.events.size(), 3u);
    EXPECT_EQ(log.events[0], "t=3000 input");
    EXPECT_EQ(log.events[1], "t=3000 input");
    EXPECT_TRUE(log.events[2].starts_with("t=")) << log.events[2];
    EXPECT_NE(log.events[2], "t=3000 input");
    EXPECT_NE(log.events[2].find("stage 12 -> 13"), std::string::npos) << log.events[2];

    log.events.clear();
    dispatcher.apply(input::SelectMode{WorkingMode::StageByClick});
    dispatcher.apply(input::StepClick{30});
    EXPECT_EQ(log.events, (std::vector<std::string>{"t=23000 input", "t=23000 input",
                                                    "t=23000 stage 13 -> 30"}));
}

TEST_F(DoorTest, TheAnswerSaysWhyAPulseWasRefused)
{
    TMech &car = *LineModelInternals::of(dispatcher).Mech_Array[72]; // signals set by hand
    struct Case {
        void (*set)(TMech &);
        MechCommand command;
        Refusal refusal;
    };
    const Case cases[] = {
        {[](TMech &m) { m.b_Permit = false; }, MechCommand::Forward, Refusal::NotPermitted},
        {[](TMech &m) { m.b_KM_RWS = true; }, MechCommand::Forward, Refusal::RunningOpposite},
        {[](TMech &m) { m.b_Permit_RWS = false; }, MechCommand::Reverse, Refusal::Interlocked},
        {[](TMech &m) { m.bi_KV_FWD = true; }, MechCommand::Forward, Refusal::AtEnd},
        {[](TMech &) {}, MechCommand::Stop, Refusal::None},
    };
    for (const Case &each : cases) {
        car.b_Permit = car.b_Permit_FWD = car.b_Permit_RWS = true;
        car.b_KM_FWD = car.b_KM_RWS = car.bi_KV_FWD = car.bi_KV_RWS = false;
        each.set(car);
        const Refusal before = car.refusal_of(each.command);
        EXPECT_EQ(before, each.refusal);
        if (each.command != MechCommand::Stop && each.refusal != Refusal::RunningOpposite) {
            const Answer answer = dispatcher.apply(input::Command{72, each.command});
            EXPECT_EQ(answer.pulse->refusal, each.refusal);
            EXPECT_FALSE(car.b_KM_FWD || car.b_KM_RWS) << "refused: no latch";
        }
    }
}

// The two pictures of a key: a fixed key turned right is a reverse pulse; a spring-return
// key held is stop and forward, and let go a stop.
TEST_F(DoorTest, KeysCommandTheirMechanismsAsTheRunnersPulsesDo)
{
    Simulator other;
    other.advance_by(3000);

    dispatcher.apply(input::ControlPress{control("Frame_45_Key_Fix_1"), MouseButton::Right});
    other.apply(input::Command{5, MechCommand::Reverse});
    dispatcher.apply(input::ControlPress{control("Frame_45_Key_Back_1"), MouseButton::Left});
    other.apply(input::Command{3, MechCommand::Stop});
    other.apply(input::Command{3, MechCommand::Forward});
    dispatcher.advance_by(500);
    other.advance_by(500);
    dispatcher.apply(input::ControlRelease{control("Frame_45_Key_Back_1"), MouseButton::Left});
    other.apply(input::Command{3, MechCommand::Stop});
    dispatcher.advance_by(1500);
    other.advance_by(1500);
    for (const int number : {3, 5}) {
        const TMech &keyed = *sim.Mech_Array[number];
        const TMech &pulsed = *other.state().Mech_Array[number];
        EXPECT_EQ(keyed.Phase, pulsed.Phase) << number;
        EXPECT_EQ(keyed.bi_KV_RWS, pulsed.bi_KV_RWS) << number;
        EXPECT_EQ(keyed.b_KM_FWD, pulsed.b_KM_FWD) << number;
        EXPECT_EQ(keyed.b_KM_RWS, pulsed.b_KM_RWS) << number;
    }
    EXPECT_EQ(sim.control_state("Frame_45_Key_Fix_1").Angle, 45);
    EXPECT_EQ(sim.control_state("Frame_45_Key_Back_1").Angle, 0);
}

TEST_F(DoorTest, AnInputWhileABoxIsOpenWaitsForTheBox)
{
    const int unbound = control("Frame_45_Key_Back_8");
    ui.during_box = [this, unbound] {
        EXPECT_TRUE(sim.Mech_Array[0]->b_KM_FWD) << "the press is applied before its box";
        const std::uint64_t version = sim.consoles_version;
        EXPECT_EQ(dispatcher.apply(input::ControlRelease{unbound, MouseButton::Left}), Answer{});
        EXPECT_EQ(sim.consoles_version, version) << "the release waits for the box";
        EXPECT_EQ(ui.boxes.size(), 1u);
    };
    dispatcher.apply(input::ControlPress{unbound, MouseButton::Left});
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{texts::not_used, texts::not_used}));
    EXPECT_EQ(sim.control_state("Frame_45_Key_Back_8").Angle, 0);
    EXPECT_FALSE(sim.Mech_Array[0]->b_KM_FWD);
}

// An observer is told after the model has returned: an input it sends waits for the others to be
// told; advancing the clock from inside is a programming error.
TEST_F(DoorTest, ObserversAreToldOutsideTheModel)
{
    struct Sending final : InputObserver {
        Dispatcher *dispatcher = nullptr;
        std::vector<std::string> told;
        void input_applied(Millis, const Input &input, const Answer &) override
        {
            told.push_back(std::holds_alternative<input::Pass>(input) ? "pass" : "input");
        }
        void page_shown(Millis, int) override
        {
            told.push_back("page");
            if (told.size() == 2)
                dispatcher->apply(input::Pass{});
        }
    } sending;
    sending.dispatcher = &dispatcher;
    dispatcher.add_observer(sending);
    dispatcher.apply(input::MainWindow{true});
    dispatcher.remove_observer(sending);
    ASSERT_GE(sending.told.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(sending.told.begin(), sending.told.begin() + 4),
              (std::vector<std::string>{"input", "page", "page", "pass"}))
        << "the pass is applied once the window's pages have all been told";

    struct Advancing final : InputObserver {
        Dispatcher *dispatcher = nullptr;
        void input_applied(Millis, const Input &, const Answer &) override
        {
            dispatcher->advance_by(10);
        }
    } advancing;
    advancing.dispatcher = &dispatcher;
    dispatcher.add_observer(advancing);
    EXPECT_THROW(dispatcher.apply(input::Pass{}), std::logic_error);
    dispatcher.remove_observer(advancing);
    EXPECT_NO_THROW(dispatcher.apply(input::Pass{})) << "the door is open again";
}

TEST(SimulatorTest, ApplyingInsideAnApplyIsALogicError)
{
    // A model whose clock handler sends an input: the only way in from inside is a bug.
    Simulator simulator;
    LineModel &model = LineModelInternals::of(simulator);
    Timer sending(model.scheduler, 10, [&simulator] { simulator.apply(input::Pass{}); });
    sending.set_enabled(true);
    EXPECT_THROW(simulator.advance_by(10), std::logic_error);
}

// Pages come into sight only with the main window; a post's console is shown before the post.
TEST_F(DoorTest, PagesInFrontAreModelStateAndShownConsoleFirst)
{
    dispatcher.apply(input::TabChosen{console::find_page("TabSheet_Post_1")});
    EXPECT_TRUE(log.pages.empty()) << "the main window is not shown";
    dispatcher.apply(input::TabChosen{console::find_page("TabSheet_Post_2")});
    dispatcher.apply(input::MainWindow{true});
    EXPECT_EQ(log.pages, (std::vector<std::string>{"TabSheet_Post2_Pult_2", "TabSheet_Post_2"}));
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);

    log.pages.clear();
    dispatcher.apply(input::FindPick{53});
    EXPECT_EQ(log.pages, (std::vector<std::string>{"TabSheet_RM_Kromkomotalka",
                                                   "TabSheet_Post2_Pult_1", "TabSheet_Post_2"}));
    EXPECT_TRUE(sim.page_visible(console::find_page("TabSheet_Post2_Pult_1")));
    EXPECT_FALSE(sim.page_visible(console::find_page("TabSheet_Post2_Pult_2")));
}

TEST_F(DoorTest, ButtonsAndKnobsKeepTheirStateInTheModel)
{
    const int bell = control("Frame_Button_Beep");
    const int knob = control("Frame_Krutilka3");
    dispatcher.apply(input::ControlPress{bell, MouseButton::Right});
    EXPECT_TRUE(sim.beep_pressed);
    EXPECT_EQ(sim.Controls[static_cast<std::size_t>(bell)].face_outline(), 6);
    dispatcher.apply(input::ControlRelease{bell, MouseButton::Right});
    EXPECT_FALSE(sim.beep_pressed);
    dispatcher.apply(input::ControlPress{knob, MouseButton::Right});
    EXPECT_EQ(sim.control_state("Frame_Krutilka3").Knob_Pos, 0);
    const std::uint64_t version = sim.consoles_version;
    dispatcher.apply(input::ControlMove{knob});
    EXPECT_EQ(sim.consoles_version, version) << "moving over a knob changes nothing";
}

// The automatic run scrolls the scene, passes stages, presses the bell and shows keys, all from
// the model's timers: none of it reaches the windows inside a tick, all of it after the advance.
TEST(UiRequestsTest, NothingReachesTheWindowsInsideATick)
{
    class Watching final : public UiPort {
    public:
        const Scheduler *clock = nullptr;
        int calls = 0;
        int inside_a_tick = 0;

    private:
        void seen()
        {
            ++calls;
            inside_a_tick += clock->advancing() ? 1 : 0;
        }
        void show_target() override { seen(); }
        void hide_target() override { seen(); }
        void show_keys_of(int) override { seen(); }
        void show_bell_page_and_hand() override { seen(); }
        void show_hand_at_new_coil_button() override { seen(); }
        void open_document(const std::string &, const std::string &) override { seen(); }
        void message_box(const std::string &) override { seen(); }
    } port;
    Dispatcher dispatcher(port);
    const LineModel &sim = dispatcher.model();
    port.clock = &sim.scheduler;
    dispatcher.apply(input::MainWindow{true});
    dispatcher.apply(input::SelectMode{WorkingMode::Automatic});
    dispatcher.apply(input::Pass{});
    for (int second = 0; second < 100; ++second) { // the bell is pressed at 82 s
        dispatcher.advance_by(1000);
    }
    EXPECT_GT(int{sim.Frame_LineMetal.Stadiya_Raboti}, 39) << "the run went past the bell";
    EXPECT_GT(port.calls, 50);
    EXPECT_EQ(port.inside_a_tick, 0);
}

} // namespace
} // namespace zun
