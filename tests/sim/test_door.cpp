// The door and the consoles in the model: inputs applied at the current time, observers told, the
// model's answers, keys and pages.
#include "sim/simulator.h"
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
        events.push_back("t=" + std::to_string(time) + " stage " + std::to_string(before) +
                         " -> " + std::to_string(after));
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
        sim.add_observer(log);
        sim.scheduler.advance_by(3000);
    }
    static int control(std::string_view name) { return console::find_control(name); }

    BoxPort ui;
    Simulator sim{ui};
    Log log;
};

TEST_F(DoorTest, ObserversGetEveryInputWithItsTimeAndTheAnswer)
{
    sim.apply(input::ControlPress{control("Frame_45_Key_Fix_1"), MouseButton::Right});
    sim.scheduler.advance_by(250);
    sim.apply(input::Command{10, MechCommand::Reverse});
    sim.apply(input::NewCoil{});
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
    sim.apply(input::SelectMode{WorkingMode::StageByClick});
    sim.apply(input::StepClick{12}); // sets the line into step 12's state at once
    log.events.clear();
    sim.apply(input::SelectMode{WorkingMode::PassStages});
    sim.apply(input::Pass{});
    sim.scheduler.advance_by(20000); // the stage the pass set off completes in a tick
    ASSERT_GE(log.events.size(), 3u);
    EXPECT_EQ(log.events[0], "t=3000 input");
    EXPECT_EQ(log.events[1], "t=3000 input");
    EXPECT_TRUE(log.events[2].starts_with("t=")) << log.events[2];
    EXPECT_NE(log.events[2], "t=3000 input");
    EXPECT_NE(log.events[2].find("stage 12 -> 13"), std::string::npos) << log.events[2];

    log.events.clear();
    sim.apply(input::SelectMode{WorkingMode::StageByClick});
    sim.apply(input::StepClick{30});
    EXPECT_EQ(log.events, (std::vector<std::string>{"t=23000 input", "t=23000 input",
                                                    "t=23000 stage 13 -> 30"}));
}

TEST_F(DoorTest, TheAnswerSaysWhyAPulseWasRefused)
{
    TMech &car = *sim.Mech_Array[72];
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
            const Answer answer = sim.apply(input::Command{72, each.command});
            EXPECT_EQ(answer.pulse->refusal, each.refusal);
            EXPECT_FALSE(car.b_KM_FWD || car.b_KM_RWS) << "refused: no latch";
        }
    }
}

// The two pictures of a key: a fixed key turned right is a reverse pulse; a spring-return
// key held is stop and forward, and let go a stop.
TEST_F(DoorTest, KeysCommandTheirMechanismsAsTheRunnersPulsesDo)
{
    RecordingUiPort other_ui;
    Simulator other(other_ui);
    other.scheduler.advance_by(3000);

    sim.apply(input::ControlPress{control("Frame_45_Key_Fix_1"), MouseButton::Right});
    other.apply(input::Command{5, MechCommand::Reverse});
    sim.apply(input::ControlPress{control("Frame_45_Key_Back_1"), MouseButton::Left});
    other.apply(input::Command{3, MechCommand::Stop});
    other.apply(input::Command{3, MechCommand::Forward});
    sim.scheduler.advance_by(500);
    other.scheduler.advance_by(500);
    sim.apply(input::ControlRelease{control("Frame_45_Key_Back_1"), MouseButton::Left});
    other.apply(input::Command{3, MechCommand::Stop});
    sim.scheduler.advance_by(1500);
    other.scheduler.advance_by(1500);
    for (const int number : {3, 5}) {
        const TMech &keyed = *sim.Mech_Array[number];
        const TMech &pulsed = *other.Mech_Array[number];
        EXPECT_EQ(keyed.Phase, pulsed.Phase) << number;
        EXPECT_EQ(keyed.bi_KV_RWS, pulsed.bi_KV_RWS) << number;
        EXPECT_EQ(keyed.b_KM_FWD, pulsed.b_KM_FWD) << number;
        EXPECT_EQ(keyed.b_KM_RWS, pulsed.b_KM_RWS) << number;
    }
    EXPECT_EQ(sim.control_state("Frame_45_Key_Fix_1").Angle, 45);
    EXPECT_EQ(sim.control_state("Frame_45_Key_Back_1").Angle, 0);
}

