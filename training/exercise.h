#pragma once

#include "sim/inputs.h"
#include "training/stage_usage.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// An exercise: a starting point, the lesson's kind, malfunctions scripted by time, by step or by
// a mechanism's first run, and a goal with a pass mark, kept as a small text an instructor reads
// and writes:
//
//   # a comment
//   name: Отказ привода на шаге 3
//   description: Привод не включается, когда начинается шаг 3.
//   start: step 3                      or: start: snapshot NAME
//   lesson: training                   or: lesson: exam
//   at 90 s: fault 1 drive on          at a virtual time after the start (s or ms)
//   step 30: fault 12 fwd_end on       when the step begins
//   runs 1 fwd: fault 1 drive on       when mechanism 1 first runs forward (fwd or rws)
//   goal: reach step 5 within 600 s    or: goal: steps 3-5 within 600 s
//   pass: 70                           the least score that passes, 0..100
//
// An event's action is a malfunction line as the runner reads it: "fault J KIND on|off" or
// "fault clear". Blank lines and lines beginning with '#' are skipped; name, start and goal are
// required, description, lesson (training), events and pass (0) are not.
namespace zun {

struct AtTime {
    Millis after = 0; // since the exercise began
    bool operator==(const AtTime &) const = default;
};
struct StepBegins {
    int step = 0;
    bool operator==(const StepBegins &) const = default;
};
struct MechanismRuns {
    int mech = 0;
    Direction direction = Direction::Forward; // Forward or Reverse
    bool operator==(const MechanismRuns &) const = default;
};
using Trigger = std::variant<AtTime, StepBegins, MechanismRuns>;

// A malfunction set or cleared when its trigger comes: an input::Fault or input::ClearFaults.
struct ScriptedEvent {
    Trigger trigger;
    Input action;
    bool operator==(const ScriptedEvent &) const = default;
};

// Where the exercise begins: the state in which a correct run enters a step, or a snapshot kept
// under a name.
struct ExerciseStart {
    std::variant<int, std::string> from = 1; // a step, or a snapshot's name
    bool operator==(const ExerciseStart &) const = default;
};

// Reach a step, or complete a run of steps, within a time from the start, with a least score.
struct Goal {
    int first_step = 1; // of the steps to complete
    int last_step = 1;  // the step to reach, or the last to complete
    bool reach = true;  // reach last_step; otherwise complete first_step..last_step
    Millis within = 0;
    int pass_mark = 0;
    bool operator==(const Goal &) const = default;
};

struct Exercise {
    std::string name;
    std::string description;
    ExerciseStart start;
    LessonKind lesson = LessonKind::Training;
    std::vector<ScriptedEvent> events;
    Goal goal;
    bool operator==(const Exercise &) const = default;
};

// An exercise read from its text, or why not: "line N: ..." naming the line to blame (for a
// required line that is missing, the line after the last).
struct ReadExercise {
    std::optional<Exercise> exercise;
    std::string error;
};
ReadExercise read_exercise(std::string_view text);

// The exercise's text, which read_exercise reads back as the same exercise.
std::string exercise_text(const Exercise &exercise);

// The goal in the words of its line, with the pass mark: "reach step 5 within 600 s, pass 70".
std::string goal_text(const Goal &goal);
// Reads goal_text's words back; throws script::BadLine when they are not a goal.
Goal parse_goal(std::string_view text);

// A trigger and an action in the words of their line: "at 90 s", "step 30", "runs 1 fwd".
std::string trigger_text(const Trigger &trigger);
// Reads trigger_text's words back; throws script::BadLine when they are not a trigger.
Trigger parse_trigger(std::string_view text);

} // namespace zun
