#include "session_report.h"

#include "sessions/input_lines.h"

#include <algorithm>

AssessedReplay::AssessedReplay() : AssessedReplay(dropped_) {}

AssessedReplay::AssessedReplay(std::ostream &runner_output)
    : runner_(runner_output), assessment_(runner_.dispatcher())
{
}

SimRunner::ExitStatus AssessedReplay::replay(const zun::SessionScript &session,
                                             std::ostream &errors, bool check)
{
    if (!session.header.exercise.empty()) {
        try {
            exercise_ = Judged{session.header.exercise, zun::parse_goal(session.header.goal)};
        } catch (const zun::script::BadLine &bad) {
            errors << "the session's goal cannot be read: " << bad.what() << '\n';
            return SimRunner::ScriptError;
        }
    }
    return runner_.replay(session, check && session.end_hash.has_value(), errors);
}

void AssessedReplay::begin_exercise(const zun::Exercise &exercise)
{
    exercise_ = Judged{exercise.name, exercise.goal};
    runner_.begin_exercise(exercise);
}

zun::Report AssessedReplay::report(const zun::ReferenceTimes &reference) const
{
    zun::Report report = assessment_.report(reference);
    if (exercise_)
        report.exercise = zun::ExerciseOutcome{
            exercise_->name, exercise_->goal,
            zun::judge_goal(exercise_->goal, record().entries(), runner_.began(), report.score)};
    return report;
}

std::string AssessedReplay::modes_used() const
{
    std::string modes;
    for (const int mode : assessment_.modes_chosen())
        modes += (modes.empty() ? "" : ",") + std::to_string(mode);
    return modes;
}

int AssessedReplay::stages_by_trainee() const
{
    return static_cast<int>(std::ranges::count_if(record().entries(), [](const auto &entry) {
        return entry.by == zun::Completion::Trainee;
    }));
}
