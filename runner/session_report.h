#pragma once

#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "training/assessment.h"
#include "training/exercise.h"
#include "training/report.h"

#include <memory>
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
    // The runner's own output (`show` lines) goes to `runner_output` instead of being dropped.
    explicit AssessedReplay(std::ostream &runner_output);
    AssessedReplay(const AssessedReplay &) = delete;
    AssessedReplay &operator=(const AssessedReplay &) = delete;

    // Replays the session's lines; the runner's own output (`show` lines) is not the report's
    // and is dropped. A line that fails ends the replay with its status, reported on `errors`.
    // With `check`, a session with its end line must also reach the state hash it recorded, as
    // `zun-sim --check` asks.
    // An exercise's session is judged against the goal its header names; a goal that cannot be
    // read is a script error.
    SimRunner::ExitStatus replay(const zun::SessionScript &session, std::ostream &errors,
                                 bool check = false);
    // Begins an exercise on the line the runner has entered in its start state: its events are
    // carried out as the runner's script drives the line, and the report judges its goal.
    void begin_exercise(const zun::Exercise &exercise);
    SimRunner &runner() { return runner_; }
    const SimRunner &runner() const { return runner_; }
    void set_progress(SimRunner::Progress progress) { runner_.set_progress(std::move(progress)); }

    const zun::StageRecord &record() const { return assessment_.record(); }
    std::optional<int> score(const zun::ReferenceTimes &reference) const
    {
        return assessment_.score(reference);
    }
    // The working modes the session selected, e.g. "0,1".
    std::string modes_used() const;
    int stages_by_trainee() const;
    zun::Millis length() const { return runner_.sim().scheduler.now() - runner_.began(); }
    // The lesson's kind and the malfunctions the instructor set.
    const zun::LessonLog &lesson() const { return assessment_.lesson(); }
    // What `zun-sim --report` says of the session.
    zun::Report report(const zun::ReferenceTimes &reference) const;

private:
    // An exercise's name and goal, known from its file or its session's header.
    struct Judged {
        std::string name;
        zun::Goal goal;
    };

    std::ostringstream dropped_;
    std::optional<Judged> exercise_;
    SimRunner runner_;
    zun::Assessment assessment_;
};
