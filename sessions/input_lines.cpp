#include "input_lines.h"

#include "sim/console_layout.h"
#include "sim/picture_store.h"
#include "sim/steps_texts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace zun::script {

namespace {

constexpr int mech_count = 200;
constexpr int coordinate_limit = 1000000; // pixels, either side of a control's origin
constexpr std::array<std::string_view, 3> button_words{"left", "right", "middle"};
constexpr std::array<std::string_view, fault_kind_count> fault_words{"drive", "permit", "fwd_end",
                                                                     "rws_end"};
constexpr std::array<std::string_view, 3> close_ups{"Panel_5_mech", "Panel_70_mech",
                                                    "Panel_Kromkomotalka"};

std::string text(std::string_view view)
{
    return std::string(view);
}

std::string joined(const std::vector<std::string_view> &words, std::size_t count)
{
    return zun::script::joined(
        {words.begin(), words.begin() + std::ptrdiff_t(std::min(count, words.size()))});
}

// Within the int range of the inputs' fields.
int in_range(std::string_view token, int lowest, int highest, const char *what)
{
    return static_cast<int>(number_in_range(token, lowest, highest, what));
}

int coordinate(std::string_view token)
{
    return in_range(token, -coordinate_limit, coordinate_limit, "coordinate");
}

// The words of one line after its command words, counted as the command takes them.
class Arguments {
public:
    Arguments(const std::vector<std::string_view> &words, std::size_t command_words)
        : words_(words), command_words_(command_words)
    {
    }

