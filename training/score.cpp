#include "score.h"

#include "sim/Unit_simulator.h"
#include "sim/stage_tables.h"
#include "sim/ui_port.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

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
    "каждый стоит 100 / их число баллов. Шаг, пройденный кнопкой, баллов не даёт. Со шага, "
    "выполненного самим обучаемым, снимается доля его стоимости: 25 % за каждую операцию не по "
    "порядку, 10 % за каждую отказанную команду, 20 % за каждую подсказку (выбор в поиске), 10 % "
    "за каждое эталонное время шага сверх двух эталонных времён и 30 с (эталон — время шага в "
    "полном автомате); не ниже нуля. Сеанс без операций обучаемого (демонстрация) не оценивается.";

ReferenceTimes ReferenceTimes::from_automatic_run()
{
    constexpr Millis limit = 3'600'000;
    RecordingUiPort ui;
    TSimulator sim(ui);
    ReferenceTimes reference;
    Millis began = 0;
    bool cycle_done = false;
    sim.Frame_LineMetal.Stadiya_Raboti.set_observer([&](std::int8_t before, std::int8_t) {
        if (before >= 1 && before <= stages::Last_Stage)
            reference.stage_ms_[static_cast<std::size_t>(before)] = sim.scheduler.now() - began;
        began = sim.scheduler.now();
        cycle_done = cycle_done || before == stages::Last_Stage;
    });
    sim.apply(input::SelectMode{WorkingMode::Automatic});
    sim.apply(input::Pass{});
    while (!cycle_done && sim.scheduler.now() < limit)
        sim.scheduler.advance_by(1000);
    if (!cycle_done)
        throw std::runtime_error("the automatic run did not complete its cycle");
    return reference;
}

std::int64_t ReferenceTimes::of(int stage) const
{
    const auto index = static_cast<std::size_t>(std::clamp(stage, 0, stages::Last_Stage));
    return std::max(stage_ms_[index], shortest_reference);
}

std::optional<int> score(const std::vector<StageEntry> &entries, bool trainee_operated,
                         const ReferenceTimes &reference)
{
    const auto counted = [](const StageEntry &entry) {
        return entry.by == Completion::Trainee || entry.by == Completion::Pass;
    };
    const auto count = std::ranges::count_if(entries, counted);
    if (!trainee_operated || count == 0)
        return std::nullopt;
    const double worth = 100.0 / static_cast<double>(count);
    double total = 0;
    for (const StageEntry &entry : entries) {
        if (entry.by != Completion::Trainee)
            continue;
        const std::int64_t reference_ms = reference.of(entry.stage);
        const std::int64_t taken = entry.ended.value_or(entry.began) - entry.began;
        const std::int64_t overtime = taken - (2 * reference_ms + free_time_ms);
        const double overtime_units = overtime > 0 ? std::floor(double(overtime) / double(reference_ms)) : 0;
        const double share = 1.0 - out_of_sequence_deduction * entry.out_of_sequence -
                             refused_deduction * entry.refused - hint_deduction * entry.hints -
                             overtime_deduction * overtime_units;
        total += worth * std::max(share, 0.0);
    }
    return static_cast<int>(std::lround(total));
}

} // namespace zun
