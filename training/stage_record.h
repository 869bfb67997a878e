#pragma once

#include "training/stage_usage.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zun {

// What the assessment learns of one input that passed the door, with the model's answer.
struct AssessedInput {
    enum class Kind {
        Operation,  // the trainee's own: a control turned or pressed, or a pulse given directly
        Pass,       // "пройти стадию"
        ModeChosen, // a working mode selected
        StepChosen, // a click on a line of the steps list
        Hint,       // a pick in the find box
        StopAll,    // the steps window's "стоп": worth the instructor's eye, not a step's operation
    };
    Kind kind = Kind::Operation;
    std::string control = "-"; // the console control's name; "-" for a pulse given directly
    int mech = 0;
    Direction direction = Direction::Stop; // Stop also for a button without a drive
    std::string refused;                   // why the pulse was refused; empty when accepted
    int mode = 0;                          // of ModeChosen
};

// How a step was completed: by the trainee's own operations, by "пройти стадию", by the
// automatic run, set by a click in the second mode, by the line with no operation in it, or not.
enum class Completion { Trainee, Pass, Auto, Jump, Line, Open };

// One step as the trainee went through it: from the moment the stage took its number until it
// changed.
struct StageEntry {
    int stage = 0;
    std::int64_t began = 0;
    std::optional<std::int64_t> ended;
    Completion by = Completion::Open;
    int operations = 0;
    int refused = 0;
    int out_of_sequence = 0;
    int hints = 0;
};

// An operation worth the instructor's attention.
struct StageRemark {
    enum class What { OutOfSequence, Refused };
    std::int64_t time = 0;
    What what = What::OutOfSequence;
    int stage = 0;
    std::string control;
    int mech = 0;
    Direction direction = Direction::Forward;
    std::string reason; // of a refusal
};

// A moment the timeline marks: an operation of the trainee or a press of "пройти стадию".
struct TimelineMark {
    enum class What { Operation, Pass };
    std::int64_t time = 0;
    int stage = 0;
    What what = What::Operation;
};

// The record of a session's stages, built from its inputs and stage changes in order, so that the
// live program and a replay of the session's file build the same record. An input is given
// before the stage changes it caused.
class StageRecord {
    // Where the record stands between inputs, its lists apart.
    struct Standing {
        StageEntry current{};
        bool current_is_step = false;
        std::optional<int> mode;
        bool automatic = false; // since "пуск в автомате" in mode 2
        bool passed = false;    // "пройти стадию" during the current stage
        bool entered_by_click = false;
        bool last_input_was_click = false; // a click in mode 1, which sets a stage at once
        int previous_step = 0; // the step just completed, whose page's last actions may come late
        bool trainee_operated = false;
    };

public:
    void input(std::int64_t time, const AssessedInput &input);
    void stage_changed(std::int64_t time, int after);

    // Every completed step in order, then the open one the session is in (if it is a step).
    std::vector<StageEntry> entries() const;
    // When the stage the session is in began, a step or not.
    std::int64_t current_stage_began() const { return standing_.current.began; }
    const std::vector<StageRemark> &remarks() const { return remarks_; }
    const std::vector<TimelineMark> &marks() const { return marks_; }
    bool trainee_operated() const { return standing_.trainee_operated; }

    // The record at a moment, small: its lists only ever grow, and nothing in them changes once
    // there, so the lengths stand for them given a record that went on the same way from there.
    class Kept {
        friend class StageRecord;
        std::size_t completed = 0;
        std::size_t remarks = 0;
        std::size_t marks = 0;
        Standing standing;
    };
    Kept kept() const;
    // The record at `kept`, its lists taken from `longer`, a record of the same session that got
    // at least as far; a shorter one is a programming error and throws.
    static StageRecord restored(const StageRecord &longer, const Kept &kept);
    // Adds to the lists what `later`, a record of the same session, holds beyond them.
    void extend_lists(const StageRecord &later);
    // Cuts the lists back to their lengths at `kept`.
    void cut_lists(const Kept &kept);

private:
    std::vector<StageEntry> completed_;
    std::vector<StageRemark> remarks_;
    std::vector<TimelineMark> marks_;
    Standing standing_;
};

} // namespace zun
