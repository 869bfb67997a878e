#include "session_report.h"

#include <algorithm>

AssessedReplay::AssessedReplay() : runner_(dropped_), assessment_(runner_.dispatcher()) {}

SimRunner::ExitStatus AssessedReplay::replay(const zun::SessionScript &session,
                                             std::ostream &errors, bool check)
{
    return runner_.replay(session, check && session.end_hash.has_value(), errors);
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
