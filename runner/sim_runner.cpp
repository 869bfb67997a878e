#include "sim_runner.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"
#include "sim/console_layout.h"
#include "sim/snapshot.h"
#include "sim/stage_tables.h"
#include "sim/state_hash.h"
#include "sim/steps_texts.h"
#include "training/explanations.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace {

// A bad script line: reported with its number, and nothing of it runs.
using zun::script::BadLine;
using zun::script::joined;
using zun::script::parse_number;

// The progress watcher asked the run to stop.
class RunCancelled : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A goal the run did not reach.
class GoalMissed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr zun::Millis tick = 10;
constexpr long long default_until_limit = 600000;

// A message quotes the line it refuses, which may be megabytes of anything: a short, printable
// beginning of it says enough.
std::string shown(std::string_view message)
{
    constexpr std::size_t most_characters = 200;
    return zun::excerpt(message, most_characters);
}

} // namespace

const std::vector<SimRunner::Command> &SimRunner::commands()
{
    using K = ArgumentKind;
    static const std::vector<Command> table{
        {{"advance"}, {K::Duration}, &SimRunner::advance},
        {{"trace", "on"}, {}, &SimRunner::trace_on},
        {{"trace", "off"}, {}, &SimRunner::trace_off},
        {{"until", "stage"}, {K::Stage, K::Within, K::Duration}, &SimRunner::until_stage, 1},
        {{"show", "time"}, {}, &SimRunner::show_time},
        {{"show", "cur"}, {}, &SimRunner::show_cur},
        {{"show", "stage"}, {}, &SimRunner::show_stage},
        {{"show", "mech"}, {K::Mechanism}, &SimRunner::show_mech},
        {{"show", "picture"}, {K::PictureName}, &SimRunner::show_picture},
        {{"show", "strip"}, {}, &SimRunner::show_strip},
        {{"show", "coils"}, {}, &SimRunner::show_coils},
        {{"show", "explanation"}, {K::StepLine}, &SimRunner::show_explanation},
        {{"show", "key"}, {K::Control}, &SimRunner::show_key},
        {{"snapshot", "save"}, {K::File}, &SimRunner::snapshot_save},
        {{"snapshot", "load"}, {K::File}, &SimRunner::snapshot_load},
    };
    return table;
}

SimRunner::SimRunner(std::ostream &out) : out_(out)
{
    dispatcher_.add_observer(*this);
}

SimRunner::~SimRunner()
{
    dispatcher_.remove_observer(*this);
}

void SimRunner::stage_changed(zun::Millis time, int before, int after)
{
    if (tracing_)
        out_ << "t=" << time << " stage " << before << " -> " << after << '\n';
    if (after == awaited_stage_)
        awaited_reached_ = true;
    if (after == 1)
        ++stage_1_begun_;
}

SimRunner::ExitStatus SimRunner::run(std::istream &script, std::ostream &errors)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (const ExitStatus status = run_numbered(number, line, errors); status != Completed)
            return status;
    }
    return Completed;
}

void SimRunner::enter(std::unique_ptr<zun::Simulator> start)
{
    dispatcher_.replace(std::move(start));
    began_ = dispatcher_.now();
}

void SimRunner::begin_exercise(const zun::Exercise &exercise)
{
    if (exercise.lesson == zun::LessonKind::Exam)
        dispatcher_.apply(zun::input::Lesson{zun::LessonKind::Exam});
    director_ = std::make_unique<zun::ExerciseDirector>(dispatcher_, exercise.events, began_);
}

SimRunner::ExitStatus SimRunner::replay(const zun::SessionScript &session, bool check,
                                        std::ostream &errors)
{
    if (!session.header.start.empty()) {
        zun::ReadSnapshot start = zun::read_snapshot(session.header.start);
        if (!start.simulator) {
            errors << "the session's start state is refused: " << start.error << '\n';
            return ScriptError;
        }
        enter(std::move(start.simulator));
    }
    for (const zun::SessionLine &line : session.lines) {
        if (const ExitStatus status = run_numbered(line.number, line.text, errors);
            status != Completed)
            return status;
    }
    if (session.last_line_cut)
        errors << "warning: the last line was cut short and is left out\n";
    if (!check)
        return Completed;
    const std::string reached = zun::hash_text(zun::state_hash(sim()));
    if (!session.end_hash) {
        errors << "no end line: the session did not end normally; state hash=" << reached << '\n';
        return Failed;
    }
    if (*session.end_hash != reached) {
        errors << "state hash differs: recorded=" << *session.end_hash << " replayed=" << reached
               << '\n';
        return Failed;
    }
    return Completed;
}

SimRunner::ExitStatus SimRunner::run_numbered(int number, std::string_view line,
                                              std::ostream &errors)
{
    try {
        run_line(line);
        return Completed;
    } catch (const BadLine &error) {
        errors << "line " << number << ": " << shown(error.what()) << '\n';
        return ScriptError;
    } catch (const GoalMissed &error) {
        errors << "line " << number << ": " << shown(error.what()) << '\n';
        return Failed;
    } catch (const RunCancelled &) {
        errors << "line " << number << ": cancelled\n";
        return Cancelled;
    } catch (const std::exception &error) {
        errors << "line " << number << ": the model failed: " << shown(error.what()) << '\n';
        return Failed;
    }
}

