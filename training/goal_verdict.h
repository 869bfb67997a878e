#pragma once

#include "training/exercise.h"
#include "training/stage_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zun {

// One way a session fell short of its exercise's goal.
struct Shortfall {
    enum class What {
        NotReached,   // the step to reach never began
        ReachedLate,  // it began after the time allowed
        NotCompleted, // a step of the run was not completed
        NotByTrainee, // a step of the run was completed by a button, the automatic run or a click
        Late,         // the run was completed after the time allowed
        LowScore,     // the score is under the pass mark
    };
    What what = What::NotReached;
    int step = 0;
    std::int64_t after = 0;                  // ReachedLate, Late: since the start, ms
    Completion by = Completion::Open;        // NotByTrainee
    std::optional<int> score = std::nullopt; // LowScore
};

// Whether an exercise's goal was met: it was when nothing fell short.
struct GoalVerdict {
    std::vector<Shortfall> shortfalls;
    bool met() const { return shortfalls.empty(); }
    // Whether every part of the goal but the score was met: a course judges the score by its
    // own pass mark.
    bool reached() const;
};

// Judges the goal on a session's steps, the exercise having begun at `began`: the step reached
// (or every step of the run completed by the trainee or the line) within the time, and the score
// at least the pass mark.
GoalVerdict judge_goal(const Goal &goal, const std::vector<StageEntry> &entries, std::int64_t began,
                       std::optional<int> score);

// The shortfalls in the report lines' words ("step 5 not reached; score 40 below 70"), and in a
// person's ("шаг 5 не достигнут; оценка 40 ниже проходной 70").
std::string shortfall_words(const GoalVerdict &verdict, const Goal &goal);
std::string shortfall_words_ru(const GoalVerdict &verdict, const Goal &goal);

// What the report says of an exercise's session.
struct ExerciseOutcome {
    std::string name;
    Goal goal;
    GoalVerdict verdict;
};

} // namespace zun
