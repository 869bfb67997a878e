#pragma once

#include "training/goal_verdict.h"
#include "training/lesson_log.h"
#include "training/score.h"
#include "training/stage_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zun {

class LineModel;

// What a session's report says, the same in the program and headless.
struct Report {
    const StageRecord &record;
    std::optional<int> score;
    const LessonLog &lesson; // the exam and the malfunctions
    const LineModel &model;  // names the mechanisms
    std::vector<StepPoints> points = {}; // of each entry; none without a score
    std::optional<ExerciseOutcome> exercise = std::nullopt; // of an exercise's session
};

// Who did the session and when it began ("YYYY-MM-DD HH:MM:SS"), for the report's title.
struct ReportHeading {
    std::string trainee;
    std::string started;
};

// "Пётр Иванов, 2026-03-07 09:04, обучение": the trainee, the date and the lesson.
std::string report_title(const ReportHeading &heading, const LessonLog &lesson);

std::string_view completion_word(Completion by);
// The report window's words for how a step was completed: «сам», «кнопкой», «идёт» ...
std::string_view completion_in_words(Completion by);
std::string_view direction_word(Direction direction);

// "score=N" (or "score=-"), a line per step, then a line per remark; then "lesson=exam" for an
// examination and a line per malfunction the instructor gave; for an exercise's session, its
// name, its goal and "goal_met=yes", or "goal_met=no why=..." with what fell short.
std::string report_lines(const Report &report);

// A remark as a person reads it: when, in which step, and what went wrong in words.
std::string remark_line(const StageRemark &remark, const LineModel &model);

// The same as a whole HTML page titled `title` (see report_title), with the lesson's kind, the
// malfunctions by the names of their mechanisms, each step's points and deductions, the remarks
// in words, the score rule and the pulses each step uses.
std::string report_html(const Report &report, std::string_view title);

} // namespace zun
