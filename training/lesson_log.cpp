#include "lesson_log.h"

#include <algorithm>
#include <stdexcept>

namespace zun {

std::string_view fault_text(FaultKind kind)
{
    switch (kind) {
    case FaultKind::Drive: return "привод не включается";
    case FaultKind::Permit: return "нет разрешения";
    case FaultKind::ForwardEnd: return "не срабатывает конечный выключатель вперёд";
    case FaultKind::ReverseEnd: return "не срабатывает конечный выключатель назад";
    }
    return "";
}

std::string_view lesson_text(LessonKind kind)
{
    return kind == LessonKind::Exam ? "экзамен" : "обучение";
}

FaultEntry *LessonLog::active(int mech, FaultKind kind)
{
    for (FaultEntry &entry : faults_)
        if (entry.mech == mech && entry.kind == kind && !entry.cleared)
            return &entry;
    return nullptr;
}

bool LessonLog::clear_all(std::int64_t time)
{
    bool cleared = false;
    for (FaultEntry &entry : faults_)
        if (!entry.cleared) {
            entry.cleared = time;
            cleared = true;
        }
    return cleared;
}

bool LessonLog::input(std::int64_t time, const Input &input, const Answer &answer)
{
    if (const auto *lesson = std::get_if<input::Lesson>(&input)) {
        const bool exam = lesson->kind == LessonKind::Exam;
        const bool changed = exam != exam_;
        exam_ = exam;
        return changed;
    }
    if (const auto *fault = std::get_if<input::Fault>(&input)) {
        FaultEntry *entry = active(fault->mech, fault->kind);
        if (fault->on && !entry) {
            faults_.push_back(
                {fault->kind, fault->mech, time, std::nullopt, std::nullopt, std::nullopt});
            return true;
        }
        if (!fault->on && entry) {
            entry->cleared = time;
            return true;
        }
        return false;
    }
    if (std::holds_alternative<input::ClearFaults>(input))
        return clear_all(time);
    if (!answer.pulse)
        return false;
    const PulseAnswer &pulse = *answer.pulse;
    if (pulse.refusal == Refusal::DriveFault)
        return shown(time, pulse.mech, FaultKind::Drive);
    if (pulse.refusal == Refusal::NotPermitted)
        return shown(time, pulse.mech, FaultKind::Permit);
    if (pulse.command != MechCommand::Stop)
        return false;
    // The trainee's reaction: the first stop of the mechanism once its malfunction has shown.
    bool reacted = false;
    for (FaultEntry &entry : faults_)
        if (entry.mech == pulse.mech && entry.shown && !entry.cleared && !entry.reaction) {
            entry.reaction = time;
            reacted = true;
        }
    return reacted;
}

bool LessonLog::shown(std::int64_t time, int mech, FaultKind kind)
{
    FaultEntry *entry = active(mech, kind);
    if (!entry || entry->shown)
        return false;
    entry->shown = time;
    return true;
}

LessonLog::Kept LessonLog::kept() const
{
    Kept kept;
    kept.exam = exam_;
    kept.faults = faults_.size();
    for (std::size_t i = 0; i < faults_.size(); ++i)
        if (!faults_[i].cleared)
            kept.open.emplace_back(i, faults_[i]);
    return kept;
}

LessonLog LessonLog::restored(const LessonLog &longer, const Kept &kept)
{
    if (kept.faults > longer.faults_.size())
        throw std::logic_error("a lesson log restored from one shorter than itself");
    LessonLog log;
    log.exam_ = kept.exam;
    log.faults_.assign(longer.faults_.begin(),
                       longer.faults_.begin() + static_cast<std::ptrdiff_t>(kept.faults));
    for (const auto &[at, entry] : kept.open)
        log.faults_[at] = entry;
    return log;
}

void LessonLog::extend_faults(const LessonLog &later)
{
    const std::size_t common = std::min(faults_.size(), later.faults_.size());
    for (std::size_t i = 0; i < common; ++i)
        if (!faults_[i].cleared && later.faults_[i].cleared)
            faults_[i] = later.faults_[i];
    if (later.faults_.size() > common)
        faults_.insert(faults_.end(), later.faults_.begin() + static_cast<std::ptrdiff_t>(common),
                       later.faults_.end());
}

void LessonLog::cut_faults(const Kept &kept)
{
    faults_.resize(std::min(faults_.size(), kept.faults));
    for (const auto &[at, entry] : kept.open)
        if (at < faults_.size())
            faults_[at] = entry;
}

} // namespace zun
