#include "store/history_error.h"
#include "store/station_link.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

StationIdentity identity()
{
    return {"pc-07", "ivanov", "1.4.0", QDateTime::fromString("2026-12-11T09:00:00Z", Qt::ISODate)};
}

class StationLinkTest : public ClassCentreTest {
protected:
    std::unique_ptr<StationLink> link_as(const QString &login, const SessionFile &file) const
    {
        auto link = std::make_unique<StationLink>(centre_->connection_as(login), identity());
        link->follow(file.session());
        return link;
    }
    QStringList stored(const SessionFile &file) const
    {
        return centre_->lines_of(centre_->station_a(), file.session().id);
    }
    void instructor_runs(const QString &sql) const
    {
        const SqlOutcome outcome = centre_->run_as(centre_->instructor(), sql);
        ASSERT_TRUE(outcome.done) << outcome.error.toStdString();
    }

    SessionFile file_{"2026-12-11_09-00-00.zs", "5f0c2a9e41d84b7c9a3e0d1f6b2c8e47"};
};

TEST_F(StationLinkTest, StoresTheFileLineByLineOverSeveralPushes)
{
    struct Push {
        QByteArray appended;
        int stored;
    };
    const Push pushes[] = {
        {"# zun-trainer 1.4.0\n# trainee=Пётр Иванов\n", 2},
        {"key 5 press\n\nadv", 2}, // the line being written waits for its newline
        {"ance 250\nquotes ' \" \\ ? $1 %s\n", 2},
        {"", 0},
    };
    const std::unique_ptr<StationLink> link = link_as(centre_->station_a(), file_);
    for (const Push &push : pushes) {
        file_.append(push.appended);
        EXPECT_EQ(link->push(), push.stored) << push.appended.toStdString();
        EXPECT_TRUE(link->state().connected) << link->state().away_reason.toStdString();
        EXPECT_EQ(stored(file_), file_.complete_lines());
    }
}

// A station killed with lines not sent, and started again on the same file.
TEST_F(StationLinkTest, AStationStartedAgainSendsOnlyWhatTheServerLacks)
{
    file_.append("# zun-trainer 1.4.0\nkey 5 press\nadvance 250\n");
    EXPECT_EQ(link_as(centre_->station_a(), file_)->push(), 3);
    file_.append("key 5 release\nadvance 100\n");

    const std::unique_ptr<StationLink> again = link_as(centre_->station_a(), file_);
    EXPECT_EQ(again->push(), 2);
    EXPECT_EQ(again->push(), 0);
    EXPECT_EQ(stored(file_), file_.complete_lines());
}

TEST_F(StationLinkTest, NamesItsStationAndTheSessionItStreams)
{
    const QString row_names = QStringLiteral(
        "SELECT FROM class.stations WHERE station = '%1' AND pc = 'pc-07' AND account = 'ivanov'"
        " AND program_version = '1.4.0' AND started = '2026-12-11T09:00:00Z'"
        " AND trainee = '%2' AND session = '%3' AND last_seen >= started");
    file_.append("# zun-trainer 1.4.0\nkey 5 press\n");
    const std::unique_ptr<StationLink> link = link_as(centre_->station_a(), file_);
    link->push();
    EXPECT_EQ(centre_
                  ->run_as(centre_->instructor(),
                           row_names.arg(centre_->station_a(), file_.session().trainee,
                                         file_.session().id))
                  .rows,
              1);

    // The next session (an examination begun) is a file of its own, numbered from its first line.
    SessionFile exam("2026-12-11_09-30-00.zs", "9b1d7e3c0a5f4e2d8c6b4a2918f7e5d3");
    exam.append("# zun-trainer 1.4.0\n# lesson=exam\nmode 2\n");
    link->follow(exam.session());
    EXPECT_EQ(link->push(), 3);
    EXPECT_EQ(stored(exam), exam.complete_lines());
    EXPECT_EQ(stored(file_), file_.complete_lines());
    EXPECT_EQ(
        centre_
            ->run_as(centre_->instructor(),
                     row_names.arg(centre_->station_a(), exam.session().trainee, exam.session().id))
            .rows,
        1);
}

