#include "store/history_database.h"
#include "store/station_link.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

enum class Who { StationA, Instructor };
// What a statement as one login should do: be refused, or read or change `rows` rows.
struct Rule {
    const char *what;
    Who who;
    QString sql; // {a} is station A's login, {b} station B's
    std::optional<int> rows;
};
constexpr std::nullopt_t refused = std::nullopt;
using enum Who;

StationIdentity identity()
{
    return {"pc-07", "ivanov", "1.4.0", QDateTime::currentDateTimeUtc()};
}

// The rules of scripts/centre-setup.sh, as the server enforces them on a login with psql: a class
// with two stations that have streamed their sessions, commands to one, to the other and to
// both (ids 1, 2, 3), the first one answered, and an examination set for station A.
class CentreSetupTest : public ClassCentreTest {
protected:
    void SetUp() override
    {
        ClassCentreTest::SetUp();
        if (IsSkipped())
            return;
        stream(centre_->station_a(), "session-a", "# zun-trainer 1.4.0\nkey 5 press\n");
        stream(centre_->station_b(), "session-b", "# zun-trainer 1.4.0\nmode 2\nadvance 250\n");
        instructor_runs(
            QStringLiteral("INSERT INTO class.commands (station, line) VALUES"
                           " ('%1', 'fault 12 1'), ('%2', 'fault 3 2'), (NULL, 'pause')")
                .arg(centre_->station_a(), centre_->station_b()));
        instructor_runs(QStringLiteral("INSERT INTO class.lessons (station, lesson)"
                                       " VALUES ('%1', 'exam')")
                            .arg(centre_->station_a()));
        StationLink a(centre_->connection_as(centre_->station_a()), identity());
        ASSERT_TRUE(a.confirm(1, "принято"));
    }

    void stream(const QString &station, const QString &id, const QByteArray &text) const
    {
        const SessionFile file(id + ".zs", id);
        file.append(text);
        StationLink link(centre_->connection_as(station), identity());
        link.follow(file.session());
        ASSERT_EQ(link.push(), text.count('\n'));
    }
    void instructor_runs(const QString &sql) const
    {
        const SqlOutcome outcome = centre_->run_as(centre_->instructor(), sql);
        ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
    }

    void expect_rules(const std::vector<Rule> &rules) const
    {
        for (const Rule &rule : rules) {
            const QString login =
                rule.who == Who::StationA ? centre_->station_a() : centre_->instructor();
            const SqlOutcome outcome =
                centre_->run_as(login, QString(rule.sql)
                                           .replace("{a}", centre_->station_a())
                                           .replace("{b}", centre_->station_b()));
            if (rule.rows) {
                EXPECT_TRUE(outcome.done) << rule.what << ": " << outcome.error.toStdString();
                EXPECT_EQ(outcome.rows, *rule.rows) << rule.what;
            } else {
                EXPECT_FALSE(outcome.done) << rule.what << " was not refused";
            }
        }
    }
};

TEST_F(CentreSetupTest, KeepsAStationToItsOwnRows)
{
    expect_rules({
        {"reads its own lines", StationA, "SELECT FROM class.lines", 2},
        {"reads another station's lines", StationA, "SELECT FROM class.lines WHERE station = '{b}'",
         0},
        {"inserts a line for another station", StationA,
         "INSERT INTO class.lines (station, session, seq, line) VALUES ('{b}', 'session-b', 9, "
         "'x')",
         refused},
        {"rewrites its stored lines", StationA, "UPDATE class.lines SET line = 'x'", refused},
        {"deletes its stored lines", StationA, "DELETE FROM class.lines", refused},
        {"reads another station's row", StationA,
         "SELECT FROM class.stations WHERE station = '{b}'", 0},
        {"changes another station's row", StationA,
         "UPDATE class.stations SET pc = 'x' WHERE station = '{b}'", 0},
        {"reads the commands to it and to all", StationA, "SELECT FROM class.commands", 2},
        {"reads the commands to another station", StationA,
         "SELECT FROM class.commands WHERE station = '{b}'", 0},
        {"sends a command", StationA,
         "INSERT INTO class.commands (station, line) VALUES ('{a}', 'pass')", refused},
        {"sends a command to all", StationA, "INSERT INTO class.commands (line) VALUES ('pass')",
         refused},
        {"answers a command to all", StationA,
         "INSERT INTO class.answers (command, answer) VALUES (3, 'принято')", 1},
        {"answers a command to another station", StationA,
         "INSERT INTO class.answers (command, answer) VALUES (2, 'принято')", refused},
        {"answers for another station", StationA,
         "INSERT INTO class.answers (command, station, answer) VALUES (3, '{b}', 'принято')",
         refused},
        {"reads its lesson", StationA, "SELECT FROM class.lessons WHERE lesson = 'exam'", 1},
        {"ends its examination", StationA, "UPDATE class.lessons SET lesson = 'training'", refused},
        {"deletes its lesson", StationA, "DELETE FROM class.lessons", refused},
        {"sets a lesson for another", StationA,
         "INSERT INTO class.lessons (station, lesson) VALUES ('{b}', 'training')", refused},
    });
}

