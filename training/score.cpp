#include "score.h"

#include "sim/stage_tables.h"

#include <algorithm>
#include <cmath>

namespace zun {
namespace {

constexpr std::int64_t shortest_reference = 1000;
constexpr std::int64_t free_time_ms = 30000;
constexpr double out_of_sequence_deduction = 0.25;
constexpr double refused_deduction = 0.10;
constexpr double hint_deduction = 0.20;
constexpr double overtime_deduction = 0.10;

} // namespace

const std::string_view score_rule =
    "Оценка из 100. Считаются шаги, завершённые самим обучаемым или кнопкой «пройти стадию»; "
    "каждый стоит 100 / их число баллов. Шаг, пройденный кнопкой, баллов не даёт; шаг, который "
    "линия завершила сама, без операций обучаемого, не считается. Со шага, выполненного самим "
    "обучаемым, снимается доля его стоимости: 25 % за каждую операцию не по порядку, 10 % за "
    "каждую отказанную команду, 20 % за каждую подсказку (выбор в поиске), 10 % за каждое "
    "эталонное время шага сверх двух эталонных времён и 30 с (эталон — время, за которое шаг "
    "выполняет по странице пояснений человек, делающий перед каждым действием паузу в 1–8 с); "
    "не ниже нуля. Действие, которое называет страница шага, и оставшееся действие только что "
    "завершённого шага не считаются операциями не по порядку. Сеанс без операций обучаемого "
    "(демонстрация) не оценивается.";

ReferenceTimes ReferenceTimes::human_pace()
{
    // Milliseconds, step by step from step 1; the human-pace runs' test prints them anew.
    static constexpr std::array<std::int64_t, 49> medians{
        0,
        4330, 5015, 13780, 5055, 4950, 8405, 6905, 3930,
        5110, 5090, 3275, 9675, 4080, 4565, 3360, 5825,
        4050, 11385, 11595, 5335, 13145, 5420, 8350, 4780,
        9435, 9215, 16100, 5165, 15485, 6240, 6955, 5890,
        6310, 3500, 5415, 4635, 4205, 9250, 4330, 25360,
        10, 3400, 6400, 15985, 6100, 12520, 5140, 9475,
    };
    return ReferenceTimes(medians);
}

std::int64_t ReferenceTimes::of(int stage) const
{
    const auto index = static_cast<std::size_t>(std::clamp(stage, 0, stages::last_stage));
    return std::max(stage_ms_[index], shortest_reference);
}

std::optional<std::vector<StepPoints>> step_points(const std::vector<StageEntry> &entries,
                                                   bool trainee_operated,
                                                   const ReferenceTimes &reference)
{
    const auto counted = [](const StageEntry &entry) {
        return entry.by == Completion::Trainee || entry.by == Completion::Pass;
    };
    const auto count = std::ranges::count_if(entries, counted);
    if (!trainee_operated || count == 0)
        return std::nullopt;
    const double worth = 100.0 / static_cast<double>(count);
    std::vector<StepPoints> points;
    for (const StageEntry &entry : entries) {
        StepPoints step;
        step.worth = counted(entry) ? worth : 0;
        if (entry.by == Completion::Trainee) {
            const std::int64_t reference_ms = reference.of(entry.stage);
            const std::int64_t taken = entry.ended.value_or(entry.began) - entry.began;
            const std::int64_t overtime = taken - (2 * reference_ms + free_time_ms);
            const double overtime_units =
                overtime > 0 ? std::floor(double(overtime) / double(reference_ms)) : 0;
            step.out_of_sequence = worth * out_of_sequence_deduction * entry.out_of_sequence;
            step.refused = worth * refused_deduction * entry.refused;
            step.hints = worth * hint_deduction * entry.hints;
            step.overtime = worth * overtime_deduction * overtime_units;
            step.earned = std::max(worth - step.out_of_sequence - step.refused - step.hints -
                                       step.overtime,
                                   0.0);
        }
        points.push_back(step);
    }
    return points;
}

std::optional<int> score(const std::vector<StageEntry> &entries, bool trainee_operated,
                         const ReferenceTimes &reference)
{
    const std::optional<std::vector<StepPoints>> points =
        step_points(entries, trainee_operated, reference);
    if (!points)
        return std::nullopt;
    double total = 0;
    for (const StepPoints &step : *points)
        total += step.earned;
    return static_cast<int>(std::lround(total));
}

} // namespace zun
