#pragma once

#include "sim/dispatcher.h"
#include "sim/inputs.h"
#include "training/lesson_log.h"
#include "training/report.h"
#include "training/score.h"
#include "training/stage_record.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace zun {

// The word a report gives for why a mechanism refused a pulse; empty when it took it.
std::string_view refusal_word(Refusal refusal);

// What the assessment makes of an input that passed the door, with the model's answer: the
// trainee's operations (a control pressed that sent a pulse, the bell, the new-coil button, a
// pulse given directly), "пройти стадию", a working mode, a click on a step, a pick in the find
// box and "стоп". Nothing for every other input: pointing, pages, scrolling, the instructor's
// own, and the stop a spring-return key sends when it is let go, which ends the operation its
// press began. The report and the instructor's window both see the trainee through it.
std::optional<AssessedInput> assessed(const Input &input, const Answer &answer);

class AssessmentHistory;

// Keeps the stage record of a session and the instructor's lesson log from the inputs the door
// lets through and the stage changes, in the order they happen, so that the program and a
// headless replay of the session's file keep the same record.
class Assessment final : private InputObserver {
public:
    explicit Assessment(Dispatcher &dispatcher);
    ~Assessment();
    Assessment(const Assessment &) = delete;
    Assessment &operator=(const Assessment &) = delete;

    const StageRecord &record() const { return record_; }
    std::optional<int> score(const ReferenceTimes &reference) const;
    // The lesson's kind and the malfunctions the instructor gave.
    const LessonLog &lesson() const { return lesson_; }
    // What the report says of the session so far; it reads this assessment and its model.
    Report report(const ReferenceTimes &reference) const;
    // The working modes selected so far, each once, in order of their numbers.
    const std::set<int> &modes_chosen() const { return modes_chosen_; }
    // In training, what the trainee's last operation did wrong, in words (refused and why, or
    // out of sequence); empty after an operation in order, once the step changes, and always in
    // an examination, whose record keeps it all the same.
    std::string mistake_notice() const;
    // Counts the changes of the record and the lesson log, so that a window redraws only when
    // they changed.
    std::uint64_t version() const { return version_; }

    // All the assessment has built from the inputs so far, small: the lists of the record and of
    // the log stand in it by their lengths, to be taken from an AssessmentHistory of the session
    // that got at least as far. It is built from the model's answers and the mode the model holds
    // after each input, so a model restored from a snapshot cannot rebuild it from the inputs
    // alone: it is kept with the snapshot and put back with it.
    struct Kept {
        StageRecord::Kept record;
        LessonLog::Kept lesson;
        WorkingMode mode = WorkingMode::None;
        std::set<int> modes_chosen;
        std::optional<StageRemark> last_mistake;
        std::uint64_t version = 0;
    };
    Kept kept() const;
    // Back to `kept`, the lists taken from `history`.
    void restore(const Kept &kept, const AssessmentHistory &history);

private:
    void input_applied(Millis time, const Input &input, const Answer &answer) override;
    void stage_changed(Millis time, int before, int after) override;
    void fault_shown(Millis time, int mech, FaultKind kind) override;

    // The model as it is now: a loaded snapshot puts another in its place.
    const LineModel &sim() const { return dispatcher_.model(); }

    Dispatcher &dispatcher_;
    StageRecord record_;
    LessonLog lesson_;
    WorkingMode mode_ = WorkingMode::None;
    std::set<int> modes_chosen_;
    std::optional<StageRemark> last_mistake_;
    std::uint64_t version_ = 0;
};

// The lists of an assessment's record and log along one session as far as it was kept, for the
// moments kept of it (Assessment::Kept) to take theirs from: memory in proportion to the session
// however many moments are kept.
class AssessmentHistory {
public:
    // Takes what `assessment`, of the same session, has beyond what this holds.
    void extend(const Assessment &assessment);
    // The session goes another way after the moment `kept`: cuts back to the lists there.
    void cut(const Assessment::Kept &kept);

private:
    friend class Assessment;
    StageRecord record_;
    LessonLog lesson_;
};

} // namespace zun