TEST_F(CentreSetupTest, LetsAnInstructorSeeEverythingSendCommandsAndSetLessons)
{
    expect_rules({
        {"reads every station", Instructor, "SELECT FROM class.stations", 2},
        {"reads every station's lines", Instructor, "SELECT FROM class.lines", 5},
        {"reads every command", Instructor, "SELECT FROM class.commands", 3},
        {"reads the answers", Instructor, "SELECT FROM class.answers", 1},
        {"sends a command", Instructor,
         "INSERT INTO class.commands (station, line) VALUES ('{b}', 'fault 7 1')", 1},
        {"sends a command to all", Instructor, "INSERT INTO class.commands (line) VALUES ('pause')",
         1},
        {"sets a lesson", Instructor,
         "INSERT INTO class.lessons (station, lesson) VALUES ('{b}', 'exam')", 1},
        {"ends an examination", Instructor,
         "UPDATE class.lessons SET lesson = 'training' WHERE station = '{a}'", 1},
        {"writes a station's line", Instructor,
         "INSERT INTO class.lines (station, session, seq, line) VALUES ('{a}', 'session-a', 9, "
         "'x')",
         refused},
        {"answers for a station", Instructor,
         "INSERT INTO class.answers (command, station, answer) VALUES (2, '{b}', 'принято')",
         refused},
    });
}

TEST_F(CentreSetupTest, RunsAgainKeepingWhatIsThere)
{
    const ScriptRun again =
        centre_->set_up({"--station", centre_->station_a(), "--instructor", centre_->instructor()});
    EXPECT_EQ(again.exit_code, 0) << again.output.toStdString();
    EXPECT_EQ(again.output, QString());
    expect_rules({
        {"kept the lines", Instructor, "SELECT FROM class.lines", 5},
        {"kept the answers", Instructor, "SELECT FROM class.answers", 1},
        {"kept the rules", StationA, "SELECT FROM class.lines WHERE station = '{b}'", 0},
    });
}

// A station may not create tables: the history it finds is the setup's, which the trainer takes
// as its own schema without changing it, and stores into.
TEST_F(CentreSetupTest, TheHistoryIsReadyForEveryLogin)
{
    for (const QString &login : {centre_->station_a(), centre_->instructor()}) {
        SCOPED_TRACE(login.toStdString());
        HistoryDatabase history(centre_->connection_as(login));
        HistorySession session;
        session.file_name = login + ".zs";
        session.trainee = "Пётр";
        session.started = QDateTime::fromString("2026-12-11T09:00:00", Qt::ISODate);
        session.modes = "0";
        session.exercise = "Первое";
        session.goal_reached = true;
        EXPECT_TRUE(history.add(session, "mode 0\n"));
        EXPECT_TRUE(history.keep_in_library(HistoryDatabase::LibraryKind::Snapshot, login, "s"));
    }
    HistoryDatabase instructors(centre_->connection_as(centre_->instructor()));
    EXPECT_EQ(instructors.all_sessions().size(), 2u);
    EXPECT_EQ(instructors.library(HistoryDatabase::LibraryKind::Snapshot).size(), 2u);
}

TEST_F(CentreSetupTest, RefusesALoginWithoutItsName)
{
    EXPECT_EQ(centre_->set_up({"--station"}).exit_code, 2);
    EXPECT_EQ(centre_->set_up({"--instructor", ""}).exit_code, 2);
}

} // namespace
