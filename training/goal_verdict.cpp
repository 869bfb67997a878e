#include "goal_verdict.h"

#include "training/report.h"

#include <algorithm>

namespace zun {
namespace {

constexpr std::int64_t ms_per_second = 1000;

const StageEntry *first_of(const std::vector<StageEntry> &entries, int step)
{
    const auto found = std::ranges::find(entries, step, &StageEntry::stage);
    return found == entries.end() ? nullptr : &*found;
}

bool by_trainee_or_line(Completion by)
{
    return by == Completion::Trainee || by == Completion::Line;
}

std::optional<Shortfall> reach_shortfall(const Goal &goal, const std::vector<StageEntry> &entries,
                                         std::int64_t began)
{
    const StageEntry *reached = first_of(entries, goal.last_step);
    if (!reached)
        return Shortfall{Shortfall::What::NotReached, goal.last_step};
    if (reached->began - began > goal.within)
        return Shortfall{Shortfall::What::ReachedLate, goal.last_step, reached->began - began};
    return std::nullopt;
}

std::optional<Shortfall> run_shortfall(const Goal &goal, const std::vector<StageEntry> &entries,
                                       std::int64_t began)
{
    std::int64_t last_end = began;
    for (int step = goal.first_step; step <= goal.last_step; ++step) {
        const StageEntry *entry = first_of(entries, step);
        if (!entry || !entry->ended)
            return Shortfall{Shortfall::What::NotCompleted, step};
        if (!by_trainee_or_line(entry->by))
            return Shortfall{Shortfall::What::NotByTrainee, step, 0, entry->by};
        last_end = std::max(last_end, *entry->ended);
    }
    if (last_end - began > goal.within)
        return Shortfall{Shortfall::What::Late, goal.last_step, last_end - began};
    return std::nullopt;
}

std::string seconds(std::int64_t ms)
{
    return std::to_string(ms / ms_per_second);
}

std::string joined(const GoalVerdict &verdict, const auto &words_of)
{
    std::string text;
    for (const Shortfall &shortfall : verdict.shortfalls)
        text += (text.empty() ? "" : "; ") + words_of(shortfall);
    return text;
}

} // namespace

bool GoalVerdict::reached() const
{
    return std::ranges::all_of(shortfalls, [](const Shortfall &shortfall) {
        return shortfall.what == Shortfall::What::LowScore;
    });
}

GoalVerdict judge_goal(const Goal &goal, const std::vector<StageEntry> &entries, std::int64_t began,
                       std::optional<int> score)
{
    GoalVerdict verdict;
    if (const std::optional<Shortfall> steps = goal.reach ? reach_shortfall(goal, entries, began)
                                                          : run_shortfall(goal, entries, began))
        verdict.shortfalls.push_back(*steps);
    if (goal.pass_mark > 0 && score.value_or(0) < goal.pass_mark)
        verdict.shortfalls.push_back({Shortfall::What::LowScore, 0, 0, Completion::Open, score});
    return verdict;
}

std::string shortfall_words(const GoalVerdict &verdict, const Goal &goal)
{
    return joined(verdict, [&goal](const Shortfall &shortfall) -> std::string {
        const std::string step = "step " + std::to_string(shortfall.step);
        switch (shortfall.what) {
        case Shortfall::What::NotReached:
            return step + " not reached";
        case Shortfall::What::ReachedLate:
            return step + " reached after " + seconds(shortfall.after) + " s, more than " +
                   seconds(goal.within) + " s";
        case Shortfall::What::NotCompleted:
            return step + " not completed";
        case Shortfall::What::NotByTrainee:
            return step + " completed by=" + std::string(completion_word(shortfall.by));
        case Shortfall::What::Late:
            return "completed after " + seconds(shortfall.after) + " s, more than " +
                   seconds(goal.within) + " s";
        case Shortfall::What::LowScore:
            return "score " + (shortfall.score ? std::to_string(*shortfall.score) : "-") +
                   " below " + std::to_string(goal.pass_mark);
        }
        return {};
    });
}

std::string shortfall_words_ru(const GoalVerdict &verdict, const Goal &goal)
{
    return joined(verdict, [&goal](const Shortfall &shortfall) -> std::string {
        const std::string step = "шаг " + std::to_string(shortfall.step);
        switch (shortfall.what) {
        case Shortfall::What::NotReached:
            return step + " не достигнут";
        case Shortfall::What::ReachedLate:
            return step + " достигнут через " + seconds(shortfall.after) + " с, а дано " +
                   seconds(goal.within) + " с";
        case Shortfall::What::NotCompleted:
            return step + " не выполнен";
        case Shortfall::What::NotByTrainee:
            return step + " выполнен не самим обучаемым (" +
                   std::string(completion_in_words(shortfall.by)) + ")";
        case Shortfall::What::Late:
            return "шаги выполнены за " + seconds(shortfall.after) + " с, а дано " +
                   seconds(goal.within) + " с";
        case Shortfall::What::LowScore:
            return "оценка " + (shortfall.score ? std::to_string(*shortfall.score) : "—") +
                   " ниже проходной " + std::to_string(goal.pass_mark);
        }
        return {};
    });
}

} // namespace zun
