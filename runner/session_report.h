#pragma once

#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "training/assessment.h"
#include "training/report.h"

#include <optional>
#include <sstream>
#include <string>

namespace zun {
class ReferenceTimes;
}

// A session file replayed headless with its assessment: what `zun-sim --report` prints, what the
// history keeps of a session and what the journal shows of it.
class AssessedReplay {
public:
    AssessedReplay();
    AssessedReplay(const AssessedReplay &) = delete;
    AssessedReplay &operator=(const AssessedReplay &) = delete;

    // Replays the session's lines; the runner's own output (`show` lines) is not the report's
    // and is dropped. A line that fails ends the replay with its status, reported on `errors`.
    // With `check`, a session with its end line must also reach the state hash it recorded, as
    // `zun-sim --check` asks.
    SimRunner::ExitStatus replay(const zun::SessionScript &session, std::ostream &errors,
                                 bool check = false);
    void set_progress(SimRunner::Progress progress) { runner_.set_progress(std::move(progress)); }

    const zun::StageRecord &record() const { return assessment_.record(); }
    std::optional<int> score(const zun::ReferenceTimes &reference) const
    {
        return assessment_.score(reference);
    }
    // The working modes the session selected, e.g. "0,1".
    std::string modes_used() const;
    int stages_by_trainee() const;
    zun::Millis length() const { return runner_.sim().scheduler.now(); }
    // The lesson's kind and the malfunctions the instructor set.
    const zun::LessonLog &lesson() const { return assessment_.lesson(); }
    // What `zun-sim --report` says of the session.
    zun::Report report(const zun::ReferenceTimes &reference) const
    {
        return assessment_.report(reference);
    }

private:
    std::ostringstream dropped_;
    SimRunner runner_;
    zun::Assessment assessment_;
};