TEST_F(StationLinkTest, TakesTheCommandsAddressedToItAndConfirmsEachOnce)
{
    instructor_runs(QStringLiteral("INSERT INTO class.commands (station, line) VALUES"
                                   " ('%1', 'fault 12 1'), ('%2', 'fault 3 2'), (NULL, 'pause')")
                        .arg(centre_->station_a(), centre_->station_b()));
    const std::unique_ptr<StationLink> a = link_as(centre_->station_a(), file_);
    const std::unique_ptr<StationLink> b = link_as(centre_->station_b(), file_);
    const auto lines = [](const std::vector<ClassCommand> &commands) {
        QStringList lines;
        for (const ClassCommand &command : commands)
            lines << command.line;
        return lines;
    };

    const std::vector<ClassCommand> to_a = a->unconfirmed_commands();
    ASSERT_EQ(lines(to_a), QStringList({"fault 12 1", "pause"}));
    EXPECT_TRUE(a->confirm(to_a[0].id, "неисправность задана"));
    EXPECT_FALSE(a->confirm(to_a[0].id, "ещё раз"));
    EXPECT_TRUE(a->confirm(to_a[1].id, "пауза"));
    EXPECT_EQ(lines(a->unconfirmed_commands()), QStringList());

    // A command to every station waits for each one's own answer.
    const std::vector<ClassCommand> to_b = b->unconfirmed_commands();
    ASSERT_EQ(lines(to_b), QStringList({"fault 3 2", "pause"}));
    EXPECT_FALSE(a->confirm(to_b[0].id, "не мне"));
    EXPECT_EQ(b->unconfirmed_commands().size(), 2u);
    EXPECT_EQ(centre_
                  ->run_as(centre_->instructor(),
                           "SELECT FROM class.answers WHERE answer = 'неисправность задана'")
                  .rows,
              1);
}

TEST_F(StationLinkTest, ReadsTheLessonTheInstructorSet)
{
    struct Step {
        QString sql; // the instructor's
        std::optional<ClassLesson> lesson;
    };
    const QString set =
        QStringLiteral("INSERT INTO class.lessons (station, lesson) VALUES ('%1', '%2')"
                       " ON CONFLICT (station) DO UPDATE SET lesson = excluded.lesson");
    const QString station = centre_->station_a();
    const Step steps[] = {
        {{}, std::nullopt},
        {set.arg(station, "exam"), ClassLesson::Exam},
        {set.arg(centre_->station_b(), "training"), ClassLesson::Exam},
        {set.arg(station, "training"), ClassLesson::Training},
        {"DELETE FROM class.lessons", std::nullopt},
    };
    const std::unique_ptr<StationLink> link = link_as(station, file_);
    for (const Step &step : steps) {
        if (!step.sql.isEmpty())
            instructor_runs(step.sql);
        EXPECT_EQ(link->lesson(), step.lesson) << step.sql.toStdString();
        EXPECT_TRUE(link->state().connected);
    }
}

