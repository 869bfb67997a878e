#include "session_recorder.h"

#include "sim/input_lines.h"
#include "sim/state_hash.h"

#include <algorithm>

namespace zun {

SessionRecorder::SessionRecorder(TSimulator &sim, const std::filesystem::path &folder,
                                 const std::tm &local_time, const SessionHeader &header,
                                 InputTimeline earlier, FailureReport report_failure)
    : sim_(sim), writer_(folder, local_time, header), inputs_(std::move(earlier)),
      report_failure_(std::move(report_failure))
{
    for (const TimedInput &timed : inputs_)
        writer_.input(timed.time, script::line_of(timed.input));
    follow_stage();
    check_writing();
    sim_.add_observer(*this);
}

SessionRecorder::~SessionRecorder()
{
    sim_.remove_observer(*this);
}

void SessionRecorder::input_arriving(Millis time, const Input &input)
{
    if (writer_.ended())
        return;
    follow_stage();
    writer_.input(time, script::line_of(input));
    inputs_.push_back({time, input});
    check_writing();
}

void SessionRecorder::input_applied(Millis, const Input &, const Answer &)
{
    follow_stage();
}

void SessionRecorder::follow_stage()
{
    const int stage = sim_.Frame_LineMetal.Stadiya_Raboti;
    if (writer_.ended() || stage == noted_stage_)
        return;
    noted_stage_ = stage;
    writer_.stage(sim_.scheduler.now(), stage);
    check_writing();
}

void SessionRecorder::set_trainee(const std::string &name)
{
    if (writer_.ended())
        return;
    writer_.note(sim_.scheduler.now(), "trainee: " + name);
    check_writing();
}

void SessionRecorder::end(const std::string &note)
{
    if (writer_.ended())
        return;
    follow_stage();
    if (!note.empty())
        writer_.note(sim_.scheduler.now(), note);
    writer_.end(sim_.scheduler.now(), hash_text(state_hash(sim_)));
    check_writing();
}

InputTimeline SessionRecorder::inputs_until(Millis time) const
{
    const auto after = std::upper_bound(
        inputs_.begin(), inputs_.end(), time,
        [](Millis moment, const TimedInput &timed) { return moment < timed.time; });
    return {inputs_.begin(), after};
}

void SessionRecorder::check_writing()
{
    if (!writer_.failed() || failure_reported_)
        return;
    failure_reported_ = true;
    if (report_failure_)
        report_failure_(writer_.error());
}

} // namespace zun
