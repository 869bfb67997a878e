#include "sim_runner.h"

#include "sim/console_layout.h"
#include "sim/stage_tables.h"
#include "sim/steps_texts.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <istream>
#include <limits>
#include <ostream>
#include <stdexcept>

namespace {

// A bad script line: reported with its number, and nothing of it runs.
class BadLine : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// A goal the run did not reach.
class GoalMissed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr zun::Millis tick = 10;
constexpr long long default_until_limit = 600000;

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> tokens;
    constexpr std::string_view blanks = " \t\r";
    std::size_t start = line.find_first_not_of(blanks);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(blanks, start);
        tokens.push_back(line.substr(start, end - start));
        start = end == std::string_view::npos ? end : line.find_first_not_of(blanks, end);
    }
    return tokens;
}

long long parse_number(std::string_view token)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        throw BadLine("malformed number '" + std::string(token) + "'");
    return value;
}

long long in_range(std::string_view token, long long lowest, long long highest, const char *what)
{
    const long long value = parse_number(token);
    if (value < lowest || value > highest)
        throw BadLine(std::string(what) + " " + std::string(token) + " outside " +
                      std::to_string(lowest) + ".." + std::to_string(highest));
    return value;
}

std::string joined(const std::vector<std::string_view> &words)
{
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : " ") + std::string(word);
    return text;
}

} // namespace

const std::vector<SimRunner::Command> &SimRunner::commands()
{
    using K = ArgumentKind;
    static const std::vector<Command> table{
        {{"advance"}, {K::Duration}, &SimRunner::advance},
        {{"fwd"}, {K::Mechanism}, &SimRunner::forward_pulse},
        {{"rws"}, {K::Mechanism}, &SimRunner::reverse_pulse},
        {{"halt"}, {K::Mechanism}, &SimRunner::halt},
        {{"newcoil"}, {}, &SimRunner::new_coil},
        {{"mode"}, {K::Mode}, &SimRunner::select_mode},
        {{"pass"}, {}, &SimRunner::pass},
        {{"step"}, {K::StepLine}, &SimRunner::step},
        {{"stop"}, {}, &SimRunner::stop},
        {{"beep", "down"}, {}, &SimRunner::beep_down},
        {{"beep", "up"}, {}, &SimRunner::beep_up},
        {{"trace", "on"}, {}, &SimRunner::trace_on},
        {{"trace", "off"}, {}, &SimRunner::trace_off},
        {{"until", "stage"}, {K::Stage, K::Within, K::Duration}, &SimRunner::until_stage, 1},
        {{"click"}, {K::PictureName}, &SimRunner::click},
        {{"hover"}, {K::PictureName}, &SimRunner::hover},
        {{"find"}, {K::FindItem}, &SimRunner::find},
        {{"page"}, {K::PageTag}, &SimRunner::page},
        {{"show", "time"}, {}, &SimRunner::show_time},
        {{"show", "cur"}, {}, &SimRunner::show_cur},
        {{"show", "stage"}, {}, &SimRunner::show_stage},
        {{"show", "mech"}, {K::Mechanism}, &SimRunner::show_mech},
        {{"show", "picture"}, {K::PictureName}, &SimRunner::show_picture},
        {{"show", "strip"}, {}, &SimRunner::show_strip},
        {{"show", "coils"}, {}, &SimRunner::show_coils},
    };
    return table;
}

SimRunner::SimRunner(std::ostream &out) : out_(out), sim_(ui_)
{
    sim_.Frame_LineMetal.Stadiya_Raboti.set_observer(
        [this](std::int8_t before, std::int8_t after) { on_stage_change(before, after); });
}

void SimRunner::on_stage_change(std::int8_t before, std::int8_t after)
{
    if (tracing_)
        out_ << "t=" << sim_.scheduler.now() << " stage " << int{before} << " -> " << int{after}
             << '\n';
    if (after == awaited_stage_)
        awaited_reached_ = true;
    if (after == 1)
        ++stage_1_begun_;
}

