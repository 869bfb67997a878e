#pragma once

#include "sim/scheduler.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

// Every input that changes the simulation, as a plain value. The windows turn the trainee's
// gestures into these; the headless runner reads them from script lines; a session file is a list
// of them with their times. Controls and pages are named by their row in the console layout
// table, pictures and panels by their names in the picture store.
namespace zun {

enum class MouseButton : unsigned char { Left, Right, Middle };

// The steps window's selector.
enum class WorkingMode : std::int8_t {
    None = -1,        // nothing selected yet, as at start-up
    PassStages = 0,   // the trainee passes stages ("пройти стадию")
    StageByClick = 1, // a click on a step sets the whole line into that step's state
    Automatic = 2,    // the scenario runs by itself
};

// A command sent to one mechanism, as the runner's fwd, rws and halt give it.
enum class MechCommand : unsigned char { Forward, Reverse, Stop };

// What the lesson is: training with every teaching aid, or an examination without them.
enum class LessonKind : unsigned char { Training, Exam };

// A malfunction the instructor gives a mechanism.
enum class FaultKind : unsigned char {
    Drive,      // "привод не включается": no pulse sets a latch, a running drive stops
    Permit,     // "нет разрешения": the general permission is withdrawn
    ForwardEnd, // "не срабатывает конечный выключатель вперёд"
    ReverseEnd, // "не срабатывает конечный выключатель назад"
};
inline constexpr int fault_kind_count = 4;

namespace input {

// A press, release or move of the mouse on a console control (key, button or knob).
struct ControlPress {
    int control; // row of console::controls()
    MouseButton button;
    bool operator==(const ControlPress &) const = default;
};
struct ControlRelease {
    int control;
    MouseButton button;
    bool operator==(const ControlRelease &) const = default;
};
struct ControlMove {
    int control;
    bool operator==(const ControlMove &) const = default;
};
// The pointer over a console page's bare background, not over a control.
struct BarePageMove {
    int page; // row of console::pages()
    bool operator==(const BarePageMove &) const = default;
};
// The trainee picks a page's tab.
struct TabChosen {
    int page;
    bool operator==(const TabChosen &) const = default;
};
// The page-show handler for a page's tag on its own, as the runner's `page` gives it.
struct PageShown {
    int tag;
    bool operator==(const PageShown &) const = default;
};
struct SelectMode {
    WorkingMode mode;
    bool operator==(const SelectMode &) const = default;
};
struct StepClick {
    int line;
    bool operator==(const StepClick &) const = default;
};
struct Pass { // "пройти стадию", on either window
    bool operator==(const Pass &) const = default;
};
struct Stop { // the steps window's "стоп"
    bool operator==(const Stop &) const = default;
};
struct StepsWindow {
    bool shown; // shown, or hidden
    bool operator==(const StepsWindow &) const = default;
};
struct MainWindow {
    bool shown;
    bool operator==(const MainWindow &) const = default;
};
struct MainWindowWidth {
    int width;
    bool operator==(const MainWindowWidth &) const = default;
};
struct MainWindowScroll {
    int x;
    int y;
    bool operator==(const MainWindowScroll &) const = default;
};
struct PictureClick {
    std::string picture;
    bool operator==(const PictureClick &) const = default;
};
struct PictureHover {
    std::string picture;
    bool operator==(const PictureHover &) const = default;
};
// The foreground `Image_Fon2` pressed, x counted from its left edge.
struct ForegroundPress {
    int x;
    bool operator==(const ForegroundPress &) const = default;
};
// The scene's drag handle pressed and moved, x counted from the handle's left edge.
struct SceneDragPress {
    int x;
    bool operator==(const SceneDragPress &) const = default;
};
struct SceneDragMove {
    int x;
    bool operator==(const SceneDragMove &) const = default;
};
// A close-up's bare surface pressed and moved, x counted from the close-up's left edge.
struct CloseUpPress {
    std::string panel;
    int x;
    bool operator==(const CloseUpPress &) const = default;
};
struct CloseUpDrag {
    std::string panel;
    int x;
    bool operator==(const CloseUpDrag &) const = default;
};
// The button released after a press on the drag handle or on a close-up's surface.
struct DragRelease {
    bool operator==(const DragRelease &) const = default;
};
struct CloseUpClick {
    std::string panel;
    bool operator==(const CloseUpClick &) const = default;
};
struct FindPick {
    int item;
    bool operator==(const FindPick &) const = default;
};
struct NewCoil { // "поставить новый рулон"
    bool operator==(const NewCoil &) const = default;
};
// A command straight to a mechanism, without a console.
struct Command {
    int mech;
    MechCommand command;
    bool operator==(const Command &) const = default;
};

// The instructor's choice of the lesson's kind.
struct Lesson {
    LessonKind kind;
    bool operator==(const Lesson &) const = default;
};
// The instructor sets or clears one malfunction of a mechanism that a console key commands.
struct Fault {
    int mech;
    FaultKind kind;
    bool on;
    bool operator==(const Fault &) const = default;
};
// The instructor clears every malfunction at once.
struct ClearFaults {
    bool operator==(const ClearFaults &) const = default;
};

} // namespace input

using Input =
    std::variant<input::ControlPress, input::ControlRelease, input::ControlMove,
                 input::BarePageMove, input::TabChosen, input::PageShown, input::SelectMode,
                 input::StepClick, input::Pass, input::Stop, input::StepsWindow, input::MainWindow,
                 input::MainWindowWidth, input::MainWindowScroll, input::PictureClick,
                 input::PictureHover, input::ForegroundPress, input::SceneDragPress,
                 input::SceneDragMove, input::CloseUpPress, input::CloseUpDrag, input::DragRelease,
                 input::CloseUpClick, input::FindPick, input::NewCoil, input::Command,
                 input::Lesson, input::Fault, input::ClearFaults>;

// Why a mechanism did not take a pulse, in the order the latch's terms are read.
enum class Refusal : unsigned char {
    None,
    NotPermitted,    // its general permission is off
    RunningOpposite, // the other latch holds
    Interlocked,     // the permission for this direction is off
    AtEnd,           // it already stands at this direction's limit switch
    DriveFault,      // its drive has a malfunction and does not switch on
};

// What the model answered to an input that commanded a mechanism: the command sent and whether
// the mechanism latched it. A stop is always taken.
struct PulseAnswer {
    int mech;
    MechCommand command;
    Refusal refusal; // None: taken
    bool operator==(const PulseAnswer &) const = default;
};

struct Answer {
    std::optional<PulseAnswer> pulse; // empty when the input commanded no mechanism
    bool operator==(const Answer &) const = default;
};

// Told by the dispatcher, once the model has returned: every input that passed the door, with its
// virtual time and the model's answer, every console page that came into sight (a row of
// console::pages()) and every change of the work stage, with the time it happened; what an input
// caused is told after that input, what the clock's ticks caused after the advance. An observer
// that must keep an input even when applying it fails (a recorder) takes it as it arrives,
// before it is applied.
class InputObserver {
public:
    virtual void input_arriving(Millis /*time*/, const Input & /*input*/) {}
    virtual void input_applied(Millis /*time*/, const Input & /*input*/, const Answer & /*answer*/)
    {
    }
    virtual void page_shown(Millis /*time*/, int /*page*/) {}
    virtual void stage_changed(Millis /*time*/, int /*before*/, int /*after*/) {}
    // A malfunction of mechanism `mech` showed itself: a running drive stopped by a drive that
    // does not switch on, or a mechanism running on past an end whose switch is lost.
    virtual void fault_shown(Millis /*time*/, int /*mech*/, FaultKind /*kind*/) {}
    // Everything one input or one advance of the clock did has been told.
    virtual void dispatched() {}

protected:
    ~InputObserver() = default;
};

} // namespace zun