TEST_F(DoorTest, BoxesComeAfterTheInputOneAtATime)
{
    const int unbound = control("Frame_45_Key_Back_8");
    ui.during_box = [this, unbound] {
        EXPECT_TRUE(sim.Mech_Array[0]->b_KM_FWD) << "the press is applied before its box";
        sim.apply(input::ControlRelease{unbound, MouseButton::Left});
        EXPECT_EQ(ui.boxes.size(), 1u) << "the release's box waits for the first";
    };
    sim.apply(input::ControlPress{unbound, MouseButton::Left});
    EXPECT_EQ(ui.boxes, (std::vector<std::string>{texts::Not_Used, texts::Not_Used}));
    EXPECT_EQ(sim.control_state("Frame_45_Key_Back_8").Angle, 0);
    EXPECT_FALSE(sim.Mech_Array[0]->b_KM_FWD);
}

TEST_F(DoorTest, AnInputInsideAnotherIsALogicError)
{
    struct Reentering final : InputObserver {
        Simulator *sim = nullptr;
        void input_applied(Millis, const Input &, const Answer &) override {}
        void page_shown(Millis, int) override { sim->apply(input::Pass{}); }
    } reentering;
    reentering.sim = &sim;
    sim.add_observer(reentering);
    EXPECT_THROW(sim.apply(input::MainWindow{true}), std::logic_error);
    sim.remove_observer(reentering);
    EXPECT_NO_THROW(sim.apply(input::Pass{})) << "the door is open again";
}

// Pages come into sight only with the main window; a post's console is shown before the post.
TEST_F(DoorTest, PagesInFrontAreModelStateAndShownConsoleFirst)
{
    sim.apply(input::TabChosen{console::find_page("TabSheet_Post_1")});
    EXPECT_TRUE(log.pages.empty()) << "the main window is not shown";
    sim.apply(input::TabChosen{console::find_page("TabSheet_Post_2")});
    sim.apply(input::MainWindow{true});
    EXPECT_EQ(log.pages, (std::vector<std::string>{"TabSheet_Post2_Pult_2", "TabSheet_Post_2"}));
    EXPECT_EQ(sim.working_mode, WorkingMode::PassStages);

    log.pages.clear();
    sim.Cur_Mech = 53;
    sim.f_Show_Key_Of_Cur_Mech();
    EXPECT_EQ(log.pages, (std::vector<std::string>{"TabSheet_RM_Kromkomotalka",
                                                   "TabSheet_Post2_Pult_1", "TabSheet_Post_2"}));
    EXPECT_TRUE(sim.page_visible(console::find_page("TabSheet_Post2_Pult_1")));
    EXPECT_FALSE(sim.page_visible(console::find_page("TabSheet_Post2_Pult_2")));
}

TEST_F(DoorTest, ButtonsAndKnobsKeepTheirStateInTheModel)
{
    const int bell = control("Frame_Button_Beep");
    const int knob = control("Frame_Krutilka3");
    sim.apply(input::ControlPress{bell, MouseButton::Right});
    EXPECT_TRUE(sim.beep_pressed);
    EXPECT_EQ(sim.Controls[static_cast<std::size_t>(bell)].face_outline(), 6);
    sim.apply(input::ControlRelease{bell, MouseButton::Right});
    EXPECT_FALSE(sim.beep_pressed);
    sim.apply(input::ControlPress{knob, MouseButton::Right});
    EXPECT_EQ(sim.control_state("Frame_Krutilka3").Knob_Pos, 0);
    const std::uint64_t version = sim.consoles_version;
    sim.apply(input::ControlMove{knob});
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
    Simulator sim(port);
    port.clock = &sim.scheduler;
    sim.apply(input::MainWindow{true});
    sim.apply(input::SelectMode{WorkingMode::Automatic});
    sim.apply(input::Pass{});
    for (int second = 0; second < 100; ++second) { // the bell is pressed at 82 s
        sim.scheduler.advance_by(1000);
        sim.deliver_to_views();
    }
    EXPECT_GT(int{sim.Frame_LineMetal.Stadiya_Raboti}, 39) << "the run went past the bell";
    EXPECT_GT(port.calls, 50);
    EXPECT_EQ(port.inside_a_tick, 0);
}

} // namespace
} // namespace zun
