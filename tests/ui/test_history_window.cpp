#include "runner/session_report.h"
#include "store/history_database.h"
#include "training/report.h"
#include "training/score.h"
#include "ui/history_window.h"
#include "ui/report_window.h"
#include "ui/score_plot.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <sstream>

namespace {

HistorySession session(const QString &file_name, const QString &trainee, const QString &started,
                       std::optional<int> score)
{
    HistorySession session;
    session.file_name = file_name;
    session.trainee = trainee;
    session.started = QDateTime::fromString(started, Qt::ISODate);
    session.length_ms = 95'000;
    session.modes = "0";
    session.score = score;
    return session;
}

TEST(HistoryWindow, ShowsEachTraineesSessionsAndScores)
{
    const QTemporaryDir folder;
    HistoryConnection connection;
    connection.sqlite_file = folder.filePath("history.sqlite");
    HistoryDatabase history(connection);
    history.add(session("1.zs", "Пётр", "2026-12-01T09:00:00", 40), "");
    history.add(session("2.zs", "Пётр", "2026-12-02T09:00:00", {}), "");
    history.add(session("3.zs", "Пётр", "2026-12-03T09:00:00", 75), "");
    history.add(session("4.zs", "Анна", "2026-12-03T10:00:00", 90), "");

    HistoryWindow window;
    window.show_history(history.all_sessions());
    ASSERT_EQ(window.trainees().count(), 2);
    EXPECT_EQ(window.trainees().currentItem()->text(), "Анна");
    EXPECT_EQ(window.sessions().rowCount(), 1);

    window.trainees().setCurrentRow(1);
    ASSERT_EQ(window.sessions().rowCount(), 3);
    EXPECT_EQ(window.sessions().item(0, 0)->text(), "2026-12-01 09:00");
    EXPECT_EQ(window.sessions().item(0, 1)->text(), "1:35");
    EXPECT_EQ(window.sessions().item(1, 5)->text(), "—");
    EXPECT_EQ(window.sessions().item(2, 0)->data(Qt::UserRole), "file:3.zs");
    EXPECT_EQ(window.plot().scores(), (std::vector<std::optional<int>>{40, std::nullopt, 75}));

    history.add(session("5.zs", "Пётр", "2026-12-04T09:00:00", 80), "");
    window.show_history(history.all_sessions());
    EXPECT_EQ(window.trainees().currentItem()->text(), "Пётр") << "the choice survives a refresh";
    EXPECT_EQ(window.sessions().rowCount(), 4);
    EXPECT_TRUE(window.message().isEmpty());
}

HistorySession attempt(const QString &file_name, const QString &trainee, const QString &exercise,
                       int score, bool goal_reached)
{
    HistorySession attempt = session(file_name, trainee, "2026-12-05T09:00:00", score);
    attempt.exercise = exercise;
    attempt.goal_reached = goal_reached;
    return attempt;
}

// The chosen trainee's way through the course: attempts, best score and whether passed, per
// exercise in the course's order.
TEST(HistoryWindow, ShowsTheChosenTraineesProgressThroughTheCourse)
{
    HistoryWindow window;
    window.set_course({"Основной курс", {}, {{"Первое", 50}, {"Второе", 60}}});
    window.show_history({attempt("1.zs", "Пётр", "Первое", 40, true),
                         attempt("2.zs", "Пётр", "Первое", 70, true),
                         attempt("3.zs", "Пётр", "Второе", 90, false),
                         attempt("4.zs", "Анна", "Второе", 60, true)});
    const QTableWidget &progress = window.course_progress();
    const auto row = [&progress](int number) {
        QStringList texts;
        for (int column = 0; column < progress.columnCount(); ++column)
            texts << progress.item(number, column)->text();
        return texts;
    };
    window.trainees().setCurrentRow(1);
    ASSERT_EQ(progress.rowCount(), 2);
    EXPECT_EQ(row(0), QStringList({"Первое", "50", "2", "70", "пройдено"}));
    EXPECT_EQ(row(1), QStringList({"Второе", "60", "1", "90", "не пройдено"}));
    EXPECT_EQ(window.sessions().item(2, 6)->text(), "Второе");

    window.trainees().setCurrentRow(0);
    EXPECT_EQ(row(0), QStringList({"Первое", "50", "0", "—", "не начато"}));
    EXPECT_EQ(row(1), QStringList({"Второе", "60", "1", "60", "пройдено"}));
}

TEST(HistoryWindow, SaysWhyThereIsNoHistory)
{
    HistoryWindow window;
    window.show_history({}, "the history database cannot be opened");
    EXPECT_EQ(window.message(), "the history database cannot be opened");
    EXPECT_EQ(window.trainees().count(), 0);
    EXPECT_EQ(window.sessions().rowCount(), 0);
}

TEST(HistoryWindow, OpensASessionsReportFromItsStoredText)
{
    const QTemporaryDir folder;
    HistoryConnection connection;
    connection.sqlite_file = folder.filePath("history.sqlite");
    HistoryDatabase history(connection);
    const std::string text = "# trainee: Пётр\nrws 72\nmode 0\nadvance 2000\nnewcoil\n"
                             "advance 2000\nfwd 10\nadvance 3000\n";
    history.add(session("1.zs", "Пётр", "2026-12-01T09:00:00", 40), QString::fromStdString(text));
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();

    HistoryWindow window;
    window.show_history(history.all_sessions());
    window.set_text_request([&history](const QString &key, HistoryWindow::TextReply reply) {
        reply(history.session_text(key), {});
    });
    EXPECT_FALSE(window.open_report("file:1.zs")) << "no reference to score against yet";
    window.set_reference(reference);
    ASSERT_TRUE(window.open_report("file:1.zs"));
    ASSERT_NE(window.opened_report(), nullptr);
    EXPECT_TRUE(window.opened_report()->isVisible());

    std::istringstream in(text);
    AssessedReplay replay;
    std::ostringstream errors;
    ASSERT_EQ(replay.replay(zun::read_session(in), errors), SimRunner::Completed);
    EXPECT_EQ(window.opened_report()->text().toStdString(),
              zun::report_lines(replay.report(reference)));

    window.open_report("file:missing.zs");
    EXPECT_TRUE(window.message().contains("missing.zs"));
}

} // namespace
