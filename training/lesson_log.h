#pragma once

#include "sim/inputs.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zun {

// How the instructor's window and the report name a malfunction and a lesson, in Russian.
std::string_view fault_text(FaultKind kind);
std::string_view lesson_text(LessonKind kind);

// One malfunction the instructor gave: when it was set, when it showed itself, when the trainee
// first stopped its mechanism after that, and when it was cleared.
//
// A malfunction shows itself with the first pulse refused because of it (a drive that does not
// switch on, a permission withdrawn), when a drive that does not switch on stops a running
// mechanism, or when a mechanism runs on past an end whose switch is lost. Until then the trainee
// has nothing to react to: a stop before it is no reaction.
struct FaultEntry {
    FaultKind kind = FaultKind::Drive;
    int mech = 0;
    std::int64_t set = 0;
    std::optional<std::int64_t> shown;
    std::optional<std::int64_t> reaction; // the time of the first stop once shown
    std::optional<std::int64_t> cleared;

    // How long the trainee took, from the moment it showed to the stop.
    std::optional<std::int64_t> reaction_ms() const
    {
        return reaction && shown ? std::optional<std::int64_t>(*reaction - *shown) : std::nullopt;
    }
};

// What the instructor made of a session, read from its inputs as they pass the door (live or in
// a replay): the lesson's kind and the malfunctions.
class LessonLog {
public:
    // Whether the input changed what the log holds.
    bool input(std::int64_t time, const Input &input, const Answer &answer);
    // Whether the line's showing a malfunction changed what the log holds.
    bool shown(std::int64_t time, int mech, FaultKind kind);

    bool exam() const { return exam_; }
    // In the order they were set.
    const std::vector<FaultEntry> &faults() const { return faults_; }

    // The log at a moment, small: its malfunctions are only ever added, and one cleared changes no
    // more, so their count stands for them given a log that went on the same way from there, with
    // the few not cleared yet, whose times may still be filled in.
    class Kept {
        friend class LessonLog;
        bool exam = false;
        std::size_t faults = 0;
        std::vector<std::pair<std::size_t, FaultEntry>> open; // by their place in the list
    };
    Kept kept() const;
    // The log at `kept`, its malfunctions taken from `longer`, a log of the same session that got
    // at least as far (with those cleared there as `longer` has them); a shorter one is a
    // programming error and throws.
    static LessonLog restored(const LessonLog &longer, const Kept &kept);
    // Takes from `later`, a log of the same session, the malfunctions beyond these and those it
    // has cleared of these.
    void extend_faults(const LessonLog &later);
    // Cuts the malfunctions back to those at `kept`, as they were there.
    void cut_faults(const Kept &kept);

private:
    FaultEntry *active(int mech, FaultKind kind);
    bool clear_all(std::int64_t time);

    bool exam_ = false;
    std::vector<FaultEntry> faults_;
};

} // namespace zun
