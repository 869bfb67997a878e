#include "assessment.h"

#include "sim/console_layout.h"
#include "training/remark_words.h"

#include <type_traits>
#include <utility>

namespace zun {
namespace {

Direction direction_of(MechCommand command)
{
    switch (command) {
    case MechCommand::Forward: return Direction::Forward;
    case MechCommand::Reverse: return Direction::Reverse;
    case MechCommand::Stop: return Direction::Stop;
    }
    return Direction::Stop;
}

AssessedInput of_kind(AssessedInput::Kind kind)
{
    AssessedInput assessed_input;
    assessed_input.kind = kind;
    return assessed_input;
}

AssessedInput pulse_operation(std::string_view control, const PulseAnswer &pulse)
{
    AssessedInput operation;
    operation.control = std::string(control);
    operation.mech = pulse.mech;
    operation.direction = direction_of(pulse.command);
    operation.refused = std::string(refusal_word(pulse.refusal));
    return operation;
}

std::optional<AssessedInput> assessed_press(const input::ControlPress &press, const Answer &answer)
{
    const console::Control &control = console::controls()[static_cast<std::size_t>(press.control)];
    if (answer.pulse)
        return pulse_operation(control.frame, *answer.pulse);
    if (!control.bell)
        return std::nullopt;
    AssessedInput bell;
    bell.control = std::string(control.frame);
    bell.mech = control.tag;
    return bell;
}

} // namespace

std::string_view refusal_word(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None: return "";
    case Refusal::NotPermitted: return "not_permitted";
    case Refusal::RunningOpposite: return "running_opposite";
    case Refusal::Interlocked: return "interlocked";
    case Refusal::AtEnd: return "at_end";
    case Refusal::DriveFault: return "drive_fault";
    }
    return "";
}

std::optional<AssessedInput> assessed(const Input &input, const Answer &answer)
{
    return std::visit(
        [&answer](const auto &given) -> std::optional<AssessedInput> {
            using Given = std::decay_t<decltype(given)>;
            if constexpr (std::is_same_v<Given, input::ControlPress>)
                return assessed_press(given, answer);
            else if constexpr (std::is_same_v<Given, input::Command>)
                return answer.pulse ? std::optional(pulse_operation("-", *answer.pulse))
                                    : std::nullopt;
            else if constexpr (std::is_same_v<Given, input::NewCoil>)
                return AssessedInput{};
            else if constexpr (std::is_same_v<Given, input::Pass>)
                return of_kind(AssessedInput::Kind::Pass);
            else if constexpr (std::is_same_v<Given, input::StepClick>)
                return of_kind(AssessedInput::Kind::StepChosen);
            else if constexpr (std::is_same_v<Given, input::FindPick>)
                return of_kind(AssessedInput::Kind::Hint);
            else if constexpr (std::is_same_v<Given, input::Stop>)
                return of_kind(AssessedInput::Kind::StopAll);
            else if constexpr (std::is_same_v<Given, input::SelectMode>) {
                AssessedInput chosen = of_kind(AssessedInput::Kind::ModeChosen);
                chosen.mode = static_cast<int>(given.mode);
                return chosen;
            }
            else
                return std::nullopt;
        },
        input);
}

Assessment::Assessment(Dispatcher &dispatcher)
    : dispatcher_(dispatcher), mode_(sim().working_mode)
{
    dispatcher_.add_observer(*this);
}

Assessment::~Assessment()
{
    dispatcher_.remove_observer(*this);
}

std::optional<int> Assessment::score(const ReferenceTimes &reference) const
{
    return zun::score(record_.entries(), record_.trainee_operated(), reference);
}

Report Assessment::report(const ReferenceTimes &reference) const
{
    const auto points =
        step_points(record_.entries(), record_.trainee_operated(), reference);
    return {record_, score(reference), lesson_, sim(), points.value_or(std::vector<StepPoints>{})};
}

// The mode is read from the model, since more than the selector selects one (the main window
// shown selects the first).
void Assessment::input_applied(Millis time, const Input &input, const Answer &answer)
{
    if (sim().working_mode != mode_) {
        mode_ = sim().working_mode;
        AssessedInput chosen = of_kind(AssessedInput::Kind::ModeChosen);
        chosen.mode = static_cast<int>(mode_);
        if (mode_ != WorkingMode::None)
            modes_chosen_.insert(chosen.mode);
        record_.input(time, chosen);
        ++version_;
    }
    const std::optional<AssessedInput> assessed_input = assessed(input, answer);
    // The mode comes from the model above: the selector is not the only thing that selects one.
    if (assessed_input && assessed_input->kind != AssessedInput::Kind::ModeChosen) {
        const std::size_t remarks_before = record_.remarks().size();
        record_.input(time, *assessed_input);
        if (assessed_input->kind == AssessedInput::Kind::Operation)
            last_mistake_ = record_.remarks().size() > remarks_before
                                ? std::optional(record_.remarks()[remarks_before])
                                : std::nullopt;
        ++version_;
    }
    if (lesson_.input(time, input, answer))
        ++version_;
}

Assessment::Kept Assessment::kept() const
{
    return {record_.kept(), lesson_.kept(), mode_, modes_chosen_, last_mistake_, version_};
}

void Assessment::restore(const Kept &kept, const AssessmentHistory &history)
{
    record_ = StageRecord::restored(history.record_, kept.record);
    lesson_ = LessonLog::restored(history.lesson_, kept.lesson);
    mode_ = kept.mode;
    modes_chosen_ = kept.modes_chosen;
    last_mistake_ = kept.last_mistake;
    version_ = kept.version;
}

void AssessmentHistory::extend(const Assessment &assessment)
{
    record_.extend_lists(assessment.record());
    lesson_.extend_faults(assessment.lesson());
}

void AssessmentHistory::cut(const Assessment::Kept &kept)
{
    record_.cut_lists(kept.record);
    lesson_.cut_faults(kept.lesson);
}

void Assessment::fault_shown(Millis time, int mech, FaultKind kind)
{
    if (lesson_.shown(time, mech, kind))
        ++version_;
}

std::string Assessment::mistake_notice() const
{
    if (!last_mistake_ || sim().lesson_is_exam())
        return {};
    return remark_in_words(*last_mistake_, sim());
}

void Assessment::stage_changed(Millis time, int, int after)
{
    last_mistake_.reset();
    record_.stage_changed(time, after);
    ++version_;
}

} // namespace zun
