#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A course: exercises in the order a trainee takes them, each with the least score that passes
// it, kept as a small text an instructor reads and writes:
//
//   # a comment
//   name: Основной курс
//   description: От нового рулона до намотки.
//   exercise (pass 50): Отказ привода тележки разматывателя
//   exercise (pass 60): Экзамен: шаги 1–20 с нового рулона
//
// An exercise is named as its own file names it. Blank lines and lines beginning with '#' are
// skipped; the name and at least one exercise are required.
namespace zun {

struct CourseItem {
    std::string exercise;
    int pass_mark = 0;
    bool operator==(const CourseItem &) const = default;
};

struct Course {
    std::string name;
    std::string description;
    std::vector<CourseItem> items;
    bool operator==(const Course &) const = default;
};

// A course read from its text, or why not: "line N: ...".
struct ReadCourse {
    std::optional<Course> course;
    std::string error;
};
ReadCourse read_course(std::string_view text);
// The course's text, which read_course reads back as the same course.
std::string course_text(const Course &course);

// One session of an exercise, as the history keeps it.
struct CourseAttempt {
    std::string exercise;
    std::optional<int> score;
    bool goal_reached = false; // every part of the goal but the score
};

// A trainee's progress through one exercise of a course. An attempt passes when it reached the
// goal with at least the course's pass mark.
struct ItemProgress {
    int attempts = 0;
    std::optional<int> best_score;
    bool passed = false;
    bool operator==(const ItemProgress &) const = default;
};
// The progress through each of the course's exercises, in the course's order, from a trainee's
// attempts (of any exercises, in any order).
std::vector<ItemProgress> course_progress(const Course &course,
                                          const std::vector<CourseAttempt> &attempts);
// The exercise to take next: the first not passed yet; none when the course is passed.
std::optional<std::size_t> next_item(const std::vector<ItemProgress> &progress);
// "пройдено", "не пройдено" (tried, not passed) or "не начато", as the journal says it.
std::string progress_words_ru(const ItemProgress &progress);

} // namespace zun
