#include "stage_record.h"

#include "sim/stage_tables.h"

namespace zun {
namespace {

constexpr int step_setting_mode = 1;
constexpr int automatic_mode = 2;

bool is_step(int stage)
{
    return stage >= 1 && stage <= stages::last_stage;
}

} // namespace

void StageRecord::input(std::int64_t time, const AssessedInput &input)
{
    last_input_was_click_ = false;
    switch (input.kind) {
    case AssessedInput::Kind::Operation: {
        trainee_operated_ = true;
        marks_.push_back({time, current_.stage, TimelineMark::What::Operation});
        const bool counted = current_is_step_;
        if (counted)
            ++current_.operations;
        const auto remark = [&](StageRemark::What what) {
            remarks_.push_back({time, what, current_.stage, input.control, input.mech,
                                input.direction,
                                what == StageRemark::What::Refused ? input.refused : ""});
        };
        if (!input.refused.empty()) {
            current_.refused += counted ? 1 : 0;
            remark(StageRemark::What::Refused);
        }
        if (!in_sequence(current_.stage, input.mech, input.direction) &&
            !listed_on_page(previous_step_, input.mech, input.direction)) {
            current_.out_of_sequence += counted ? 1 : 0;
            remark(StageRemark::What::OutOfSequence);
        }
        break;
    }
    case AssessedInput::Kind::Pass:
        marks_.push_back({time, current_.stage, TimelineMark::What::Pass});
        (mode_ == automatic_mode ? automatic_ : passed_) = true;
        break;
    case AssessedInput::Kind::ModeChosen:
        mode_ = input.mode;
        automatic_ = automatic_ && input.mode == automatic_mode;
        break;
    case AssessedInput::Kind::StepChosen:
        last_input_was_click_ = mode_ == step_setting_mode;
        break;
    case AssessedInput::Kind::Hint:
        current_.hints += current_is_step_ ? 1 : 0;
        break;
    case AssessedInput::Kind::StopAll:
        break;
    }
}

// A stage passed through in the same millisecond, with nothing done in it, is no entry: a jump
// sets the stage after it at once.
void StageRecord::stage_changed(std::int64_t time, int after)
{
    const bool passed_through = time == current_.began && current_.operations == 0 &&
                                current_.hints == 0 && !passed_ && !automatic_;
    previous_step_ = current_is_step_ ? current_.stage : 0;
    if (current_is_step_ && !passed_through) {
        current_.ended = time;
        if (automatic_)
            current_.by = Completion::Auto;
        else if (passed_)
            current_.by = Completion::Pass;
        else if (current_.operations == 0 && (entered_by_click_ || last_input_was_click_))
            current_.by = Completion::Jump;
        else if (current_.operations == 0)
            current_.by = Completion::Line;
        else
            current_.by = Completion::Trainee;
        completed_.push_back(current_);
    }
    current_ = StageEntry{};
    current_.stage = after;
    current_.began = time;
    current_is_step_ = is_step(after);
    passed_ = false;
    entered_by_click_ = last_input_was_click_;
}

std::vector<StageEntry> StageRecord::entries() const
{
    std::vector<StageEntry> all = completed_;
    if (current_is_step_)
        all.push_back(current_);
    return all;
}

} // namespace zun
