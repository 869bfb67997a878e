#include "station_replay.h"

#include "sessions/input_lines.h"
#include "training/score.h"

#include <algorithm>
#include <sstream>

namespace {

bool is_comment_or_blank(std::string_view line)
{
    const std::vector<std::string_view> words = zun::script::split(line);
    return words.empty() || words.front().starts_with('#');
}

int remarks_of(const zun::StageRecord &record, zun::StageRemark::What what)
{
    return static_cast<int>(std::ranges::count(record.remarks(), what, &zun::StageRemark::what));
}

} // namespace

SessionProgress progress_of(const zun::SessionHeader &header, const AssessedReplay &replay)
{
    const zun::LineModel &model = replay.runner().sim();
    SessionProgress progress{
        .trainee = header.trainee,
        .exercise = header.exercise,
        .exam = replay.lesson().exam(),
        .stage = model.Frame_LineMetal.Stadiya_Raboti,
        .in_stage = model.scheduler.now() - replay.record().current_stage_began(),
        .score = replay.score(zun::ReferenceTimes::human_pace()),
        .refusals = remarks_of(replay.record(), zun::StageRemark::What::Refused),
        .out_of_sequence = remarks_of(replay.record(), zun::StageRemark::What::OutOfSequence),
    };
    for (const zun::FaultEntry &fault : replay.lesson().faults())
        if (!fault.cleared)
            progress.faults.push_back({fault.mech, model.mechanism_name(fault.mech), fault.kind});
    return progress;
}

StationReplay::StationReplay()
{
    replay_.runner().dispatcher().add_observer(recorder_);
}

StationReplay::~StationReplay()
{
    replay_.runner().dispatcher().remove_observer(recorder_);
}

void StationReplay::feed(std::string_view line)
{
    ++lines_fed_;
    ended_ = ended_ || zun::is_end_line(line);
    if (failure_)
        return;
    if (!started_ && is_comment_or_blank(line)) {
        header_text_.append(line).append("\n");
        // The start state's thousands of lines are read once, with the script's first line:
        // reading the header again at each of them would cost the square of their number.
        if (!line.starts_with(zun::start_state_mark))
            read_header();
        return;
    }
    if (!started_) {
        read_header();
        start();
    }
    if (!failure_)
        run(line);
}

void StationReplay::read_header()
{
    std::istringstream header(header_text_);
    header_ = zun::read_session(header).header;
}

SessionProgress StationReplay::progress() const
{
    return progress_of(header_, replay_);
}

// The replay of the header alone: it enters the start state and takes the exercise's goal.
void StationReplay::start()
{
    started_ = true;
    std::ostringstream errors;
    zun::SessionScript header_only;
    header_only.header = header_;
    if (replay_.replay(header_only, errors) != SimRunner::Completed)
        failure_ = errors.str();
}

void StationReplay::run(std::string_view line)
{
    try {
        replay_.runner().run_line(line);
    } catch (const std::exception &error) {
        failure_ = "line " + std::to_string(lines_fed_) + ": " + error.what();
    }
}
