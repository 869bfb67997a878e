// A snapshot gives the model back exactly, and a file that is not one whole snapshot of this
// program gives no model at all.
#include "line_internals.h"
#include "sim/snapshot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace zun {
namespace {

// A model some seconds into use, with texts that need escaping in its fields.
std::string saved_snapshot()
{
    Simulator simulator;
    simulator.apply(input::MainWindow{true});
    simulator.apply(input::NewCoil{});
    simulator.advance_by(4321);
    LineModel &line = LineModelInternals::of(simulator);
    line.pass_button_caption = "two\nlines\r\\n=\x01\x7f end";
    line.pictures.find_picture("Image38_0")->set_hint("a=b\\x41\n");
    return write_snapshot(simulator.state());
}

// The number of the line that begins with `start`.
int line_of(const std::string &text, const std::string &start)
{
    const std::size_t at = text.find("\n" + start);
    return 2 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
}

// The text with the line that begins with `start` replaced by `line` (removed when empty).
std::string with_line(std::string text, const std::string &start, const std::string &line)
{
    const std::size_t begin = text.find("\n" + start) + 1;
    const std::size_t end = text.find('\n', begin) + 1;
    return text.replace(begin, end - begin, line.empty() ? "" : line + "\n");
}

TEST(Snapshot, RestoresEveryFieldAndEscapedText)
{
    const std::string text = saved_snapshot();
    const ReadSnapshot read = read_snapshot(text);
    ASSERT_TRUE(read.simulator) << read.error;
    EXPECT_EQ(write_snapshot(read.simulator->state()), text);
    EXPECT_EQ(read.simulator->state().pass_button_caption, "two\nlines\r\\n=\x01\x7f end");
    EXPECT_EQ(text.find("\x01"), std::string::npos);
}

TEST(Snapshot, RefusesWhatIsNotOneWholeSnapshotOfThisProgram)
{
    const std::string text = saved_snapshot();
    const std::string pos = "mech[3].Pos_X=";
    const int pos_line = line_of(text, pos);
    const std::string due = "Timer_Blocking.due=";
    struct Case {
        const char *what;
        std::string file;
        std::string error; // the beginning of the message
    };
    const Case cases[] = {
        {"another format", "# zun-trainer snapshot 2" + text.substr(text.find('\n')),
         "line 1: snapshot format version '2'"},
        {"not a snapshot", "hello\n", "line 1: not a zun-trainer snapshot"},
        {"another program", with_line(text, "program=", "program=zun-trainer 9.9"),
         "line 2: saved by 'zun-trainer 9.9'"},
        {"cut", text.substr(0, text.find('\n', text.size() / 2) + 1), "line "},
        {"cut inside a line", text.substr(0, text.size() / 2), "line "},
        {"unknown field", with_line(text, pos, pos + "0\nmech[3].Colour=2"),
         "line " + std::to_string(pos_line + 1) + ": unknown field 'mech[3].Colour'"},
        {"twice", with_line(text, pos, pos + "0\n" + pos + "0"),
         "line " + std::to_string(pos_line + 1) + ": field 'mech[3].Pos_X' given twice"},
        {"missing field", with_line(text, pos, ""), "missing field 'mech[3].Pos_X'"},
        {"not a number", with_line(text, pos, pos + "x12"),
         "line " + std::to_string(pos_line) + ": bad value 'x12' for mech[3].Pos_X"},
        {"out of range", with_line(text, pos, pos + "70000"),
         "line " + std::to_string(pos_line) + ": bad value '70000'"},
        {"a flag", with_line(text, "b_Dragging=", "b_Dragging=2"), "line "},
        {"a tick in the past", with_line(text, due, due + "5"),
         "line " + std::to_string(line_of(text, due)) + ": bad value for Timer_Blocking.due"},
        {"broken escape", with_line(text, pos, pos + "\\q"), "line " + std::to_string(pos_line)},
        {"another time", with_line(text, "time=", "time=1"), "line 3: the time 1"},
        {"altered", with_line(text, pos, pos + "77"), "line 4: the state restored hashes"},
    };
    for (const Case &each : cases) {
        const ReadSnapshot read = read_snapshot(each.file);
        EXPECT_FALSE(read.simulator) << each.what;
        EXPECT_TRUE(read.error.starts_with(each.error)) << each.what << ": " << read.error;
    }
}

} // namespace
} // namespace zun
