#include "course.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"
#include "training/keyed_lines.h"

#include <algorithm>

namespace zun {
namespace {

using script::BadLine;

constexpr int most_pass_mark = 100;
constexpr std::size_t most_name_characters = 200;
constexpr std::size_t most_description_characters = 2000;
constexpr std::string_view exercise_key = "exercise (pass ";

// "exercise (pass 60): NAME": the key names the pass mark.
CourseItem parse_item(std::string_view key, std::string_view value)
{
    if (!key.starts_with(exercise_key) || !key.ends_with(')'))
        throw BadLine("expected exercise (pass N): NAME, not " + quoted(key));
    const std::string_view mark =
        key.substr(exercise_key.size(), key.size() - exercise_key.size() - 1);
    if (value.empty())
        throw BadLine("the exercise has no name");
    return {one_line(value, most_name_characters),
            static_cast<int>(script::number_in_range(mark, 0, most_pass_mark, "pass mark"))};
}

class CourseReader {
public:
    void read(std::string_view line)
    {
        const auto [key, value] = split_key(line);
        if (key == "name") {
            if (given_name_)
                throw BadLine("a second name: line");
            given_name_ = true;
            course_.name = one_line(value, most_name_characters);
        } else if (key == "description") {
            course_.description = one_line(value, most_description_characters);
        } else if (key.starts_with("exercise")) {
            course_.items.push_back(parse_item(key, value));
        } else {
            throw BadLine("unknown line " + quoted(key) +
                          ": expected name, description or exercise (pass N)");
        }
    }

    Course finished() const
    {
        if (course_.name.empty())
            throw BadLine("the course has no name: line");
        if (course_.items.empty())
            throw BadLine("the course has no exercise (pass N): line");
        return course_;
    }

private:
    Course course_;
    bool given_name_ = false;
};

} // namespace

ReadCourse read_course(std::string_view text)
{
    CourseReader reader;
    ReadCourse read;
    read.error = read_lines(
        text, [&reader](std::string_view line) { reader.read(line); },
        [&reader, &read] { read.course = reader.finished(); });
    return read;
}

std::string course_text(const Course &course)
{
    std::string text = "name: " + course.name + "\n";
    if (!course.description.empty())
        text += "description: " + course.description + "\n";
    for (const CourseItem &item : course.items)
        text += "exercise (pass " + std::to_string(item.pass_mark) + "): " + item.exercise + "\n";
    return text;
}

std::vector<ItemProgress> course_progress(const Course &course,
                                          const std::vector<CourseAttempt> &attempts)
{
    std::vector<ItemProgress> progress;
    progress.reserve(course.items.size());
    for (const CourseItem &item : course.items) {
        ItemProgress &mine = progress.emplace_back();
        for (const CourseAttempt &attempt : attempts) {
            if (attempt.exercise != item.exercise)
                continue;
            ++mine.attempts;
            if (attempt.score)
                mine.best_score = std::max(mine.best_score.value_or(0), *attempt.score);
            mine.passed = mine.passed ||
                          (attempt.goal_reached && attempt.score.value_or(0) >= item.pass_mark);
        }
    }
    return progress;
}

std::optional<std::size_t> next_item(const std::vector<ItemProgress> &progress)
{
    const auto open = std::ranges::find(progress, false, &ItemProgress::passed);
    if (open == progress.end())
        return std::nullopt;
    return static_cast<std::size_t>(open - progress.begin());
}

std::string progress_words_ru(const ItemProgress &progress)
{
    if (progress.passed)
        return "пройдено";
    return progress.attempts > 0 ? "не пройдено" : "не начато";
}

} // namespace zun
