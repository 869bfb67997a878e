#pragma once

#include "training/stage_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zun {

// How long each step takes a person who does what its page says, pausing a few seconds before
// each action: the median of the seeded human-pace runs, kept as a table that their test
// regenerates.
class ReferenceTimes {
public:
    static ReferenceTimes human_pace();

    // The step's reference time, never under one second.
    std::int64_t of(int stage) const;

private:
    explicit ReferenceTimes(const std::array<std::int64_t, 49> &stage_ms) : stage_ms_(stage_ms) {}
    std::array<std::int64_t, 49> stage_ms_;
};

// The score rule, in words for the report and the README.
extern const std::string_view score_rule;

// What one entry earns under the score rule: its worth and what is taken off it, in points.
struct StepPoints {
    double worth = 0; // 0 for an entry the score does not count
    double out_of_sequence = 0;
    double refused = 0;
    double hints = 0;
    double overtime = 0;
    // What is left, never below zero; nothing for a step passed by the button.
    double earned = 0;
};

// The points of each entry, in the entries' order; none for a session without an operation of
// the trainee (a demonstration) or without a step done by the trainee or by "пройти стадию".
std::optional<std::vector<StepPoints>> step_points(const std::vector<StageEntry> &entries,
                                                   bool trainee_operated,
                                                   const ReferenceTimes &reference);

// The score out of 100 of a session's entries: their points summed and rounded.
std::optional<int> score(const std::vector<StageEntry> &entries, bool trainee_operated,
                         const ReferenceTimes &reference);

} // namespace zun
