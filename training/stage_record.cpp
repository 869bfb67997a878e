#include "stage_record.h"

#include "sim/stage_tables.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace zun {
namespace {

constexpr int step_setting_mode = 1;
constexpr int automatic_mode = 2;

bool is_step(int stage)
{
    return stage >= 1 && stage <= stages::last_stage;
}

template <typename Item>
std::vector<Item> prefix(const std::vector<Item> &items, std::size_t length)
{
    if (length > items.size())
        throw std::logic_error("a record restored from one shorter than itself");
    return {items.begin(), items.begin() + static_cast<std::ptrdiff_t>(length)};
}

template <typename Item> void extend(std::vector<Item> &items, const std::vector<Item> &later)
{
    if (later.size() > items.size())
        items.insert(items.end(), later.begin() + static_cast<std::ptrdiff_t>(items.size()),
                     later.end());
}

} // namespace

void StageRecord::input(std::int64_t time, const AssessedInput &input)
{
    Standing &s = standing_;
    s.last_input_was_click = false;
    switch (input.kind) {
    case AssessedInput::Kind::Operation: {
        s.trainee_operated = true;
        marks_.push_back({time, s.current.stage, TimelineMark::What::Operation});
        const bool counted = s.current_is_step;
        if (counted)
            ++s.current.operations;
        const auto remark = [&](StageRemark::What what) {
            remarks_.push_back({time, what, s.current.stage, input.control, input.mech,
                                input.direction,
                                what == StageRemark::What::Refused ? input.refused : ""});
        };
        if (!input.refused.empty()) {
            s.current.refused += counted ? 1 : 0;
            remark(StageRemark::What::Refused);
        }
        if (!in_sequence(s.current.stage, input.mech, input.direction) &&
            !listed_on_page(s.previous_step, input.mech, input.direction)) {
            s.current.out_of_sequence += counted ? 1 : 0;
            remark(StageRemark::What::OutOfSequence);
        }
        break;
    }
    case AssessedInput::Kind::Pass:
        marks_.push_back({time, s.current.stage, TimelineMark::What::Pass});
        (s.mode == automatic_mode ? s.automatic : s.passed) = true;
        break;
    case AssessedInput::Kind::ModeChosen:
        s.mode = input.mode;
        s.automatic = s.automatic && input.mode == automatic_mode;
        break;
    case AssessedInput::Kind::StepChosen:
        s.last_input_was_click = s.mode == step_setting_mode;
        break;
    case AssessedInput::Kind::Hint:
        s.current.hints += s.current_is_step ? 1 : 0;
        break;
    case AssessedInput::Kind::StopAll:
        break;
    }
}

// A stage passed through in the same millisecond, with nothing done in it, is no entry: a jump
// sets the stage after it at once.
void StageRecord::stage_changed(std::int64_t time, int after)
{
    Standing &s = standing_;
    const bool passed_through = time == s.current.began && s.current.operations == 0 &&
                                s.current.hints == 0 && !s.passed && !s.automatic;
    s.previous_step = s.current_is_step ? s.current.stage : 0;
    if (s.current_is_step && !passed_through) {
        s.current.ended = time;
        if (s.automatic)
            s.current.by = Completion::Auto;
        else if (s.passed)
            s.current.by = Completion::Pass;
        else if (s.current.operations == 0 && (s.entered_by_click || s.last_input_was_click))
            s.current.by = Completion::Jump;
        else if (s.current.operations == 0)
            s.current.by = Completion::Line;
        else
            s.current.by = Completion::Trainee;
        completed_.push_back(s.current);
    }
    s.current = StageEntry{};
    s.current.stage = after;
    s.current.began = time;
    s.current_is_step = is_step(after);
    s.passed = false;
    s.entered_by_click = s.last_input_was_click;
}

std::vector<StageEntry> StageRecord::entries() const
{
    std::vector<StageEntry> all = completed_;
    if (standing_.current_is_step)
        all.push_back(standing_.current);
    return all;
}

StageRecord::Kept StageRecord::kept() const
{
    Kept kept;
    kept.completed = completed_.size();
    kept.remarks = remarks_.size();
    kept.marks = marks_.size();
    kept.standing = standing_;
    return kept;
}

StageRecord StageRecord::restored(const StageRecord &longer, const Kept &kept)
{
    StageRecord record;
    record.completed_ = prefix(longer.completed_, kept.completed);
    record.remarks_ = prefix(longer.remarks_, kept.remarks);
    record.marks_ = prefix(longer.marks_, kept.marks);
    record.standing_ = kept.standing;
    return record;
}

void StageRecord::extend_lists(const StageRecord &later)
{
    extend(completed_, later.completed_);
    extend(remarks_, later.remarks_);
    extend(marks_, later.marks_);
}

void StageRecord::cut_lists(const Kept &kept)
{
    completed_.resize(std::min(completed_.size(), kept.completed));
    remarks_.resize(std::min(remarks_.size(), kept.remarks));
    marks_.resize(std::min(marks_.size(), kept.marks));
}

} // namespace zun
