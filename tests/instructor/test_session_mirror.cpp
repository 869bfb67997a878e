#include "instructor/session_mirror.h"
#include "runner/station_replay.h"
#include "sessions/session_file.h"
#include "sim/snapshot.h"
#include "sim/starting_point.h"
#include "sim/state_hash.h"
#include "ui/Unit_main.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

zun::SessionHeader header_with_start(const std::string &start)
{
    zun::SessionHeader header;
    header.program = "zun-trainer 0.1";
    header.started = "2026-12-11 09:00:00";
    header.trainee = "Пётр Иванов";
    header.start = start;
    return header;
}

// A session of some twelve minutes: the line set up, malfunctions set and cleared, and long waits
// between, so that a mirror keeps moments on the way.
const std::string session_script =
    "mode 0\nadvance 100\nrws 72\nadvance 1900\nnewcoil\nadvance 2000\nfwd 10\nadvance 2000\n"
    "fault 1 drive on\nadvance 400000\nfault 1 drive off\nadvance 500\npass\nadvance 300000\n"
    "fault 3 permit on\nadvance 20000\n";

struct Session {
    const char *name;
    std::string text;
};

std::vector<Session> sessions()
{
    return {{"fresh line", zun::header_lines(header_with_start({})) + session_script},
            {"from step 12", zun::header_lines(header_with_start(
                                 zun::write_snapshot(zun::automatic_run_at_step(12)->state()))) +
                                 session_script}};
}

std::uint64_t hash_of(const SessionMirror &mirror)
{
    return zun::state_hash(mirror.forms().sim());
}

TEST(SessionMirror, FollowsAStreamedSessionToTheStateItsReplayReaches)
{
    for (const Session &session : sessions()) {
        SCOPED_TRACE(session.name);
        const std::vector<std::string> lines = lines_of(session.text);
        StationReplay station;
        std::unique_ptr<SessionMirror> mirror;
        // The lines come in batches, as a station pushes them; the mirror opens after the first.
        for (std::size_t begin = 0; begin < lines.size(); begin += 5) {
            for (std::size_t i = begin; i < std::min(lines.size(), begin + 5); ++i)
                station.feed(lines[i]);
            ASSERT_FALSE(station.failure()) << *station.failure();
            if (!station.started())
                continue;
            if (!mirror)
                mirror = std::make_unique<SessionMirror>(station.header().start, station.inputs(),
                                                         QStringLiteral("st1"));
            mirror->show_at(station.time());
            EXPECT_EQ(mirror->position(), station.time());
            EXPECT_EQ(hash_of(*mirror), zun::state_hash(station.replay().runner().sim()));
        }
        ASSERT_TRUE(mirror);
        EXPECT_EQ(mirror->began(), station.began());
        EXPECT_TRUE(
            mirror->forms().main().windowTitle().endsWith(QStringLiteral("наблюдение: st1")))
            << mirror->forms().main().windowTitle().toStdString();
    }
}

TEST(SessionMirror, GoesBackAndOnToTheSameStatesAsAStraightPlay)
{
    for (const Session &session : sessions()) {
        SCOPED_TRACE(session.name);
        StationReplay station;
        for (const std::string &line : lines_of(session.text))
            station.feed(line);
        ASSERT_FALSE(station.failure()) << *station.failure();
        const zun::Millis began = station.began();
        const zun::Millis middle = began + 405'000; // after the first moment kept
        const zun::Millis early = began + 3'000;

        SessionMirror straight(station.header().start, station.inputs(), QStringLiteral("st1"));
        straight.show_at(early);
        const std::uint64_t at_early = hash_of(straight);
        straight.show_at(middle);
        const std::uint64_t at_middle = hash_of(straight);
        straight.show_at(station.time());
        const std::uint64_t at_end = hash_of(straight);
        EXPECT_EQ(at_end, zun::state_hash(station.replay().runner().sim()));

        SessionMirror mirror(station.header().start, station.inputs(), QStringLiteral("st1"));
        mirror.show_at(station.time());
        for (const auto &[time, hash] :
             {std::pair{middle, at_middle}, std::pair{early, at_early},
              std::pair{station.time(), at_end}, std::pair{middle, at_middle}}) {
            mirror.show_at(time);
            EXPECT_EQ(mirror.position(), time);
            EXPECT_EQ(hash_of(mirror), hash) << time;
        }
    }
}

} // namespace
