#include "runner/station_replay.h"
#include "sessions/session_file.h"
#include "sim/state_hash.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// An examination of an exercise: a refused pulse, an operation out of sequence, a malfunction
// left on and another set and cleared, and the recorder's own comment lines between the inputs.
std::string recorded_session()
{
    zun::SessionHeader header;
    header.program = "zun_trainer 0.1";
    header.started = "2026-12-11 09:00:00";
    header.trainee = "Пётр Иванов";
    header.id = "3f2a";
    header.exercise = "Заправка";
    header.goal = "reach step 5 within 600 s, pass 70";
    return zun::header_lines(header) + "mode 0\nadvance 100\nrws 72\nadvance 1900\nnewcoil\n" +
           zun::stage_note(1) +
           "advance 2000\nfwd 10\nadvance 2000\nrws 5\nadvance 3000\nlesson exam\n"
           "fault 1 drive on\nfault 3 permit on\nadvance 500\nfault 3 permit off\nadvance 1500\n";
}

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct FullReplay {
    SessionProgress progress;
    std::uint64_t hash = 0;
};

FullReplay replayed_whole(const std::string &text)
{
    std::istringstream in(text);
    const zun::SessionScript script = zun::read_session(in);
    AssessedReplay replay;
    std::ostringstream errors;
    EXPECT_EQ(replay.replay(script, errors), SimRunner::Completed) << errors.str();
    return {progress_of(script.header, replay), zun::state_hash(replay.runner().sim())};
}

class FedInChunks : public testing::TestWithParam<std::size_t> {};

TEST_P(FedInChunks, EndsWhereTheWholeReplayEnds)
{
    const std::vector<std::string> lines = lines_of(recorded_session());
    StationReplay station;
    for (std::size_t begin = 0; begin < lines.size(); begin += GetParam()) {
        for (std::size_t i = begin; i < std::min(lines.size(), begin + GetParam()); ++i)
            station.feed(lines[i]);
        EXPECT_FALSE(station.failure()) << *station.failure();
    }
    const FullReplay whole = replayed_whole(recorded_session());
    EXPECT_EQ(station.progress(), whole.progress);
    EXPECT_EQ(zun::state_hash(station.replay().runner().sim()), whole.hash);
    EXPECT_EQ(station.lines_fed(), int(lines.size()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, FedInChunks, testing::Values(1, 3, 7, 1000));

TEST(StationReplay, ShowsWhatTheSessionDid)
{
    StationReplay station;
    for (const std::string &line : lines_of(recorded_session()))
        station.feed(line);
    const SessionProgress progress = station.progress();
    EXPECT_EQ(progress.trainee, "Пётр Иванов");
    EXPECT_EQ(progress.exercise, "Заправка");
    EXPECT_TRUE(progress.exam);
    EXPECT_EQ(progress.refusals, 1);
    EXPECT_EQ(progress.out_of_sequence, 2) << "the refused pulse was out of sequence too";
    ASSERT_EQ(progress.faults.size(), 1u);
    EXPECT_EQ(progress.faults.front().mech, 1);
    EXPECT_EQ(progress.faults.front().kind, zun::FaultKind::Drive);
    EXPECT_FALSE(progress.faults.front().mechanism.empty());
    EXPECT_GT(progress.in_stage, 0);
}

TEST(StationReplay, KnowsTheTraineeFromTheHeaderBeforeAnyInput)
{
    zun::SessionHeader header;
    header.program = "zun_trainer 0.1";
    header.started = "2026-12-11 09:00:00";
    header.trainee = "Анна Петрова";
    StationReplay station;
    for (const std::string &line : lines_of(zun::header_lines(header)))
        station.feed(line);
    EXPECT_EQ(station.progress().trainee, "Анна Петрова");
    EXPECT_FALSE(station.progress().exam);
    EXPECT_EQ(station.progress().stage, 0);
}

TEST(StationReplay, StopsAtALineTheRunnerRefuses)
{
    StationReplay station;
    for (const std::string_view line :
         {"# trainee: Пётр Иванов", "lesson exam", "jump 3", "fault 1 drive on"})
        station.feed(line);
    ASSERT_TRUE(station.failure());
    EXPECT_TRUE(station.failure()->starts_with("line 3: ")) << *station.failure();
    EXPECT_TRUE(station.progress().exam) << "what ran before the refused line stays";
    EXPECT_TRUE(station.progress().faults.empty()) << "nothing after it runs";
    EXPECT_EQ(station.lines_fed(), 4);
}

} // namespace
