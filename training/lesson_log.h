#pragma once

#include "sim/inputs.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zun {

// How the instructor's window and the report name a malfunction and a lesson, in Russian.
std::string_view fault_text(FaultKind kind);
std::string_view lesson_text(LessonKind kind);

// One malfunction the instructor gave: when it was set and cleared, and when the trainee first
// stopped its mechanism after it was set.
struct FaultEntry {
    FaultKind kind = FaultKind::Drive;
    int mech = 0;
    std::int64_t set = 0;
    std::optional<std::int64_t> cleared;
    std::optional<std::int64_t> reaction;
};

// What the instructor made of a session, read from its inputs as they pass the door (live or in
// a replay): the lesson's kind and the malfunctions.
class LessonLog {
public:
    // Whether the input changed what the log holds.
    bool input(std::int64_t time, const Input &input, const Answer &answer);

    bool exam() const { return exam_; }
    // In the order they were set.
    const std::vector<FaultEntry> &faults() const { return faults_; }

private:
    FaultEntry *active(int mech, FaultKind kind);
    bool clear_all(std::int64_t time);

    bool exam_ = false;
    std::vector<FaultEntry> faults_;
};

} // namespace zun
