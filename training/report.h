#pragma once

#include "training/lesson_log.h"
#include "training/stage_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace zun {

class TSimulator;

// What a session's report says, the same in the program and headless.
struct Report {
    const StageRecord &record;
    std::optional<int> score;
    const LessonLog &lesson; // the exam and the malfunctions
    const TSimulator &model; // names the mechanisms
};

std::string_view completion_word(Completion by);
std::string_view direction_word(Direction direction);

// "score=N" (or "score=-"), a line per step, then a line per remark; then "lesson=exam" for an
// examination and a line per malfunction the instructor gave.
std::string report_lines(const Report &report);

// The same as a whole HTML page, with the lesson's kind, the malfunctions by the names of their
// mechanisms, the score rule and the pulses each step uses; `title` names the session.
std::string report_html(const Report &report, std::string_view title);

} // namespace zun
