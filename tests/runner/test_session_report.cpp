#include "runner/session_report.h"
#include "sessions/session_file.h"
#include "training/report.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>
#include <string>

namespace {

struct Assessed {
    std::vector<zun::StageEntry> entries;
    std::vector<zun::StageRemark> remarks;
    std::string lines;
    std::string modes;
};

Assessed assess(const std::string &file)
{
    std::istringstream in(file);
    AssessedReplay replay;
    std::ostringstream errors;
    EXPECT_EQ(replay.replay(zun::read_session(in), errors), SimRunner::Completed) << errors.str();
    return {replay.record().entries(), replay.record().remarks(),
            zun::report_lines(replay.report(zun::ReferenceTimes::human_pace())),
            replay.modes_used()};
}

zun::StageEntry entry_of(const Assessed &assessed, int stage)
{
    const auto found = std::ranges::find(assessed.entries, stage, &zun::StageEntry::stage);
    EXPECT_NE(found, assessed.entries.end()) << "no entry for stage " << stage;
    return found != assessed.entries.end() ? *found : zun::StageEntry{};
}

TEST(SessionReport, AnAutomaticPassIsTheLinesWorkOnly)
{
    const Assessed assessed = assess("mode 2\npass\nuntil stage 48 within 3600000\n");
    ASSERT_GE(assessed.entries.size(), 48u);
    for (std::size_t i = 0; i + 1 < assessed.entries.size(); ++i)
        EXPECT_EQ(assessed.entries[i].by, zun::Completion::Auto) << assessed.entries[i].stage;
    EXPECT_EQ(assessed.entries.back().stage, 48);
    EXPECT_EQ(assessed.entries.back().by, zun::Completion::Open);
    EXPECT_TRUE(assessed.remarks.empty());
    EXPECT_TRUE(assessed.lines.starts_with("score=-\nstage=1 began="));
    EXPECT_EQ(assessed.modes, "2");
}

TEST(SessionReport, CountsTheTraineesOperationsPassesAndRefusals)
{
    // The interlock is first read 100 ms after the start: then it refuses the reverse pulse.
    const Assessed assessed = assess("mode 0\nadvance 100\nrws 72\nadvance 1900\nnewcoil\n"
                                     "advance 2000\n"
                                     "fwd 10\nadvance 2000\nrws 5\nadvance 3000\n"
                                     "pass\nadvance 8000\n");
    const zun::StageEntry stage_2 = entry_of(assessed, 2);
    EXPECT_EQ(stage_2.by, zun::Completion::Trainee);
    EXPECT_EQ(stage_2.operations, 2);
    EXPECT_EQ(stage_2.out_of_sequence, 1);
    EXPECT_EQ(stage_2.refused, 0);
    EXPECT_EQ(entry_of(assessed, 3).by, zun::Completion::Pass);
    EXPECT_EQ(entry_of(assessed, 1).by, zun::Completion::Trainee) << "the new coil";

    ASSERT_FALSE(assessed.remarks.empty());
    const zun::StageRemark &refused = assessed.remarks.front();
    EXPECT_EQ(refused.what, zun::StageRemark::What::Refused);
    EXPECT_EQ(refused.time, 100);
    EXPECT_EQ(refused.stage, 0);
    EXPECT_EQ(refused.mech, 72);
    EXPECT_EQ(refused.reason, "interlocked");
    EXPECT_NE(assessed.lines.find(" what=out_of_sequence stage=2 control=- mech=10 dir=fwd "
                                  "reason=-\n"),
              std::string::npos)
        << assessed.lines;
    EXPECT_EQ(assessed.modes, "0");
}

} // namespace