TEST_F(StationLinkTest, AnnouncesEachBatchOfLinesToTheListeners)
{
    QSqlDatabase listener = QSqlDatabase::addDatabase("QPSQL", "listener");
    const HistoryConnection as_instructor = centre_->connection_as(centre_->instructor());
    listener.setHostName(as_instructor.host);
    listener.setDatabaseName(as_instructor.database);
    listener.setUserName(as_instructor.user);
    ASSERT_TRUE(listener.open());
    ASSERT_TRUE(listener.driver()->subscribeToNotification("zun_class"));
    std::vector<QJsonObject> announced;
    QObject::connect(
        listener.driver(), &QSqlDriver::notification,
        [&announced](const QString &, QSqlDriver::NotificationSource, const QVariant &payload) {
            announced.push_back(QJsonDocument::fromJson(payload.toString().toUtf8()).object());
        });

    const std::unique_ptr<StationLink> link = link_as(centre_->station_a(), file_);
    file_.append("# zun-trainer 1.4.0\nkey 5 press\n");
    ASSERT_EQ(link->push(), 2);
    file_.append("advance 250\n");
    ASSERT_EQ(link->push(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&announced] { return announced.size() >= 2; }, 10'000));

    ASSERT_EQ(announced.size(), 2u);
    for (int batch = 0; batch < 2; ++batch) {
        EXPECT_EQ(announced[batch]["station"].toString(), centre_->station_a());
        EXPECT_EQ(announced[batch]["session"].toString(), file_.session().id);
    }
    EXPECT_EQ(announced[0]["seq"].toInt(), 2);
    EXPECT_EQ(announced[1]["seq"].toInt(), 3);
    listener = QSqlDatabase();
    QSqlDatabase::removeDatabase("listener");
}

// The server stopped and started again under a station that goes on recording.
TEST(StationLink, SendsTheLinesWrittenWhileTheServerWasAwayOnceItIsBack)
{
    if (!shared_test_server())
        GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
    const OwnTestServer server;
    const ClassCentre centre(server.address());
    const SessionFile file("2026-12-11_09-00-00.zs", "0d9e8f7a6b5c4d3e2f1a0b9c8d7e6f5a");
    StationLink link(centre.connection_as(centre.station_a()), identity());
    link.follow(file.session());
    file.append("# zun-trainer 1.4.0\nkey 5 press\n");
    ASSERT_EQ(link.push(), 2);

    server.stop();
    file.append("advance 250\nkey 5 release\n");
    EXPECT_EQ(link.push(), 0);
    EXPECT_FALSE(link.state().connected);
    EXPECT_FALSE(link.state().away_reason.isEmpty());
    file.append("advance 100\n");
    EXPECT_EQ(link.push(), 0);

    server.start();
    EXPECT_EQ(link.push(), 3);
    EXPECT_TRUE(link.state().connected);
    EXPECT_TRUE(link.state().away_reason.isEmpty());
    EXPECT_EQ(centre.lines_of(centre.station_a(), file.session().id), file.complete_lines());
}

// The session ended while the server was away, and the station went on to another.
TEST(StationLink, CompletesTheSessionFollowedBeforeOnceTheServerIsBack)
{
    if (!shared_test_server())
        GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
    const OwnTestServer server;
    const ClassCentre centre(server.address());
    const SessionFile first("2026-12-11_09-00-00.zs", "1a2b3c4d5e6f7a8b9c0d1e2f3a4b5c6d");
    const SessionFile second("2026-12-11_09-05-00.zs", "6d5c4b3a2f1e0d9c8b7a6f5e4d3c2b1a");
    const QString end_mark = QStringLiteral("# end hash=");
    StationLink link(centre.connection_as(centre.station_a()), identity());
    link.follow(first.session());
    first.append("# zun-trainer 1.4.0\nkey 5 press\n");
    ASSERT_EQ(link.push(), 2);
    EXPECT_EQ(link.unended_sessions(end_mark), std::vector{first.session().id});

    server.stop();
    first.append("advance 250\n# end hash=0123456789abcdef\n");
    link.follow(second.session());
    second.append("# zun-trainer 1.4.0\nlesson exam\n");
    EXPECT_EQ(link.push(), 0);

    server.start();
    EXPECT_EQ(link.push(), 4);
    for (const SessionFile *file : {&first, &second})
        EXPECT_EQ(centre.lines_of(centre.station_a(), file->session().id), file->complete_lines());
    EXPECT_EQ(link.unended_sessions(end_mark), std::vector{second.session().id});
}

TEST(StationLink, IsAwayWithTheReasonWhenNoServerAnswers)
{
    const QTemporaryDir no_server;
    const HistoryConnection connection = absent_server(no_server);
    const SessionFile file("2026-12-11_09-00-00.zs", "1a2b3c4d5e6f708192a3b4c5d6e7f809");
    file.append("# zun-trainer 1.4.0\n");
    StationLink link(connection, identity());
    link.follow(file.session());

    EXPECT_EQ(link.push(), 0);
    EXPECT_EQ(link.unconfirmed_commands().size(), 0u);
    EXPECT_FALSE(link.confirm(1, "принято"));
    EXPECT_EQ(link.lesson(), std::nullopt);
    EXPECT_FALSE(link.state().connected);
    EXPECT_FALSE(link.state().away_reason.isEmpty());
}

TEST(StationLink, NeedsTheCentresPostgreSQL)
{
    HistoryConnection sqlite;
    sqlite.sqlite_file = "history.sqlite";
    EXPECT_THROW(StationLink(sqlite, identity()), HistoryError);
}

} // namespace
