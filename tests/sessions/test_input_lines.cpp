#include "sessions/input_lines.h"
#include "sim/dispatcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zun {
namespace {

class InputLinesTest : public ::testing::Test {
protected:
    Input parsed(const std::string &line) const
    {
        const std::optional<Input> input = script::parse_input(script::split(line), sim.pictures);
        if (!input)
            throw std::logic_error("no input: " + line);
        return *input;
    }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
};

// One of every kind of input, with its line.
TEST_F(InputLinesTest, EveryInputRoundTripsThroughItsLine)
{
    const int key = console::find_control("Frame_45_Key_Fix_1");
    const int knob = console::find_control("Frame_Krutilka2");
    const int page = console::find_page("TabSheet_Post1_Pult_1");
    struct Case {
        Input input;
        const char *line;
    };
    const Case cases[] = {
        {input::ControlPress{key, MouseButton::Right}, "key Frame_45_Key_Fix_1 press right"},
        {input::ControlPress{knob, MouseButton::Middle}, "key Frame_Krutilka2 press middle"},
        {input::ControlRelease{key, MouseButton::Left}, "key Frame_45_Key_Fix_1 release left"},
        {input::ControlMove{key}, "key Frame_45_Key_Fix_1 move"},
        {input::BarePageMove{page}, "bare TabSheet_Post1_Pult_1"},
        {input::TabChosen{page}, "tab TabSheet_Post1_Pult_1"},
        {input::PageShown{31}, "page 31"},
        {input::SelectMode{WorkingMode::Automatic}, "mode 2"},
        {input::StepClick{49}, "step 49"},
        {input::Pass{}, "pass"},
        {input::Stop{}, "stop"},
        {input::StepsWindow{true}, "steps shown"},
        {input::StepsWindow{false}, "steps hidden"},
        {input::MainWindow{true}, "window shown"},
        {input::MainWindow{false}, "window hidden"},
        {input::MainWindowWidth{900}, "window width 900"},
        {input::MainWindowScroll{52, -3}, "window scroll 52 -3"},
        {input::PictureClick{"Image38_0"}, "click Image38_0"},
        {input::PictureHover{"Image12_Polosa_Body"}, "hover Image12_Polosa_Body"},
        {input::ForegroundPress{950}, "foreground press 950"},
        {input::SceneDragPress{12}, "drag press 12"},
        {input::SceneDragMove{-288}, "drag move -288"},
        {input::CloseUpPress{"Panel_5_mech", 30}, "closeup Panel_5_mech press 30"},
        {input::CloseUpDrag{"Panel_70_mech", -4}, "closeup Panel_70_mech move -4"},
        {input::DragRelease{}, "drag release"},
        {input::CloseUpClick{"Panel_Kromkomotalka"}, "closeup Panel_Kromkomotalka click"},
        {input::FindPick{126}, "find 126"},
        {input::NewCoil{}, "newcoil"},
        {input::Command{199, MechCommand::Forward}, "fwd 199"},
        {input::Command{0, MechCommand::Reverse}, "rws 0"},
        {input::Command{7, MechCommand::Stop}, "halt 7"},
        {input::Lesson{LessonKind::Exam}, "lesson exam"},
        {input::Lesson{LessonKind::Training}, "lesson training"},
        {input::Fault{1, FaultKind::Drive, true}, "fault 1 drive on"},
        {input::Fault{1, FaultKind::Permit, false}, "fault 1 permit off"},
        {input::Fault{5, FaultKind::ForwardEnd, true}, "fault 5 fwd_end on"},
        {input::Fault{5, FaultKind::ReverseEnd, true}, "fault 5 rws_end on"},
        {input::ClearFaults{}, "fault clear"},
    };
    std::vector<std::size_t> kinds;
    for (const Case &each : cases) {
        SCOPED_TRACE(each.line);
        EXPECT_EQ(script::line_of(each.input), each.line);
        EXPECT_EQ(parsed(script::line_of(each.input)), each.input);
        kinds.push_back(each.input.index());
    }
    for (std::size_t kind = 0; kind < std::variant_size_v<Input>; ++kind)
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), kind), kinds.end()) << kind;
}

TEST_F(InputLinesTest, TheBellKeepsItsOldWords)
{
    const int bell = console::find_control("Frame_Button_Beep");
    EXPECT_EQ(parsed("beep down"), Input(input::ControlPress{bell, MouseButton::Left}));
    EXPECT_EQ(parsed("beep up"), Input(input::ControlRelease{bell, MouseButton::Left}));
}

TEST_F(InputLinesTest, MalformedInputLinesSayWhy)
{
    struct Case {
        const char *line;
        const char *error;
    };
    const Case cases[] = {
        {"key Frame_Lamp5 press left", "'Frame_Lamp5' takes no input"},
        {"key Frame_99 press left", "unknown console control 'Frame_99'"},
        {"key Frame_45_Key_Fix_1 press",
         "'key Frame_45_Key_Fix_1 press' takes 1 argument(s), not 0"},
        {"key Frame_45_Key_Fix_1 press up", "expected left, right or middle, not 'up'"},
        {"key Frame_45_Key_Fix_1 turn", "expected press, release or move, not 'turn'"},
        {"tab TabSheet_Post_3", "unknown console page 'TabSheet_Post_3'"},
        {"page 4294967306", "no console page has the tag 4294967306"},
        {"window width 0", "width 0 outside 1..100000"},
        {"closeup Panel_Image_Scene click", "unknown close-up 'Panel_Image_Scene'"},
        {"drag press 2000000", "coordinate 2000000 outside -1000000..1000000"},
        {"steps open", "expected shown or hidden, not 'open'"},
        {"find 127", "find item 127 outside 0..126"},
        {"click Image200_0", "unknown picture 'Image200_0'"},
        {"lesson test", "expected training or exam, not 'test'"},
        {"fault 199 drive on", "no console key commands mechanism 199"},
        {"fault 0 drive on", "no console key commands mechanism 0"},
        {"fault 200 drive on", "mechanism 200 outside 0..199"},
        {"fault 1 motor on", "expected drive, permit, fwd_end or rws_end, not 'motor'"},
        {"fault 1 drive yes", "expected on or off, not 'yes'"},
        {"fault 1 drive", "'fault' takes a mechanism, a malfunction and on or off, or clear"},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.line);
        try {
            script::parse_input(script::split(each.line), sim.pictures);
            ADD_FAILURE() << "accepted";
        } catch (const script::BadLine &error) {
            EXPECT_EQ(std::string(error.what()), each.error);
        }
    }
    EXPECT_FALSE(script::parse_input(script::split("advance 10"), sim.pictures))
        << "the runner's own commands are no inputs";
}

} // namespace
} // namespace zun