void SimRunner::run_line(std::string_view line)
{
    const std::vector<std::string_view> tokens = zun::script::split(line.substr(0, line.find('#')));
    if (tokens.empty())
        return;
    const Command *command = match(tokens);
    if (!command) {
        const std::optional<zun::Input> input = zun::script::parse_input(tokens, sim().pictures);
        if (!input)
            throw BadLine("unknown command '" + joined(tokens) + "'");
        dispatcher_.apply(*input);
        return;
    }
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
        return zun::script::number_in_range(token, 0, zun::Scheduler::latest, "duration");
    }
    case ArgumentKind::Mechanism: {
        const long long value = parse_number(token);
        if (value < 0 || value >= zun::LineModel::mech_count)
            throw BadLine("mechanism " + std::string(token) + " outside 0..199");
        return value;
    }
    case ArgumentKind::PictureName:
        if (const zun::Picture *picture = sim().pictures.find_picture(token))
            return picture;
        throw BadLine("unknown picture '" + std::string(token) + "'");
    case ArgumentKind::Stage:
        return zun::script::number_in_range(token, 0, zun::stages::last_stage + 1, "stage");
    case ArgumentKind::Control: {
        const int row = zun::console::find_control(token);
        if (row < 0)
            throw BadLine("unknown console control '" + std::string(token) + "'");
        return static_cast<long long>(row);
    }
    case ArgumentKind::StepLine:
        return zun::script::number_in_range(token, 0, zun::steps::line_count - 1, "step");
    case ArgumentKind::File:
        return std::string(token);
    case ArgumentKind::Within:
        if (token != "within")
            throw BadLine("expected 'within', not '" + std::string(token) + "'");
        return 0LL;
    }
    throw BadLine("unreadable argument '" + std::string(token) + "'");
}

void SimRunner::show_strip(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim().Frame_LineMetal;
    out_ << "segs=" << line.Seg_Count;
    for (int k = 0; k < line.Seg_Count; ++k)
        out_ << " seg" << k << '=' << line.Seg_Start[k] << ',' << line.Seg_Len[k];
    out_ << '\n';
}

void SimRunner::show_coils(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim().Frame_LineMetal;
    out_ << "uncoiler_place=" << static_cast<int>(line.Gde_Rulon_Razmativatela)
         << " uncoiler_percent=" << line.Percent_Razmativatela
         << " uncoiler_class=" << line.Razmer_Rulona_Razmativatela
         << " recoiler_place=" << static_cast<int>(line.Gde_Rulon_Motalki)
         << " recoiler_percent=" << line.Percent_Motalki
         << " recoiler_class=" << line.Razmer_Rulona_Motalki << '\n';
}

void SimRunner::show_explanation(const Arguments &arguments)
{
    out_ << zun::training::explanation(static_cast<int>(std::get<long long>(arguments[0]))) << '\n';
}

const zun::TMech &SimRunner::mech(const Argument &argument) const
{
    return *sim().Mech_Array[static_cast<std::size_t>(std::get<long long>(argument))];
}

void SimRunner::advance(const Arguments &arguments)
{
    const long long duration = std::get<long long>(arguments[0]);
    refuse_past_clock_end(duration, "advance");
    advance_watched(duration);
}

void SimRunner::advance_watched(zun::Millis duration)
{
    const zun::Millis goal = sim().scheduler.now() + duration;
    while (sim().scheduler.now() < goal) {
        advance_towards(std::min(goal, sim().scheduler.now() + progress_step));
        tell_progress();
    }
}

void SimRunner::advance_towards(zun::Millis time)
{
    if (director_ && director_->waits_for_the_line())
        time = std::min(time, dispatcher_.now() + tick);
    const std::optional<zun::Millis> due = director_ ? director_->next_due() : std::nullopt;
    dispatcher_.advance_to(due && *due > dispatcher_.now() ? std::min(time, *due) : time);
}

void SimRunner::tell_progress()
{
    const zun::Millis now = sim().scheduler.now();
    if (!progress_ || now < next_progress_)
        return;
    next_progress_ = now + progress_step;
    if (!progress_(now))
        throw RunCancelled("cancelled");
}

// A wait that would take the clock past its end is the script's fault, found before it runs.
void SimRunner::refuse_past_clock_end(long long duration, const char *what) const
{
    const zun::Millis left = zun::Scheduler::latest - sim().scheduler.now();
    if (duration > left)
        throw BadLine(std::string(what) + " " + std::to_string(duration) +
                      " would take the clock past its end: " + std::to_string(left) +
                      " ms left of " + std::to_string(zun::Scheduler::latest));
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
    awaited_reached_ = sim().Frame_LineMetal.Stadiya_Raboti == goal;
    const zun::Millis start = sim().scheduler.now();
    while (!awaited_reached_ && sim().scheduler.now() - start < limit) {
        advance_towards(dispatcher_.now() + tick);
        tell_progress();
    }
    awaited_stage_ = -1;
    if (!awaited_reached_)
        throw GoalMissed("stage " + std::to_string(goal) + " not reached within " +
                         std::to_string(limit) + " ms; the stage is " +
                         std::to_string(int{sim().Frame_LineMetal.Stadiya_Raboti}));
}

