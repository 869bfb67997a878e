// The state hash of one reference run, pinned: a change in what the model does shows here, with
// the parts of the state that changed.
#include "line_internals.h"
#include "sim/state_hash.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace zun {
namespace {

// The hash pinned for the reference run; tests/sim/reference_state.txt holds its parts.
constexpr std::uint64_t reference_hash = 16561728275836270358ULL;

// Inputs of every kind the windows give, among them those that bring pages forward, then the
// automatic run for a while.
void run_reference(Dispatcher &dispatcher)
{
    const auto control = [](std::string_view name) { return console::find_control(name); };
    const auto page = [](std::string_view name) { return console::find_page(name); };
    const Input inputs[] = {
        input::MainWindow{true},
        input::ControlMove{control("Frame_45_Key_Fix_1")},
        input::ControlPress{control("Frame_45_Key_Fix_1"), MouseButton::Right},
        input::ControlPress{control("Frame_45_Key_Back_1"), MouseButton::Left},
        input::ControlRelease{control("Frame_45_Key_Back_1"), MouseButton::Left},
        input::ControlPress{control("Frame_Krutilka2"), MouseButton::Left},
        input::ControlPress{control("Frame_Button_Beep"), MouseButton::Left},
        input::TabChosen{page("TabSheet_Post_1")},
        input::BarePageMove{page("TabSheet_Post1_Pult_1")},
        input::PictureClick{"Image38_0"},
        input::PictureHover{"Image12_Polosa_Body"},
        input::FindPick{53},
        input::SceneDragPress{10},
        input::SceneDragMove{-90},
        input::DragRelease{},
        input::ForegroundPress{950},
        input::NewCoil{},
        input::StepsWindow{true},
        input::MainWindowWidth{1000},
        input::MainWindowScroll{40, 0},
        input::SelectMode{WorkingMode::StageByClick},
        input::StepClick{12},
        input::SelectMode{WorkingMode::Automatic},
        input::Pass{},
    };
    for (const Input &each : inputs) {
        dispatcher.advance_by(700);
        dispatcher.apply(each);
    }
    dispatcher.advance_by(120000);
}

// The fields grouped by the part of the model they belong to, each group hashed.
std::map<std::string, std::string> groups_of(const std::vector<StateField> &fields)
{
    std::map<std::string, std::uint64_t> hashes;
    for (const StateField &field : fields) {
        const std::size_t dot = field.name.rfind('.');
        const std::string group = dot == std::string::npos ? "main" : field.name.substr(0, dot);
        std::uint64_t &hash = hashes.try_emplace(group, 14695981039346656037ULL).first->second;
        for (const char byte : field.name + "=" + field.value + "\n") {
            hash ^= static_cast<unsigned char>(byte);
            hash *= 1099511628211ULL;
        }
    }
    std::map<std::string, std::string> groups;
    for (const auto &[group, hash] : hashes)
        groups[group] = std::to_string(hash);
    return groups;
}

const std::string reference_file = std::string(ZUN_TESTS_SIM_DIR) + "/reference_state.txt";

std::map<std::string, std::string> read_reference()
{
    std::map<std::string, std::string> groups;
    std::ifstream in(reference_file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t space = line.rfind(' ');
        if (space != std::string::npos)
            groups[line.substr(0, space)] = line.substr(space + 1);
    }
    return groups;
}

// ZUN_WRITE_REFERENCE_STATE=1 writes the parts anew, after a change meant to change the run.
TEST(StateHashTest, TheReferenceRunKeepsItsHash)
{
    RecordingUiPort ui;
    Dispatcher dispatcher(ui);
    const LineModel &sim = dispatcher.model();
    run_reference(dispatcher);
    const std::vector<StateField> fields = state_fields(sim);
    const std::map<std::string, std::string> groups = groups_of(fields);
    if (const char *write = std::getenv("ZUN_WRITE_REFERENCE_STATE"); write && *write) {
        std::ofstream out(reference_file);
        for (const auto &[group, hash] : groups)
            out << group << ' ' << hash << '\n';
        GTEST_SKIP() << "wrote " << reference_file << "; the hash is " << state_hash(sim);
    }
    EXPECT_EQ(state_hash(sim), reference_hash);
    const std::map<std::string, std::string> reference = read_reference();
    ASSERT_FALSE(reference.empty()) << "cannot read " << reference_file;
    for (const auto &[group, hash] : groups) {
        const auto pinned = reference.find(group);
        if (pinned != reference.end() && pinned->second == hash)
            continue;
        std::string now;
        for (const StateField &field : fields)
            if (field.name.starts_with(group + ".") ||
                (group == "main" && field.name.find('.') == std::string::npos))
                now += "\n  " + field.name + "=" + field.value;
        ADD_FAILURE() << (pinned == reference.end() ? "new part " : "changed part ") << group
                      << ", now:" << now;
    }
    for (const auto &[group, hash] : reference)
        EXPECT_TRUE(groups.contains(group)) << "part gone: " << group;
}

// A change anywhere in the simulated state, made by hand from inside, changes the hash.
TEST(StateHashTest, EveryPartOfTheStateCounts)
{
    const auto settled = [] {
        auto simulator = std::make_unique<Simulator>();
        simulator->advance_by(5);
        return simulator;
    };
    const std::uint64_t start = state_hash(settled()->state());
    struct Case {
        const char *part;
        void (*change)(LineModel &);
    };
    const Case cases[] = {
        {"a key", [](LineModel &s) { s.Controls[3].Angle = 45; }},
        {"a knob", [](LineModel &s) { s.Controls[100].Knob_Pos = 0; }},
        {"a page in front", [](LineModel &s) { s.front_page[0] = 3; }},
        {"a detector's memory", [](LineModel &s) { s.Frame_LineMetal.Edge_Memo[7] = true; }},
        {"a turn's start", [](LineModel &s) { s.Frame_LineMetal.Turn_Start_Phase[7] = 2; }},
        {"a picture's hint", [](LineModel &s) { s.Image_Operator->set_hint("x"); }},
        {"a mechanism's pulse", [](LineModel &s) { s.Mech_Array[4]->b_Pulse_FWD = true; }},
        {"the main window", [](LineModel &s) { s.main_window_visible = true; }},
        {"a timer's phase",
         [](LineModel &s) {
             s.Steps_Timer1.set_enabled(false); // its next tick a second after now
             s.Steps_Timer1.set_enabled(true);
         }},
    };
    for (const Case &each : cases) {
        const std::unique_ptr<Simulator> simulator = settled();
        each.change(LineModelInternals::of(*simulator));
        EXPECT_NE(state_hash(simulator->state()), start) << each.part;
    }
}

} // namespace
} // namespace zun
