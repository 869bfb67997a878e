#pragma once

#include "runner/session_report.h"
#include "sessions/session_file.h"
#include "sessions/session_recorder.h"
#include "sim/inputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A malfunction the instructor set and has not cleared yet.
struct ActiveFault {
    int mech = 0;
    std::string mechanism = {}; // its name
    zun::FaultKind kind = zun::FaultKind::Drive;
    bool operator==(const ActiveFault &) const = default;
};

// Where a trainee's session stands, as the class's table shows it.
struct SessionProgress {
    std::string trainee = {};
    std::string exercise = {}; // empty for a session on a fresh line or a starting point
    bool exam = false;
    int stage = 0;
    zun::Millis in_stage = 0; // virtual time since the stage began
    std::optional<int> score = {};
    int refusals = 0;
    int out_of_sequence = 0;
    std::vector<ActiveFault> faults = {};
    bool operator==(const SessionProgress &) const = default;
};

// What a replay of a session with this header has made of it so far.
SessionProgress progress_of(const zun::SessionHeader &header, const AssessedReplay &replay);

// A session streamed line by line, replayed as its lines arrive: each line runs once, so a long
// session costs its replay once, however often it is looked at. The header's comment lines come
// first; the first line of the script starts the replay from the state the header names. The
// inputs replayed are kept with their times, so that the session can be played again elsewhere.
class StationReplay {
public:
    StationReplay();
    ~StationReplay();
    StationReplay(const StationReplay &) = delete;
    StationReplay &operator=(const StationReplay &) = delete;

    // The session's next line, without its newline. After a line the runner refuses, the rest is
    // not replayed: the progress stays where it stopped and `failure` says why.
    void feed(std::string_view line);
    int lines_fed() const { return lines_fed_; }

    SessionProgress progress() const;
    const std::optional<std::string> &failure() const { return failure_; }
    const AssessedReplay &replay() const { return replay_; }

    const zun::SessionHeader &header() const { return header_; }
    // The inputs replayed so far, each at its time; the list only grows.
    const zun::InputTimeline &inputs() const { return inputs_; }
    // The session's time its lines have reached.
    zun::Millis time() const { return replay_.runner().sim().scheduler.now(); }
    // When the session began: its start state's time, 0 on a fresh line.
    zun::Millis began() const { return replay_.runner().began(); }
    // Its script's first line came: the inputs and the time are the session's from then on.
    bool started() const { return started_; }
    // Its end line came: the session is over.
    bool ended() const { return ended_; }

private:
    void read_header();
    void start();
    void run(std::string_view line);

    std::string header_text_;
    zun::SessionHeader header_;
    bool started_ = false;
    bool ended_ = false;
    int lines_fed_ = 0;
    std::optional<std::string> failure_;
    AssessedReplay replay_;
    zun::InputTimeline inputs_;
    zun::TimelineRecorder recorder_{inputs_};
};
