// The instructor's part of a session as its inputs tell it, and its lines in the report.
#include "training/lesson_log.h"
#include "training/report.h"

#include <gtest/gtest.h>

namespace zun {
namespace {

Answer stop_of(int mech)
{
    return {PulseAnswer{mech, MechCommand::Stop, Refusal::None}};
}

TEST(LessonLog, TimesEachFaultAndTheTraineesFirstStopOfItsMechanism)
{
    LessonLog log;
    log.input(100, input::Lesson{LessonKind::Exam}, {});
    log.input(1000, input::Fault{1, FaultKind::Drive, true}, {});
    log.input(1200, input::Fault{1, FaultKind::Drive, true}, {}); // already set: no new entry
    log.input(1500, input::Command{1, MechCommand::Forward},
              {PulseAnswer{1, MechCommand::Forward, Refusal::DriveFault}});
    log.input(1800, input::Command{5, MechCommand::Stop}, stop_of(5)); // another mechanism
    log.input(2000, input::Command{1, MechCommand::Stop}, stop_of(1));
    log.input(2500, input::Command{1, MechCommand::Stop}, stop_of(1)); // not the first
    log.input(3000, input::Fault{5, FaultKind::ForwardEnd, true}, {});
    log.input(4000, input::Fault{1, FaultKind::Drive, false}, {});
    log.input(5000, input::Fault{7, FaultKind::Permit, true}, {});
    log.input(6000, input::ClearFaults{}, {});
    log.input(6500, input::Command{7, MechCommand::Stop}, stop_of(7)); // after it was cleared
    log.input(7000, input::Fault{20, FaultKind::ReverseEnd, true}, {});

    EXPECT_TRUE(log.exam());
    StageRecord record;
    EXPECT_EQ(report_lines({record, std::nullopt, &log}),
              "score=-\n"
              "lesson=exam\n"
              "fault=drive mech=1 set=1000 cleared=4000 reaction=2000\n"
              "fault=fwd_end mech=5 set=3000 cleared=6000 reaction=-\n"
              "fault=permit mech=7 set=5000 cleared=6000 reaction=-\n"
              "fault=rws_end mech=20 set=7000 cleared=- reaction=-\n");
}

TEST(LessonLog, ATrainingWithoutFaultsAddsNothingToTheReport)
{
    LessonLog log;
    log.input(0, input::Lesson{LessonKind::Exam}, {});
    log.input(10, input::Lesson{LessonKind::Training}, {});
    log.input(20, input::Fault{1, FaultKind::Drive, false}, {}); // clears nothing
    StageRecord record;
    EXPECT_EQ(report_lines({record, 50, &log}), report_lines({record, 50}));
}

} // namespace
} // namespace zun