    // Checks that the line has exactly `count` arguments.
    const Arguments &expect(std::size_t count) const
    {
        const std::size_t given = words_.size() - command_words_;
        if (given != count)
            throw BadLine("'" + joined(words_, command_words_) + "' takes " +
                          std::to_string(count) + " argument(s), not " + std::to_string(given));
        return *this;
    }
    std::string_view operator[](std::size_t index) const { return words_[command_words_ + index]; }

private:
    const std::vector<std::string_view> &words_;
    std::size_t command_words_;
};

int control_row(std::string_view frame)
{
    const int row = console::find_control(frame);
    if (row < 0)
        throw BadLine("unknown console control '" + text(frame) + "'");
    const console::ControlKind kind = console::controls()[static_cast<std::size_t>(row)].kind;
    if (kind == console::ControlKind::Lamp || kind == console::ControlKind::Ammeter)
        throw BadLine("'" + text(frame) + "' takes no input");
    return row;
}

int page_row(std::string_view name)
{
    const int row = console::find_page(name);
    if (row < 0)
        throw BadLine("unknown console page '" + text(name) + "'");
    return row;
}

MouseButton mouse_button(std::string_view word)
{
    for (std::size_t index = 0; index < button_words.size(); ++index)
        if (button_words[index] == word)
            return static_cast<MouseButton>(index);
    throw BadLine("expected left, right or middle, not '" + text(word) + "'");
}

std::string picture_name(std::string_view name, const PictureStore &pictures)
{
    if (!pictures.find_picture(name))
        throw BadLine("unknown picture '" + text(name) + "'");
    return text(name);
}

std::string close_up_name(std::string_view name)
{
    for (const std::string_view close_up : close_ups)
        if (close_up == name)
            return text(name);
    throw BadLine("unknown close-up '" + text(name) + "'");
}

int page_tag(std::string_view token)
{
    const long long tag = parse_number(token);
    for (const console::Page &page : console::pages())
        if (page.tag == tag)
            return page.tag;
    throw BadLine("no console page has the tag " + text(token));
}

bool shown_word(std::string_view word)
{
    if (word != "shown" && word != "hidden")
        throw BadLine("expected shown or hidden, not '" + text(word) + "'");
    return word == "shown";
}

// "key NAME press|release BUTTON", "key NAME move".
Input control_input(const std::vector<std::string_view> &words)
{
    if (words.size() < 3)
        throw BadLine("'key' takes a control and press, release or move");
    const int control = control_row(words[1]);
    const std::string_view action = words[2];
    if (action == "move") {
        Arguments(words, 3).expect(0);
        return input::ControlMove{control};
    }
    if (action != "press" && action != "release")
        throw BadLine("expected press, release or move, not '" + text(action) + "'");
    const Arguments arguments = Arguments(words, 3);
    arguments.expect(1);
    const MouseButton button = mouse_button(arguments[0]);
    if (action == "press")
        return input::ControlPress{control, button};
    return input::ControlRelease{control, button};
}

// "closeup PANEL press X", "closeup PANEL move X", "closeup PANEL click".
Input close_up_input(const std::vector<std::string_view> &words)
{
    if (words.size() < 3)
        throw BadLine("'closeup' takes a close-up and press, move or click");
    std::string panel = close_up_name(words[1]);
    const std::string_view action = words[2];
    if (action == "click") {
        Arguments(words, 3).expect(0);
        return input::CloseUpClick{std::move(panel)};
    }
    if (action != "press" && action != "move")
        throw BadLine("expected press, move or click, not '" + text(action) + "'");
    const Arguments arguments = Arguments(words, 3);
    const int x = coordinate(arguments.expect(1)[0]);
    if (action == "press")
        return input::CloseUpPress{std::move(panel), x};
    return input::CloseUpDrag{std::move(panel), x};
}

std::optional<Input> window_input(const std::vector<std::string_view> &words)
{
    if (words.size() < 2)
        throw BadLine("'window' takes shown, hidden, width or scroll");
    if (words[1] == "width") {
        const Arguments arguments(words, 2);
        return input::MainWindowWidth{in_range(arguments.expect(1)[0], 1, 100000, "width")};
    }
    if (words[1] == "scroll") {
        const Arguments arguments(words, 2);
        arguments.expect(2);
        return input::MainWindowScroll{coordinate(arguments[0]), coordinate(arguments[1])};
    }
    Arguments(words, 2).expect(0);
    return input::MainWindow{shown_word(words[1])};
}

std::optional<Input> drag_input(const std::vector<std::string_view> &words)
{
    if (words.size() < 2)
        throw BadLine("'drag' takes press, move or release");
    const Arguments arguments(words, 2);
    if (words[1] == "release") {
        arguments.expect(0);
        return input::DragRelease{};
    }
    if (words[1] == "press")
        return input::SceneDragPress{coordinate(arguments.expect(1)[0])};
    if (words[1] == "move")
        return input::SceneDragMove{coordinate(arguments.expect(1)[0])};
    throw BadLine("expected press, move or release, not '" + text(words[1]) + "'");
}

// "fault J drive|permit|fwd_end|rws_end on|off", "fault clear".
Input fault_input(const std::vector<std::string_view> &words)
{
    if (words.size() == 2 && words[1] == "clear")
        return input::ClearFaults{};
    if (words.size() != 4)
        throw BadLine("'fault' takes a mechanism, a malfunction and on or off, or clear");
    const int mech = in_range(words[1], 0, mech_count - 1, "mechanism");
    if (!console::is_keyed(mech))
        throw BadLine("no console key commands mechanism " + text(words[1]));
    const auto kind = std::find(fault_words.begin(), fault_words.end(), words[2]);
    if (kind == fault_words.end())
        throw BadLine("expected drive, permit, fwd_end or rws_end, not '" + text(words[2]) + "'");
    if (words[3] != "on" && words[3] != "off")
        throw BadLine("expected on or off, not '" + text(words[3]) + "'");
    return input::Fault{mech, static_cast<FaultKind>(kind - fault_words.begin()), words[3] == "on"};
}

std::optional<Input> lesson_input(const Arguments &arguments)
{
    const std::string_view kind = arguments.expect(1)[0];
    if (kind != "training" && kind != "exam")
        throw BadLine("expected training or exam, not '" + text(kind) + "'");
    return input::Lesson{kind == "exam" ? LessonKind::Exam : LessonKind::Training};
}

std::optional<Input> command_input(std::string_view command, const Arguments &arguments)
{
    const int mech = in_range(arguments.expect(1)[0], 0, mech_count - 1, "mechanism");
    const MechCommand kind = command == "fwd"   ? MechCommand::Forward
                             : command == "rws" ? MechCommand::Reverse
                                                : MechCommand::Stop;
    return input::Command{mech, kind};
}

std::string name_of_control(int control)
{
    return text(console::controls()[static_cast<std::size_t>(control)].frame);
}

std::string name_of_page(int page)
{
    return text(console::pages()[static_cast<std::size_t>(page)].name);
}

std::string word_of(MouseButton button)
{
    return text(button_words[static_cast<std::size_t>(button)]);
}

// Writes each kind of input in its words.
struct LineWriter {
    std::string operator()(const input::ControlPress &press) const
    {
        return "key " + name_of_control(press.control) + " press " + word_of(press.button);
    }
    std::string operator()(const input::ControlRelease &release) const
    {
        return "key " + name_of_control(release.control) + " release " + word_of(release.button);
    }
    std::string operator()(const input::ControlMove &move) const
    {
        return "key " + name_of_control(move.control) + " move";
    }
    std::string operator()(const input::BarePageMove &move) const
    {
        return "bare " + name_of_page(move.page);
    }
    std::string operator()(const input::TabChosen &chosen) const
    {
        return "tab " + name_of_page(chosen.page);
    }
    std::string operator()(const input::PageShown &shown) const
    {
        return "page " + std::to_string(shown.tag);
    }
    std::string operator()(const input::SelectMode &select) const
    {
        return "mode " + std::to_string(static_cast<int>(select.mode));
    }
    std::string operator()(const input::StepClick &click) const
    {
        return "step " + std::to_string(click.line);
    }
    std::string operator()(const input::Pass &) const { return "pass"; }
    std::string operator()(const input::Stop &) const { return "stop"; }
    std::string operator()(const input::StepsWindow &window) const
    {
        return window.shown ? "steps shown" : "steps hidden";
    }
    std::string operator()(const input::MainWindow &window) const
    {
        return window.shown ? "window shown" : "window hidden";
    }
    std::string operator()(const input::MainWindowWidth &width) const
    {
        return "window width " + std::to_string(width.width);
    }
    std::string operator()(const input::MainWindowScroll &scroll) const
    {
        return "window scroll " + std::to_string(scroll.x) + " " + std::to_string(scroll.y);
    }
    std::string operator()(const input::PictureClick &click) const
    {
        return "click " + click.picture;
    }
    std::string operator()(const input::PictureHover &hover) const
    {
        return "hover " + hover.picture;
    }
    std::string operator()(const input::ForegroundPress &press) const
    {
        return "foreground press " + std::to_string(press.x);
    }
    std::string operator()(const input::SceneDragPress &press) const
    {
        return "drag press " + std::to_string(press.x);
    }
    std::string operator()(const input::SceneDragMove &move) const
    {
        return "drag move " + std::to_string(move.x);
    }
    std::string operator()(const input::CloseUpPress &press) const
    {
        return "closeup " + press.panel + " press " + std::to_string(press.x);
    }
    std::string operator()(const input::CloseUpDrag &drag) const
    {
        return "closeup " + drag.panel + " move " + std::to_string(drag.x);
    }
    std::string operator()(const input::DragRelease &) const { return "drag release"; }
    std::string operator()(const input::CloseUpClick &click) const
    {
        return "closeup " + click.panel + " click";
    }
    std::string operator()(const input::FindPick &pick) const
    {
        return "find " + std::to_string(pick.item);
    }
    std::string operator()(const input::NewCoil &) const { return "newcoil"; }
    std::string operator()(const input::Command &command) const
    {
        const char *word = command.command == MechCommand::Forward   ? "fwd "
                           : command.command == MechCommand::Reverse ? "rws "
                                                                     : "halt ";
        return word + std::to_string(command.mech);
    }
    std::string operator()(const input::Lesson &lesson) const
    {
        return lesson.kind == LessonKind::Exam ? "lesson exam" : "lesson training";
    }
    std::string operator()(const input::Fault &fault) const
    {
        return "fault " + std::to_string(fault.mech) + " " + text(fault_word(fault.kind)) +
               (fault.on ? " on" : " off");
    }
    std::string operator()(const input::ClearFaults &) const { return "fault clear"; }
};

} // namespace