SimRunner::ExitStatus SimRunner::run(std::istream &script, std::ostream &errors)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        try {
            run_line(line);
        } catch (const BadLine &error) {
            errors << "line " << number << ": " << error.what() << '\n';
            return ScriptError;
        } catch (const GoalMissed &error) {
            errors << "line " << number << ": " << error.what() << '\n';
            return Failed;
        } catch (const std::exception &error) {
            errors << "line " << number << ": the model failed: " << error.what() << '\n';
            return Failed;
        }
    }
    return Completed;
}

void SimRunner::run_line(std::string_view line)
{
    const std::vector<std::string_view> tokens = split(line.substr(0, line.find('#')));
    if (tokens.empty())
        return;
    const Command *command = match(tokens);
    if (!command)
        throw BadLine("unknown command '" + joined(tokens) + "'");
    const std::vector<std::string_view> given(tokens.begin() + command->words.size(), tokens.end());
    const std::size_t all = command->arguments.size();
    if (given.size() != command->required && given.size() != all) {
        const std::string counts = command->required == all ? std::to_string(all)
                                                            : std::to_string(command->required) +
                                                                  " or " + std::to_string(all);
        throw BadLine("'" + joined(command->words) + "' takes " + counts + " argument(s), not " +
                      std::to_string(given.size()));
    }
    Arguments arguments;
    for (std::size_t i = 0; i < given.size(); ++i)
        arguments.push_back(parse(command->arguments[i], given[i]));
    (this->*command->action)(arguments);
}

// The command whose words begin the line, the longest one where several do.
const SimRunner::Command *SimRunner::match(const std::vector<std::string_view> &tokens) const
{
    const Command *best = nullptr;
    for (const Command &command : commands()) {
        if (command.words.size() > tokens.size() ||
            (best && best->words.size() >= command.words.size()))
            continue;
        if (std::equal(command.words.begin(), command.words.end(), tokens.begin()))
            best = &command;
    }
    return best;
}

SimRunner::Argument SimRunner::parse(ArgumentKind kind, std::string_view token) const
{
    switch (kind) {
    case ArgumentKind::Duration: {
        const long long value = parse_number(token);
        if (value < 0)
            throw BadLine("a duration cannot be negative: " + std::string(token));
        return in_range(token, 0, zun::Scheduler::latest, "duration");
    }
    case ArgumentKind::Mechanism: {
        const long long value = parse_number(token);
        if (value < 0 || value >= zun::TSimulator::Mech_Count)
            throw BadLine("mechanism " + std::string(token) + " outside 0..199");
        return value;
    }
    case ArgumentKind::PictureName:
        if (zun::Picture *picture = sim_.pictures.find_picture(token))
            return picture;
        throw BadLine("unknown picture '" + std::string(token) + "'");
    case ArgumentKind::Mode:
        return in_range(token, 0, 2, "mode");
    case ArgumentKind::StepLine:
        return in_range(token, 0, zun::steps::Line_Count - 1, "step");
    case ArgumentKind::Stage:
        return in_range(token, 0, zun::stages::Last_Stage + 1, "stage");
    case ArgumentKind::FindItem:
        return in_range(token, 0, zun::console::mech_name_count - 1, "find item");
    case ArgumentKind::PageTag: {
        const long long tag = parse_number(token);
        if (tag < std::numeric_limits<int>::min() || tag > std::numeric_limits<int>::max() ||
            !zun::console::find_page_picture(static_cast<int>(tag)))
            throw BadLine("no console page has the tag " + std::string(token));
        return tag;
    }
    case ArgumentKind::Within:
        if (token != "within")
            throw BadLine("expected 'within', not '" + std::string(token) + "'");
        return 0LL;
    }
    throw BadLine("unreadable argument '" + std::string(token) + "'");
}

