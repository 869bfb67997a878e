#include "session_recorder.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"
#include "sim/snapshot.h"
#include "sim/state_hash.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zun {

SessionRecorder::SessionRecorder(Dispatcher &dispatcher, const std::filesystem::path &folder,
                                 const std::tm &local_time, const SessionHeader &header,
                                 InputTimeline earlier, WritingReport report_writing)
    : dispatcher_(dispatcher),
      writer_(folder, local_time, header,
              header.start.empty() ? 0 : snapshot_time(header.start).value_or(0)),
      inputs_(std::move(earlier)), report_writing_(std::move(report_writing))
{
    {
        const SessionWriter::Batch batch(writer_);
        for (const TimedInput &timed : inputs_)
            writer_.input(timed.time, script::line_of(timed.input));
    }
    note_stage(dispatcher_.now(), dispatcher_.model().Frame_LineMetal.Stadiya_Raboti);
    check_writing();
    dispatcher_.add_observer(*this);
}

SessionRecorder::~SessionRecorder()
{
    dispatcher_.remove_observer(*this);
}

void SessionRecorder::input_arriving(Millis time, const Input &input)
{
    if (writer_.ended())
        return;
    writer_.input(time, script::line_of(input));
    inputs_.push_back({time, input});
    check_writing();
}

void SessionRecorder::stage_changed(Millis time, int, int after)
{
    note_stage(time, after);
}

void SessionRecorder::note_stage(Millis time, int stage)
{
    if (writer_.ended() || stage == noted_stage_)
        return;
    noted_stage_ = stage;
    writer_.stage(time, stage);
    check_writing();
}

void SessionRecorder::set_trainee(const std::string &name)
{
    if (writer_.ended())
        return;
    writer_.note(dispatcher_.now(), "trainee: " + one_line(name));
    check_writing();
}

void SessionRecorder::end(const std::string &note)
{
    if (writer_.ended())
        return;
    if (!note.empty())
        writer_.note(dispatcher_.now(), note);
    writer_.end(dispatcher_.now(), hash_text(state_hash(dispatcher_.model())));
    check_writing();
}

InputTimeline SessionRecorder::take_inputs()
{
    if (!writer_.ended())
        throw std::logic_error("the inputs of a recording taken before its end");
    return std::exchange(inputs_, {});
}

InputTimeline SessionRecorder::inputs_until(Millis time) const
{
    const auto after = std::upper_bound(
        inputs_.begin(), inputs_.end(), time,
        [](Millis moment, const TimedInput &timed) { return moment < timed.time; });
    return {inputs_.begin(), after};
}

void SessionRecorder::catch_up()
{
    if (writer_.paused()) {
        writer_.catch_up();
        check_writing();
    }
}

void SessionRecorder::mark_time(Millis interval)
{
    if (writer_.ended() || dispatcher_.now() - writer_.written_until() < interval)
        return;
    writer_.advance_to(dispatcher_.now());
    check_writing();
}

void SessionRecorder::check_writing()
{
    const auto report = [this](Writing what) {
        if (report_writing_)
            report_writing_(what, writer_.error());
    };
    if (writer_.failed()) {
        if (!std::exchange(failure_reported_, true))
            report(Writing::CannotCreate);
    } else if (writer_.paused() != pause_reported_) {
        pause_reported_ = writer_.paused();
        report(pause_reported_ ? Writing::Paused : Writing::CaughtUp);
    }
}

} // namespace zun
