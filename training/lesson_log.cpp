#include "lesson_log.h"

namespace zun {

FaultEntry *LessonLog::active(int mech, FaultKind kind)
{
    for (FaultEntry &entry : faults_)
        if (entry.mech == mech && entry.kind == kind && !entry.cleared)
            return &entry;
    return nullptr;
}

void LessonLog::clear_all(std::int64_t time)
{
    for (FaultEntry &entry : faults_)
        if (!entry.cleared)
            entry.cleared = time;
}

void LessonLog::input(std::int64_t time, const Input &input, const Answer &answer)
{
    if (const auto *lesson = std::get_if<input::Lesson>(&input)) {
        exam_ = lesson->kind == LessonKind::Exam;
    } else if (const auto *fault = std::get_if<input::Fault>(&input)) {
        FaultEntry *entry = active(fault->mech, fault->kind);
        if (fault->on && !entry)
            faults_.push_back({fault->kind, fault->mech, time, std::nullopt, std::nullopt});
        else if (!fault->on && entry)
            entry->cleared = time;
    } else if (std::holds_alternative<input::ClearFaults>(input)) {
        clear_all(time);
    } else if (answer.pulse && answer.pulse->command == MechCommand::Stop) {
        // The trainee's reaction: the first stop of the faulty mechanism while the fault lasts.
        for (FaultEntry &entry : faults_)
            if (entry.mech == answer.pulse->mech && !entry.cleared && !entry.reaction)
                entry.reaction = time;
    }
}

} // namespace zun
