// A snapshot taken anywhere in an hour of random use goes on exactly as the hour did.
#include "runner/sim_runner.h"
#include "sim/snapshot.h"
#include "sim/state_hash.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> hour_of_random_use()
{
    std::ifstream file(ZUN_GOLDEN_DIR "/hour_of_random_use.zs");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

TEST(Snapshot, RestoredModelGoesOnAsTheReplayedOne)
{
    const std::vector<std::string> hour = hour_of_random_use();
    ASSERT_GT(hour.size(), 10000U);
    constexpr std::size_t followed = 300; // lines of the hour both models are given
    // The hashes are compared every few lines (a state that parted stays apart) and all fields at
    // the end: hashing after every line made this the slowest test by far under the sanitizers.
    constexpr std::size_t compared_every = 10;
    std::mt19937 random(36);
    std::uniform_int_distribution<std::size_t> gap(200, 2000);
    std::ostringstream out;
    SimRunner replayed(out);
    std::size_t next = 0;
    int moments = 0;
    for (std::size_t at = gap(random); at + followed < hour.size(); at += gap(random)) {
        for (; next < at; ++next)
            replayed.run_line(hour[next]);
        zun::ReadSnapshot read = zun::read_snapshot(zun::write_snapshot(replayed.sim()));
        ASSERT_TRUE(read.simulator) << read.error;
        SimRunner restored(out);
        restored.dispatcher().replace(std::move(read.simulator));
        ASSERT_EQ(zun::state_hash(restored.sim()), zun::state_hash(replayed.sim())) << at;
        for (; next < at + followed; ++next) {
            replayed.run_line(hour[next]);
            restored.run_line(hour[next]);
            if ((next - at) % compared_every == compared_every - 1) {
                ASSERT_EQ(zun::state_hash(restored.sim()), zun::state_hash(replayed.sim()))
                    << "restored at line " << at + 1 << ", line " << next + 1 << ": "
                    << hour[next];
            }
        }
        ASSERT_EQ(zun::snapshot_fields(restored.sim()), zun::snapshot_fields(replayed.sim()));
        ++moments;
    }
    EXPECT_GE(moments, 10);
}

TEST(Snapshot, RunnerSavesAndLoadsAndRefusesABadFile)
{
    const std::string path = testing::TempDir() + "runner_snapshot.txt";
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    std::istringstream script("newcoil\nadvance 2500\nsnapshot save " + path +
                              "\nadvance 4000\nsnapshot load " + path + "\nshow time\n");
    ASSERT_EQ(runner.run(script, errors), SimRunner::Completed) << errors.str();
    EXPECT_EQ(out.str(), "time=2500\n");
    std::ofstream(path) << "# zun-trainer snapshot 7\n";
    std::istringstream bad("advance 10\nsnapshot load " + path + "\n");
    EXPECT_EQ(runner.run(bad, errors), SimRunner::ScriptError);
    EXPECT_EQ(errors.str(), "line 2: snapshot '" + path +
                                "' refused: line 1: snapshot format version '7'; this program "
                                "reads version 1\n");
    EXPECT_EQ(runner.sim().scheduler.now(), 2510);
}

} // namespace
