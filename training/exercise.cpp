#include "exercise.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"
#include "sim/console_layout.h"
#include "sim/line_model.h"
#include "sim/picture_store.h"
#include "sim/stage_tables.h"
#include "training/keyed_lines.h"

namespace zun {
namespace {

using script::BadLine;

constexpr int most_pass_mark = 100;
constexpr Millis ms_per_second = 1000;
constexpr std::size_t most_name_characters = 200;
constexpr std::size_t most_description_characters = 2000;

int step_number(std::string_view word)
{
    return static_cast<int>(script::number_in_range(word, 1, stages::last_stage, "step"));
}

std::vector<std::string_view> words_of(std::string_view text, std::size_t count, const char *what)
{
    std::vector<std::string_view> words = script::split(text);
    if (words.size() != count)
        throw BadLine(std::string(what) + ", not " + quoted(text));
    return words;
}

// "90 s" or "1500 ms".
Millis duration(std::string_view amount, std::string_view unit)
{
    if (unit != "s" && unit != "ms")
        throw BadLine("a time is in s or ms, not " + quoted(unit));
    const Millis scale = unit == "s" ? ms_per_second : 1;
    return script::number_in_range(amount, 0, Scheduler::latest / scale, "time") * scale;
}

std::string duration_text(Millis time)
{
    return time % ms_per_second == 0 ? std::to_string(time / ms_per_second) + " s"
                                     : std::to_string(time) + " ms";
}

Direction direction(std::string_view word)
{
    if (word == "fwd")
        return Direction::Forward;
    if (word == "rws")
        return Direction::Reverse;
    throw BadLine("expected fwd or rws, not " + quoted(word));
}

Input parse_action(std::string_view text)
{
    const std::vector<std::string_view> words = script::split(text);
    if (words.empty() || words[0] != "fault")
        throw BadLine("an event sets or clears a malfunction (fault J KIND on|off, fault clear), "
                      "not " +
                      quoted(text));
    const PictureStore no_pictures; // a malfunction's line names none
    return *script::parse_input(words, no_pictures);
}

ExerciseStart parse_start(std::string_view value)
{
    const std::vector<std::string_view> words = script::split(value);
    if (words.size() == 2 && words[0] == "step")
        return {step_number(words[1])};
    if (words.size() >= 2 && words[0] == "snapshot")
        return {std::string(trimmed(value.substr(words[1].data() - value.data())))};
    throw BadLine("expected step N or snapshot NAME, not " + quoted(value));
}

LessonKind parse_lesson(std::string_view value)
{
    if (value == "training")
        return LessonKind::Training;
    if (value == "exam")
        return LessonKind::Exam;
    throw BadLine("expected training or exam, not " + quoted(value));
}

// The lines of an exercise as they are read, with what each has given so far.
class ExerciseReader {
public:
    void read(std::string_view line)
    {
        const auto [key, value] = split_key(line);
        if (key == "name")
            exercise_.name = once(given_name_, key, one_line(value, most_name_characters));
        else if (key == "description")
            exercise_.description =
                once(given_description_, key, one_line(value, most_description_characters));
        else if (key == "start")
            exercise_.start = once(given_start_, key, parse_start(value));
        else if (key == "lesson")
            exercise_.lesson = once(given_lesson_, key, parse_lesson(value));
        else if (key == "goal")
            goal_ = once(given_goal_, key, parse_goal(value));
        else if (key == "pass")
            pass_mark_ = once(
                given_pass_, key,
                static_cast<int>(script::number_in_range(value, 0, most_pass_mark, "pass mark")));
        else
            exercise_.events.push_back({parse_trigger(key), parse_action(value)});
    }

    Exercise finished()
    {
        if (!given_name_ || exercise_.name.empty())
            throw BadLine("the exercise has no name: line");
        if (!given_start_)
            throw BadLine("the exercise has no start: line");
        if (!given_goal_)
            throw BadLine("the exercise has no goal: line");
        exercise_.goal = goal_;
        if (given_pass_)
            exercise_.goal.pass_mark = pass_mark_;
        return exercise_;
    }

private:
    template <typename Value> static Value once(bool &given, std::string_view key, Value value)
    {
        if (given)
            throw BadLine("a second " + std::string(key) + ": line");
        given = true;
        return value;
    }