void SimRunner::show_strip(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim_.Frame_LineMetal;
    out_ << "segs=" << line.Seg_Count;
    for (int k = 0; k < line.Seg_Count; ++k)
        out_ << " seg" << k << '=' << line.Seg_Start[k] << ',' << line.Seg_Len[k];
    out_ << '\n';
}

void SimRunner::show_coils(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim_.Frame_LineMetal;
    out_ << "uncoiler_place=" << int{line.Gde_Rulon_Razmativatela}
         << " uncoiler_percent=" << line.Percent_Razmativatela
         << " uncoiler_class=" << line.Razmer_Rulona_Razmativatela
         << " recoiler_place=" << int{line.Gde_Rulon_Motalki}
         << " recoiler_percent=" << line.Percent_Motalki
         << " recoiler_class=" << line.Razmer_Rulona_Motalki << '\n';
}

zun::TMech &SimRunner::mech(const Argument &argument)
{
    return *sim_.Mech_Array[static_cast<std::size_t>(std::get<long long>(argument))];
}

void SimRunner::advance(const Arguments &arguments)
{
    const long long duration = std::get<long long>(arguments[0]);
    refuse_past_clock_end(duration, "advance");
    sim_.scheduler.advance_by(duration);
}

// A wait that would take the clock past its end is the script's fault, found before it runs.
void SimRunner::refuse_past_clock_end(long long duration, const char *what) const
{
    const zun::Millis left = zun::Scheduler::latest - sim_.scheduler.now();
    if (duration > left)
        throw BadLine(std::string(what) + " " + std::to_string(duration) +
                      " would take the clock past its end: " + std::to_string(left) +
                      " ms left of " + std::to_string(zun::Scheduler::latest));
}

void SimRunner::forward_pulse(const Arguments &arguments)
{
    mech(arguments[0]).f_Start_FWD_Pulse();
}

void SimRunner::reverse_pulse(const Arguments &arguments)
{
    mech(arguments[0]).f_Start_RWS_Pulse();
}

void SimRunner::halt(const Arguments &arguments)
{
    mech(arguments[0]).f_Stop();
}

void SimRunner::new_coil(const Arguments &)
{
    sim_.Button_Get_RulonClick();
}

void SimRunner::select_mode(const Arguments &arguments)
{
    sim_.f_Select_Working_Mode(static_cast<int>(std::get<long long>(arguments[0])));
}

void SimRunner::pass(const Arguments &)
{
    sim_.Button_Pass_StageClick();
}

void SimRunner::step(const Arguments &arguments)
{
    sim_.ListBox_StepsClick(static_cast<int>(std::get<long long>(arguments[0])));
}

void SimRunner::stop(const Arguments &)
{
    sim_.Button_Steps_StopClick();
}

void SimRunner::beep_down(const Arguments &)
{
    sim_.b_Beep_Pressed = true;
}

void SimRunner::beep_up(const Arguments &)
{
    sim_.b_Beep_Pressed = false;
}

void SimRunner::trace_on(const Arguments &)
{
    tracing_ = true;
}

void SimRunner::trace_off(const Arguments &)
{
    tracing_ = false;
}

// Waits, tick by tick, until the stage takes the value, even if only in passing within a tick.
void SimRunner::until_stage(const Arguments &arguments)
{
    const int goal = static_cast<int>(std::get<long long>(arguments[0]));
    const long long limit =
        arguments.size() == 3 ? std::get<long long>(arguments[2]) : default_until_limit;
    refuse_past_clock_end(limit, "waiting");
    awaited_stage_ = goal;
    awaited_reached_ = sim_.Frame_LineMetal.Stadiya_Raboti == goal;
    const zun::Millis start = sim_.scheduler.now();
    while (!awaited_reached_ && sim_.scheduler.now() - start < limit)
        sim_.scheduler.advance_by(tick);
    awaited_stage_ = -1;
    if (!awaited_reached_)
        throw GoalMissed("stage " + std::to_string(goal) + " not reached within " +
                         std::to_string(limit) + " ms; the stage is " +
                         std::to_string(int{sim_.Frame_LineMetal.Stadiya_Raboti}));
}

