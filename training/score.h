#pragma once

#include "training/stage_record.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zun {

// How long each stage takes when the line carries it out by itself: one automatic cycle of the
// model, run headless.
class ReferenceTimes {
public:
    static ReferenceTimes from_automatic_run();

    // The stage's time in the automatic run, never under one second.
    std::int64_t of(int stage) const;

private:
    std::array<std::int64_t, 49> stage_ms_{};
};

// The score rule, in words for the report and the README.
extern const std::string_view score_rule;

// The score out of 100 of a session's entries; none for a session without an operation of the
// trainee (a demonstration) or without a step done by the trainee or by "пройти стадию".
std::optional<int> score(const std::vector<StageEntry> &entries, bool trainee_operated,
                         const ReferenceTimes &reference);

} // namespace zun
