// The instructor's part of a session as its inputs tell it, and its lines in the report.
#include "sim/simulator.h"
#include "sim/ui_port.h"
#include "training/lesson_log.h"
#include "training/report.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// A log at a moment, restored from the kept counts and the malfunctions of a longer log of the
// same session, is the log as it was there, though the longer one filled in the times of those
// still open there; and after the session went another way from a moment, the moments up to it
// and those of the new way are restored right from the same kept list.
TEST_F(LessonReport, ALogRestoredFromItsKeptCountsIsTheLogAsItWasThere)
{
    struct Given {
        std::int64_t time;
        Input input;
        Answer answer;
    };
    const std::vector<Given> first_way = {
        {100, input::Fault{1, FaultKind::Drive, true}, {}},
        {200, input::Fault{5, FaultKind::ForwardEnd, true}, {}},
        {300, input::Command{1, MechCommand::Forward}, refused(1, Refusal::DriveFault)},
        {400, input::Command{1, MechCommand::Stop}, stop_of(1)},
        {500, input::Fault{1, FaultKind::Drive, false}, {}},
        {600, input::Fault{7, FaultKind::Permit, true}, {}},
        {700, input::Lesson{LessonKind::Exam}, {}},
        {800, input::ClearFaults{}, {}},
        {900, input::Fault{1, FaultKind::Drive, true}, {}},
    };
    // From 250 on, with malfunctions 1 and 5 set and neither shown: both are cleared otherwise.
    const std::vector<Given> other_way = {
        {260, input::Command{5, MechCommand::Stop}, stop_of(5)},
        {270, input::Fault{5, FaultKind::ForwardEnd, false}, {}},
        {280, input::Fault{20, FaultKind::ReverseEnd, true}, {}},
        {290, input::Fault{1, FaultKind::Drive, false}, {}},
    };
    const auto lines = [this](const LessonLog &log) {
        return report_lines({record_, std::nullopt, log, model_});
    };
    LessonLog history;
    std::vector<std::pair<LessonLog::Kept, std::string>> moments; // kept, and its log's lines
    const auto play = [&](LessonLog log, const std::vector<Given> &inputs) {
        for (const Given &given : inputs) {
            log.input(given.time, given.input, given.answer);
            history.extend_faults(log);
            moments.emplace_back(log.kept(), lines(log));
        }
    };
    play({}, first_way);
    for (const auto &[kept, expected] : moments)
        EXPECT_EQ(lines(LessonLog::restored(history, kept)), expected);

    const std::size_t at_250 = 1; // the moment after the input at 200
    moments.resize(at_250 + 1);
    history.cut_faults(moments.back().first);
    play(LessonLog::restored(history, moments.back().first), other_way);
    for (const auto &[kept, expected] : moments)
        EXPECT_EQ(lines(LessonLog::restored(history, kept)), expected);
    EXPECT_EQ(moments.back().second,
              "score=-\n"
              "fault=drive mech=1 set=100 shown=- reaction=- cleared=290\n"
              "fault=fwd_end mech=5 set=200 shown=- reaction=- cleared=270\n"
              "fault=rws_end mech=20 set=280 shown=- reaction=- cleared=-\n");
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
