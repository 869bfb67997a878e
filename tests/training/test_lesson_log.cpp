// The instructor's part of a session as its inputs tell it, and its lines in the report.
#include "sim/simulator.h"
#include "sim/ui_port.h"
#include "training/lesson_log.h"
#include "training/report.h"

#include <gtest/gtest.h>

namespace zun {
namespace {

Answer stop_of(int mech)
{
    return {PulseAnswer{mech, MechCommand::Stop, Refusal::None}};
}

// A model to name the mechanisms in a report.
class LessonReport : public testing::Test {
protected:
    const Simulator simulator_;
    const LineModel &model_ = simulator_.state();
    const StageRecord record_;
};

Answer refused(int mech, Refusal why)
{
    return {PulseAnswer{mech, MechCommand::Forward, why}};
}

// A malfunction shows with the first pulse it refuses or when the line reports it (a lost end
// switch overrun); the reaction is the first stop of its mechanism after that, in milliseconds.
TEST_F(LessonReport, TimesEachFaultFromWhenItShowsToTheTraineesFirstStop)
{
    LessonLog log;
    log.input(100, input::Lesson{LessonKind::Exam}, {});
    log.input(1000, input::Fault{1, FaultKind::Drive, true}, {});
    log.input(1200, input::Fault{1, FaultKind::Drive, true}, {}); // already set: no new entry
    log.input(1300, input::Command{1, MechCommand::Stop}, stop_of(1)); // nothing shown yet
    log.input(1500, input::Command{1, MechCommand::Forward}, refused(1, Refusal::DriveFault));
    log.input(1800, input::Command{5, MechCommand::Stop}, stop_of(5)); // another mechanism
    log.input(2000, input::Command{1, MechCommand::Stop}, stop_of(1));
    log.input(2500, input::Command{1, MechCommand::Stop}, stop_of(1)); // not the first
    log.input(3000, input::Fault{5, FaultKind::ForwardEnd, true}, {});
    log.input(3200, input::Command{5, MechCommand::Stop}, stop_of(5)); // a routine stop before
    log.shown(3500, 5, FaultKind::ForwardEnd);                         // it runs past its end
    log.input(3900, input::Command{5, MechCommand::Stop}, stop_of(5));
    log.input(4000, input::Fault{1, FaultKind::Drive, false}, {});
    log.input(5000, input::Fault{7, FaultKind::Permit, true}, {});
    log.input(5500, input::Command{7, MechCommand::Forward}, refused(7, Refusal::NotPermitted));
    log.input(6000, input::ClearFaults{}, {});
    log.input(6500, input::Command{7, MechCommand::Stop}, stop_of(7)); // after it was cleared
    log.input(7000, input::Fault{20, FaultKind::ReverseEnd, true}, {});

    EXPECT_TRUE(log.exam());
    EXPECT_EQ(report_lines({record_, std::nullopt, log, model_}),
              "score=-\n"
              "lesson=exam\n"
              "fault=drive mech=1 set=1000 shown=1500 reaction=500 cleared=4000\n"
              "fault=fwd_end mech=5 set=3000 shown=3500 reaction=400 cleared=6000\n"
              "fault=permit mech=7 set=5000 shown=5500 reaction=- cleared=6000\n"
              "fault=rws_end mech=20 set=7000 shown=- reaction=- cleared=-\n");
}

TEST_F(LessonReport, ATrainingWithoutFaultsAddsNothingToTheReport)
{
    LessonLog log;
    EXPECT_TRUE(log.input(0, input::Lesson{LessonKind::Exam}, {}));
    EXPECT_TRUE(log.input(10, input::Lesson{LessonKind::Training}, {}));
    EXPECT_FALSE(log.input(20, input::Fault{1, FaultKind::Drive, false}, {})) << "clears nothing";
    EXPECT_FALSE(log.input(30, input::ClearFaults{}, {})) << "nothing to clear";
    EXPECT_FALSE(log.input(40, input::Command{1, MechCommand::Stop}, stop_of(1)));
    EXPECT_EQ(report_lines({record_, 50, log, model_}), "score=50\n");
}

TEST(LessonLog, SaysWhichInputsChangedIt)
{
    LessonLog log;
    EXPECT_FALSE(log.input(0, input::Lesson{LessonKind::Training}, {})) << "training already";
    EXPECT_TRUE(log.input(10, input::Fault{1, FaultKind::Drive, true}, {}));
    EXPECT_FALSE(log.input(20, input::Fault{1, FaultKind::Drive, true}, {})) << "already set";
    EXPECT_FALSE(log.input(30, input::Command{5, MechCommand::Stop}, stop_of(5)));
    EXPECT_FALSE(log.input(35, input::Command{1, MechCommand::Stop}, stop_of(1))) << "not shown";
    EXPECT_TRUE(
        log.input(36, input::Command{1, MechCommand::Forward}, refused(1, Refusal::DriveFault)))
        << "shown";
    EXPECT_FALSE(log.shown(37, 1, FaultKind::Drive)) << "already shown";
    EXPECT_FALSE(log.shown(38, 1, FaultKind::Permit)) << "no such malfunction";
    EXPECT_TRUE(log.input(40, input::Command{1, MechCommand::Stop}, stop_of(1))) << "reaction";
    EXPECT_FALSE(log.input(50, input::Command{1, MechCommand::Stop}, stop_of(1)));
    EXPECT_TRUE(log.input(60, input::ClearFaults{}, {}));
}

// The page names the lesson, and each malfunction by its mechanism's name and in the words of
// the instructor's window, with its times.
TEST_F(LessonReport, TheHtmlPageShowsTheExamAndEachMalfunction)
{
    LessonLog log;
    log.input(100, input::Lesson{LessonKind::Exam}, {});
    log.input(1000, input::Fault{1, FaultKind::Drive, true}, {});
    log.input(2000, input::Command{1, MechCommand::Forward}, refused(1, Refusal::DriveFault));
    log.input(2500, input::Command{1, MechCommand::Stop}, stop_of(1));
    log.input(4000, input::ClearFaults{}, {});
    log.input(5000, input::Fault{20, FaultKind::ReverseEnd, true}, {});

    const std::string html = report_html({record_, std::nullopt, log, model_}, "экзамен");
    EXPECT_NE(html.find("Занятие: <b>экзамен</b>"), std::string::npos) << html;
    EXPECT_EQ(model_.mechanism_name(1), "1 телега");
    EXPECT_NE(html.find("<tr><td>1 телега</td><td>привод не включается</td><td>1000</td>"
                        "<td>2000</td><td>2500</td><td>500</td><td>4000</td></tr>"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<tr><td>" + model_.mechanism_name(20) +
                        "</td><td>не срабатывает конечный выключатель назад</td><td>5000</td>"
                        "<td>не проявилась</td><td>нет</td><td>—</td><td>не снята</td></tr>"),
              std::string::npos)
        << html;
}

} // namespace
} // namespace zun