    Exercise exercise_;
    Goal goal_;
    int pass_mark_ = 0;
    bool given_name_ = false;
    bool given_description_ = false;
    bool given_start_ = false;
    bool given_lesson_ = false;
    bool given_goal_ = false;
    bool given_pass_ = false;
};

} // namespace

Trigger parse_trigger(std::string_view key)
{
    const std::vector<std::string_view> words = script::split(key);
    if (words.size() == 3 && words[0] == "at")
        return AtTime{duration(words[1], words[2])};
    if (words.size() == 2 && words[0] == "step")
        return StepBegins{step_number(words[1])};
    if (words.size() == 3 && words[0] == "runs") {
        const auto mech = static_cast<int>(
            script::number_in_range(words[1], 0, LineModel::mech_count - 1, "mechanism"));
        if (!console::is_keyed(mech))
            throw BadLine("no console key commands mechanism " + std::string(words[1]));
        return MechanismRuns{mech, direction(words[2])};
    }
    throw BadLine("unknown line " + quoted(key) +
                  ": expected name, description, start, lesson, goal, pass, or an event "
                  "(at T s, step N, runs J fwd|rws)");
}

ReadExercise read_exercise(std::string_view text)
{
    ExerciseReader reader;
    ReadExercise read;
    read.error = read_lines(
        text, [&reader](std::string_view line) { reader.read(line); },
        [&reader, &read] { read.exercise = reader.finished(); });
    return read;
}

std::string goal_text(const Goal &goal)
{
    const std::string what = goal.reach ? "reach step " + std::to_string(goal.last_step)
                                        : "steps " + std::to_string(goal.first_step) + "-" +
                                              std::to_string(goal.last_step);
    return what + " within " + duration_text(goal.within) + ", pass " +
           std::to_string(goal.pass_mark);
}

Goal parse_goal(std::string_view text)
{
    Goal goal;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        const std::vector<std::string_view> pass =
            words_of(text.substr(comma + 1), 2, "expected pass N after the comma");
        if (pass[0] != "pass")
            throw BadLine("expected pass N after the comma, not " + quoted(pass[0]));
        goal.pass_mark =
            static_cast<int>(script::number_in_range(pass[1], 0, most_pass_mark, "pass mark"));
        text = text.substr(0, comma);
    }
    const std::vector<std::string_view> words = script::split(text);
    const bool reach = words.size() == 6 && words[0] == "reach" && words[1] == "step";
    const bool steps = words.size() == 5 && words[0] == "steps";
    if (!(reach || steps) || words[words.size() - 3] != "within")
        throw BadLine("expected reach step N within T s, or steps A-B within T s, not " +
                      quoted(text));
    goal.reach = reach;
    goal.within = duration(words[words.size() - 2], words.back());
    if (reach) {
        goal.first_step = goal.last_step = step_number(words[2]);
        return goal;
    }
    const std::size_t dash = words[1].find('-');
    if (dash == std::string_view::npos)
        throw BadLine("expected steps A-B, not " + quoted(words[1]));
    goal.first_step = step_number(words[1].substr(0, dash));
    goal.last_step = step_number(words[1].substr(dash + 1));
    if (goal.first_step > goal.last_step)
        throw BadLine("steps " + std::string(words[1]) + " run backwards");
    return goal;
}

std::string trigger_text(const Trigger &trigger)
{
    struct Words {
        std::string operator()(const AtTime &at) const { return "at " + duration_text(at.after); }
        std::string operator()(const StepBegins &step) const
        {
            return "step " + std::to_string(step.step);
        }
        std::string operator()(const MechanismRuns &runs) const
        {
            return "runs " + std::to_string(runs.mech) +
                   (runs.direction == Direction::Reverse ? " rws" : " fwd");
        }
    };
    return std::visit(Words{}, trigger);
}

std::string exercise_text(const Exercise &exercise)
{
    std::string text = "name: " + exercise.name + "\n";
    if (!exercise.description.empty())
        text += "description: " + exercise.description + "\n";
    if (const int *step = std::get_if<int>(&exercise.start.from))
        text += "start: step " + std::to_string(*step) + "\n";
    else
        text += "start: snapshot " + std::get<std::string>(exercise.start.from) + "\n";
    text += exercise.lesson == LessonKind::Exam ? "lesson: exam\n" : "lesson: training\n";
    for (const ScriptedEvent &event : exercise.events)
        text += trigger_text(event.trigger) + ": " + script::line_of(event.action) + "\n";
    const std::string goal = goal_text(exercise.goal);
    text += "goal: " + goal.substr(0, goal.find(',')) + "\n";
    text += "pass: " + std::to_string(exercise.goal.pass_mark) + "\n";
    return text;
}

} // namespace zun