void SimRunner::click(const Arguments &arguments)
{
    sim_.f_Picture_Click(*std::get<zun::Picture *>(arguments[0]));
}

void SimRunner::hover(const Arguments &arguments)
{
    sim_.f_Picture_Hover(*std::get<zun::Picture *>(arguments[0]));
}

void SimRunner::find(const Arguments &arguments)
{
    sim_.ComboBox_Find_MechChange(static_cast<int>(std::get<long long>(arguments[0])));
}

// The page shown in a main window of its opening width.
void SimRunner::page(const Arguments &arguments)
{
    constexpr int window_width = 1024;
    sim_.f_Page_Shown(static_cast<int>(std::get<long long>(arguments[0])), window_width);
}

void SimRunner::show_stage(const Arguments &)
{
    out_ << "stage=" << int{sim_.Frame_LineMetal.Stadiya_Raboti} << '\n';
}

SimRunner::ExitStatus SimRunner::bench(long long cycles, std::ostream &errors)
{
    if (cycles < 1 || cycles > Max_Bench_Cycles) {
        errors << "zun-sim: --bench takes 1.." << Max_Bench_Cycles << " cycles, not " << cycles
               << '\n';
        return ScriptError;
    }
    const zun::Millis limit = (cycles + 1) * bench_cycle_limit;
    constexpr int automatic_mode = 2;
    const std::clock_t cpu_start = std::clock();
    sim_.f_Select_Working_Mode(automatic_mode);
    sim_.Button_Pass_StageClick();
    stage_1_begun_ = 0;
    while (stage_1_begun_ < cycles + 1 && sim_.scheduler.now() < limit)
        sim_.scheduler.advance_by(1000);
    const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    if (stage_1_begun_ < cycles + 1) {
        errors << "zun-sim: the automatic run stalled at stage "
               << int{sim_.Frame_LineMetal.Stadiya_Raboti} << " after " << sim_.scheduler.now()
               << " ms\n";
        return Failed;
    }
    const auto virtual_ms = static_cast<double>(sim_.scheduler.now());
    out_ << "cycles=" << cycles << " virtual_ms=" << sim_.scheduler.now()
         << " cpu_ms=" << static_cast<long long>(cpu_ms)
         << " ratio=" << static_cast<long long>(virtual_ms / std::max(cpu_ms, 1e-3)) << '\n';
    return Completed;
}

void SimRunner::show_time(const Arguments &)
{
    out_ << "time=" << sim_.scheduler.now() << '\n';
}

void SimRunner::show_cur(const Arguments &)
{
    out_ << "cur=" << sim_.Cur_Mech << '\n';
}

void SimRunner::show_mech(const Arguments &arguments)
{
    const zun::TMech &mech = this->mech(arguments[0]);
    out_ << "mech=" << std::get<long long>(arguments[0]) << " kind=" << int{mech.Kind_Move}
         << " phase=" << mech.Phase << " x=" << mech.Pos_X << " y=" << mech.Pos_Y
         << " z=" << mech.Pos_Z << " kv_fwd=" << mech.bi_KV_FWD << " kv_rws=" << mech.bi_KV_RWS
         << " km_fwd=" << mech.b_KM_FWD << " km_rws=" << mech.b_KM_RWS
         << " interval=" << mech.Timer_Drive.interval() << " saved=" << mech.Saved_Interval
         << " normal=" << mech.b_Normal_Speed << " running=" << mech.Timer_Drive.enabled() << '\n';
}

void SimRunner::show_picture(const Arguments &arguments)
{
    const zun::Picture &picture = *std::get<zun::Picture *>(arguments[0]);
    out_ << "picture=" << picture.name() << " panel=" << picture.panel().name()
         << " left=" << picture.left() << " top=" << picture.top() << " width=" << picture.width()
         << " height=" << picture.height() << " visible=" << picture.visible()
         << " tag=" << picture.tag() << " hint=" << picture.hint() << '\n';
}
