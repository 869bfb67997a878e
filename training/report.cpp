#include "report.h"

#include "sessions/input_lines.h"
#include "sim/line_model.h"
#include "sim/stage_tables.h"
#include "sim/steps_texts.h"

#include <cmath>
#include "training/remark_words.h"
#include "training/score.h"

namespace zun {
namespace {

std::string time_text(std::optional<std::int64_t> time)
{
    return time ? std::to_string(*time) : "-";
}

// Milliseconds as seconds with one decimal and a comma: "12,3".
std::string seconds_text(std::int64_t ms)
{
    std::string text = std::to_string(ms / 100);
    if (text.size() < 2)
        text.insert(0, "0");
    text.insert(text.size() - 1, ",");
    return text;
}

std::string points_text(double points)
{
    const long tenths = std::lround(points * 10);
    std::string text = std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
    return text;
}

std::string remark_what(StageRemark::What what)
{
    return what == StageRemark::What::Refused ? "refused" : "out_of_sequence";
}

std::string escaped(std::string_view text)
{
    std::string html;
    for (const char c : text) {
        switch (c) {
        case '&': html += "&amp;"; break;
        case '<': html += "&lt;"; break;
        case '>': html += "&gt;"; break;
        case '"': html += "&quot;"; break;
        default: html += c;
        }
    }
    return html;
}

std::string cell(std::string_view text)
{
    return "<td>" + escaped(text) + "</td>";
}

std::string pulses_text(int stage)
{
    std::string text;
    for (const UsedPulse &pulse : used_pulses(stage))
        text += (text.empty() ? "" : ", ") +
                std::string(pulse.direction == Direction::Forward ? "F " : "R ") +
                std::to_string(pulse.mech);
    return text.empty() ? "—" : text;
}

std::string lesson_lines(const LessonLog &lesson)
{
    std::string text = lesson.exam() ? "lesson=exam\n" : "";
    for (const FaultEntry &fault : lesson.faults())
        text += "fault=" + std::string(script::fault_word(fault.kind)) +
                " mech=" + std::to_string(fault.mech) + " set=" + std::to_string(fault.set) +
                " shown=" + time_text(fault.shown) + " reaction=" + time_text(fault.reaction_ms()) +
                " cleared=" + time_text(fault.cleared) + "\n";
    return text;
}

std::string exercise_lines(const std::optional<ExerciseOutcome> &exercise)
{
    if (!exercise)
        return {};
    const GoalVerdict &verdict = exercise->verdict;
    return "exercise=" + exercise->name + "\ngoal=" + goal_text(exercise->goal) + "\ngoal_met=" +
           (verdict.met() ? "yes" : "no why=" + shortfall_words(verdict, exercise->goal)) + "\n";
}

std::string exercise_html(const std::optional<ExerciseOutcome> &exercise)
{
    if (!exercise)
        return {};
    const GoalVerdict &verdict = exercise->verdict;
    return "<h2>Упражнение</h2>\n<p>" + escaped(exercise->name) +
           "</p>\n<p>Цель: " + escaped(goal_text(exercise->goal)) + "</p>\n<p><b>" +
           (verdict.met() ? std::string("Цель достигнута.")
                          : "Цель не достигнута: " +
                                escaped(shortfall_words_ru(verdict, exercise->goal)) + ".") +
           "</b></p>\n";
}

// The find list's name of a mechanism ("1 телега"), or its number where the list has none.
std::string mech_name(const LineModel &model, int mech)
{
    const std::string &name = model.mechanism_name(mech);
    return name.empty() ? std::to_string(mech) : name;
}

// A row per malfunction the instructor gave, with the trainee's reaction to it.
std::string faults_html(const Report &report)
{
    const LessonLog &lesson = report.lesson;
    std::string html = "<h2>Неисправности</h2>\n";
    if (lesson.faults().empty())
        return html + "<p>Инструктор неисправностей не задавал.</p>\n";
    html +=
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>механизм</th>"
        "<th>неисправность</th><th>задана, мс</th><th>проявилась, мс</th><th>остановлен, мс</th>"
        "<th>реакция через, мс</th><th>снята, мс</th></tr>\n";
    for (const FaultEntry &fault : lesson.faults())
        html += "<tr>" + cell(mech_name(report.model, fault.mech)) + cell(fault_text(fault.kind)) +
                cell(std::to_string(fault.set)) +
                cell(fault.shown ? std::to_string(*fault.shown) : "не проявилась") +
                cell(fault.reaction ? std::to_string(*fault.reaction) : "нет") +
                cell(fault.reaction_ms() ? std::to_string(*fault.reaction_ms()) : "—") +
                cell(fault.cleared ? std::to_string(*fault.cleared) : "не снята") + "</tr>\n";
    return html + "</table>\n";
}

} // namespace

std::string_view completion_word(Completion by)
{
    switch (by) {
    case Completion::Trainee: return "trainee";
    case Completion::Pass: return "pass";
    case Completion::Auto: return "auto";
    case Completion::Jump: return "jump";
    case Completion::Line: return "line";
    case Completion::Open: return "open";
    }
    return "open";
}

std::string_view completion_in_words(Completion by)
{
    switch (by) {
    case Completion::Trainee: return "сам";
    case Completion::Pass: return "кнопкой";
    case Completion::Auto: return "автомат";
    case Completion::Jump: return "переход";
    case Completion::Line: return "линия";
    case Completion::Open: return "идёт";
    }
    return "идёт";
}

std::string report_title(const ReportHeading &heading, const LessonLog &lesson)
{
    const std::string trainee = heading.trainee.empty() ? "обучаемый не назван" : heading.trainee;
    const std::string started = heading.started.substr(0, heading.started.rfind(':'));
    const std::string_view kind =
        lesson_text(lesson.exam() ? LessonKind::Exam : LessonKind::Training);
    return trainee + ", " + (started.empty() ? "дата неизвестна" : started) + ", " +
           std::string(kind);
}

std::string remark_line(const StageRemark &remark, const LineModel &model)
{
    return seconds_text(remark.time) + " с, шаг " + std::to_string(remark.stage) + ": " +
           remark_in_words(remark, model);
}

std::string_view direction_word(Direction direction)
{
    switch (direction) {
    case Direction::Forward: return "fwd";
    case Direction::Reverse: return "rws";
    case Direction::Stop: return "stop";
    }
    return "stop";
}

std::string report_lines(const Report &report)
{
    std::string text = "score=" + (report.score ? std::to_string(*report.score) : "-") + "\n";
    for (const StageEntry &entry : report.record.entries())
        text += "stage=" + std::to_string(entry.stage) + " began=" + std::to_string(entry.began) +
                " ended=" + time_text(entry.ended) + " by=" +
                std::string(completion_word(entry.by)) + " ops=" +
                std::to_string(entry.operations) + " refused=" + std::to_string(entry.refused) +
                " out_of_sequence=" + std::to_string(entry.out_of_sequence) +
                " hints=" + std::to_string(entry.hints) + "\n";
    for (const StageRemark &remark : report.record.remarks())
        text += "t=" + std::to_string(remark.time) + " what=" + remark_what(remark.what) +
                " stage=" + std::to_string(remark.stage) + " control=" + remark.control +
                " mech=" + std::to_string(remark.mech) + " dir=" +
                std::string(direction_word(remark.direction)) +
                " reason=" + (remark.reason.empty() ? "-" : remark.reason) + "\n";
    return text + lesson_lines(report.lesson) + exercise_lines(report.exercise);
}

std::string report_html(const Report &report, std::string_view title)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"ru\"><head><meta charset=\"utf-8\">"
                       "<title>" + escaped(title) + "</title></head><body>\n";
    html += "<h1>Отчёт: " + escaped(title) + "</h1>\n";
    html += "<p>Занятие: <b>" +
            escaped(lesson_text(report.lesson.exam() ? LessonKind::Exam : LessonKind::Training)) +
            "</b></p>\n";
    html += "<p><b>Оценка: " + (report.score ? std::to_string(*report.score) : "—") +
            "</b></p>\n<p>" + escaped(score_rule) + "</p>\n";
    html += exercise_html(report.exercise);
    html += faults_html(report);
    html += "<h2>Шаги</h2>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>"
            "<th>шаг</th><th>начало, с</th><th>конец, с</th><th>выполнен</th>"
            "<th>операций</th><th>отказов</th><th>не по порядку</th><th>подсказок</th>"
            "<th>стоит баллов</th><th>снято за порядок</th><th>за отказы</th>"
            "<th>за подсказки</th><th>за время</th><th>получено</th></tr>\n";
    const std::vector<StageEntry> entries = report.record.entries();
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const StageEntry &entry = entries[row];
        html += "<tr>" + cell(std::string(steps::lines()[static_cast<std::size_t>(entry.stage)])) +
                cell(seconds_text(entry.began)) +
                cell(entry.ended ? seconds_text(*entry.ended) : "—") +
                cell(completion_in_words(entry.by)) + cell(std::to_string(entry.operations)) +
                cell(std::to_string(entry.refused)) +
                cell(std::to_string(entry.out_of_sequence)) + cell(std::to_string(entry.hints));
        if (row < report.points.size()) {
            const StepPoints &points = report.points[row];
            for (const double value : {points.worth, points.out_of_sequence, points.refused,
                                       points.hints, points.overtime, points.earned})
                html += cell(points_text(value));
        } else {
            html += "<td colspan=\"6\">не оценивается</td>";
        }
        html += "</tr>\n";
    }
    html += "</table>\n<h2>Замечания</h2>\n<ul>\n";
    if (report.record.remarks().empty())
        html += "<li>Замечаний нет.</li>\n";
    for (const StageRemark &remark : report.record.remarks())
        html += "<li>" + escaped(remark_line(remark, report.model)) + "</li>\n";
    html += "</ul>\n<h2>Какие команды относятся к каждому шагу</h2>\n<p>Операция не по порядку "
            "— импульс вперёд (F) или назад (R) механизму, которого шаг не использует; стоп "
            "никогда не считается операцией не по порядку.</p>\n<table border=\"1\" "
            "cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>шаг</th><th>команды</th></tr>\n";
    for (int stage = 1; stage <= stages::last_stage; ++stage)
        html += "<tr>" + cell(std::to_string(stage)) + cell(pulses_text(stage)) + "</tr>\n";
    html += "</table>\n</body></html>\n";
    return html;
}

} // namespace zun