void SimRunner::show_stage(const Arguments &)
{
    out_ << "stage=" << int{sim().Frame_LineMetal.Stadiya_Raboti} << '\n';
}

SimRunner::ExitStatus SimRunner::bench(long long cycles, std::ostream &errors)
{
    if (cycles < 1 || cycles > max_bench_cycles) {
        errors << "zun-sim: --bench takes 1.." << max_bench_cycles << " cycles, not " << cycles
               << '\n';
        return ScriptError;
    }
    const zun::Millis limit = (cycles + 1) * bench_cycle_limit;
    const std::clock_t cpu_start = std::clock();
    dispatcher_.apply(zun::input::SelectMode{zun::WorkingMode::Automatic});
    dispatcher_.apply(zun::input::Pass{});
    stage_1_begun_ = 0;
    while (stage_1_begun_ < cycles + 1 && sim().scheduler.now() < limit)
        dispatcher_.advance_by(1000);
    const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
    if (stage_1_begun_ < cycles + 1) {
        errors << "zun-sim: the automatic run stalled at stage "
               << int{sim().Frame_LineMetal.Stadiya_Raboti} << " after " << sim().scheduler.now()
               << " ms\n";
        return Failed;
    }
    const auto virtual_ms = static_cast<double>(sim().scheduler.now());
    out_ << "cycles=" << cycles << " virtual_ms=" << sim().scheduler.now()
         << " cpu_ms=" << static_cast<long long>(cpu_ms)
         << " ratio=" << static_cast<long long>(virtual_ms / std::max(cpu_ms, 1e-3)) << '\n';
    return Completed;
}

void SimRunner::show_time(const Arguments &)
{
    out_ << "time=" << sim().scheduler.now() << '\n';
}

void SimRunner::show_cur(const Arguments &)
{
    out_ << "cur=" << sim().Cur_Mech << '\n';
}

void SimRunner::show_mech(const Arguments &arguments)
{
    const zun::TMech &mech = this->mech(arguments[0]);
    out_ << "mech=" << std::get<long long>(arguments[0])
         << " kind=" << static_cast<int>(mech.Kind_Move) << " phase=" << mech.Phase
         << " x=" << mech.Pos_X << " y=" << mech.Pos_Y << " z=" << mech.Pos_Z
         << " kv_fwd=" << mech.bi_KV_FWD << " kv_rws=" << mech.bi_KV_RWS
         << " km_fwd=" << mech.b_KM_FWD << " km_rws=" << mech.b_KM_RWS
         << " interval=" << mech.Timer_Drive.interval() << " saved=" << mech.Saved_Interval
         << " normal=" << mech.b_Normal_Speed << " running=" << mech.Timer_Drive.enabled() << '\n';
}

void SimRunner::show_picture(const Arguments &arguments)
{
    const zun::Picture &picture = *std::get<const zun::Picture *>(arguments[0]);
    out_ << "picture=" << picture.name() << " panel=" << picture.panel().name()
         << " left=" << picture.left() << " top=" << picture.top() << " width=" << picture.width()
         << " height=" << picture.height() << " visible=" << picture.visible()
         << " tag=" << picture.tag() << " hint=" << picture.hint() << '\n';
}

void SimRunner::show_key(const Arguments &arguments)
{
    const auto row = static_cast<std::size_t>(std::get<long long>(arguments[0]));
    const zun::console::Control &control = zun::console::controls()[row];
    const zun::ControlState &state = sim().Controls[row];
    using Kind = zun::console::ControlKind;
    static constexpr const char *kinds[] = {"back", "fixed", "90",     "button",
                                            "lamp", "knob",  "ammeter"};
    out_ << "key=" << control.frame << " kind=" << kinds[static_cast<int>(control.kind)]
         << " tag=" << control.tag;
    if (control.is_key())
        out_ << " angle=" << state.Angle;
    else if (control.kind == Kind::Button)
        out_ << " pressed=" << state.b_Pressed;
    else if (control.kind == Kind::Knob)
        out_ << " position=" << state.Knob_Pos;
    out_ << '\n';
}

void SimRunner::snapshot_save(const Arguments &arguments)
{
    const std::string &path = std::get<std::string>(arguments[0]);
    std::ofstream file(path, std::ios::binary);
    file << zun::write_snapshot(sim());
    if (!file.flush())
        throw BadLine("cannot write the snapshot '" + path + "'");
}

// The model read from the file takes the place of the running one only when it is whole.
void SimRunner::snapshot_load(const Arguments &arguments)
{
    const std::string &path = std::get<std::string>(arguments[0]);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw BadLine("cannot read the snapshot '" + path + "'");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    zun::ReadSnapshot read = zun::read_snapshot(text);
    if (!read.simulator)
        throw BadLine("snapshot '" + path + "' refused: " + read.error);
    dispatcher_.replace(std::move(read.simulator));
}