std::string_view fault_word(FaultKind kind)
{
    return fault_words[static_cast<std::size_t>(kind)];
}

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> tokens;
    constexpr std::string_view blanks = " \t\r";
    std::size_t start = line.find_first_not_of(blanks);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(blanks, start);
        tokens.push_back(line.substr(start, end - start));
        start = end == std::string_view::npos ? end : line.find_first_not_of(blanks, end);
    }
    return tokens;
}

std::string joined(const std::vector<std::string_view> &words)
{
    std::string line;
    for (const std::string_view word : words)
        line += (line.empty() ? "" : " ") + text(word);
    return line;
}

long long parse_number(std::string_view word)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        throw BadLine("malformed number '" + text(word) + "'");
    return value;
}

long long number_in_range(std::string_view word, long long lowest, long long highest,
                          const char *what)
{
    const long long value = parse_number(word);
    if (value < lowest || value > highest)
        throw BadLine(std::string(what) + " " + text(word) + " outside " + std::to_string(lowest) +
                      ".." + std::to_string(highest));
    return value;
}

std::string line_of(const Input &input)
{
    return std::visit(LineWriter{}, input);
}

std::optional<Input> parse_input(const std::vector<std::string_view> &words,
                                 const PictureStore &pictures)
{
    if (words.empty())
        return std::nullopt;
    const std::string_view command = words[0];
    const Arguments arguments(words, 1);
    if (command == "key")
        return control_input(words);
    if (command == "closeup")
        return close_up_input(words);
    if (command == "window")
        return window_input(words);
    if (command == "drag")
        return drag_input(words);
    if (command == "fault")
        return fault_input(words);
    if (command == "lesson")
        return lesson_input(arguments);
    if (command == "fwd" || command == "rws" || command == "halt")
        return command_input(command, arguments);
    if (command == "bare")
        return input::BarePageMove{page_row(arguments.expect(1)[0])};
    if (command == "tab")
        return input::TabChosen{page_row(arguments.expect(1)[0])};
    if (command == "page")
        return input::PageShown{page_tag(arguments.expect(1)[0])};
    if (command == "mode")
        return input::SelectMode{
            static_cast<WorkingMode>(in_range(arguments.expect(1)[0], 0, 2, "mode"))};
    if (command == "step")
        return input::StepClick{in_range(arguments.expect(1)[0], 0, steps::line_count - 1, "step")};
    if (command == "pass") {
        arguments.expect(0);
        return input::Pass{};
    }
    if (command == "stop") {
        arguments.expect(0);
        return input::Stop{};
    }
    if (command == "newcoil") {
        arguments.expect(0);
        return input::NewCoil{};
    }
    if (command == "steps") {
        const Arguments shown(words, 1);
        return input::StepsWindow{shown_word(shown.expect(1)[0])};
    }
    if (command == "click")
        return input::PictureClick{picture_name(arguments.expect(1)[0], pictures)};
    if (command == "hover")
        return input::PictureHover{picture_name(arguments.expect(1)[0], pictures)};
    if (command == "find")
        return input::FindPick{
            in_range(arguments.expect(1)[0], 0, console::mech_name_count - 1, "find item")};
    if (command == "foreground" && words.size() >= 2 && words[1] == "press")
        return input::ForegroundPress{coordinate(Arguments(words, 2).expect(1)[0])};
    // The bell button by its old words.
    if (command == "beep" && words.size() >= 2 && (words[1] == "down" || words[1] == "up")) {
        Arguments(words, 2).expect(0);
        const int bell = console::find_control("Frame_Button_Beep");
        if (words[1] == "down")
            return input::ControlPress{bell, MouseButton::Left};
        return input::ControlRelease{bell, MouseButton::Left};
    }
    return std::nullopt;
}

} // namespace zun::script
