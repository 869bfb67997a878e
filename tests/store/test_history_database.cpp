#include "store/history_database.h"
#include "store/history_error.h"
#include "tests/store/empty_database.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <memory>

namespace {

using Engine = HistoryConnection::Engine;

class HistoryDatabaseTest : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override
    {
        if (GetParam() == Engine::PostgreSQL && qEnvironmentVariableIsEmpty("ZUN_TEST_PGHOST"))
            GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
        database_ = std::make_unique<EmptyDatabase>(GetParam());
    }

    static HistorySession session(const QString &file_name, const QString &trainee,
                                  const QString &started, std::optional<int> score)
    {
        HistorySession session;
        session.file_name = file_name;
        session.trainee = trainee;
        session.started = QDateTime::fromString(started, Qt::ISODate);
        session.length_ms = 3'600'000;
        session.modes = "0,1";
        session.stages_by_trainee = 23;
        session.score = score;
        return session;
    }

    std::unique_ptr<EmptyDatabase> database_;
};

TEST_P(HistoryDatabaseTest, KeepsEachSessionOnceWithItsFile)
{
    HistoryDatabase history(database_->connection());
    const HistorySession later = session("b.zs", "Пётр Иванов", "2026-12-10T10:00:00", 71);
    HistorySession earlier = session("a.zs", "Пётр Иванов", "2026-12-09T09:30:00", {});
    earlier.exercise = "Отказ привода";
    earlier.goal_reached = false;
    EXPECT_TRUE(history.add(later, "newcoil\n# end hash=01\n"));
    EXPECT_TRUE(history.add(earlier, "mode 2\n"));
    EXPECT_TRUE(history.add(session("c.zs", "Анна", "2026-12-10T11:00:00", 90), "pass\n"));
    EXPECT_FALSE(history.add(later, "another text"));

    EXPECT_EQ(history.stored_size(earlier.key()), 0);
    EXPECT_EQ(history.stored_size("file:d.zs"), std::nullopt);
    EXPECT_EQ(history.trainees(), QStringList({"Анна", "Пётр Иванов"}));
    const std::vector<HistorySession> sessions = history.sessions_of("Пётр Иванов");
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].file_name, "a.zs");
    EXPECT_EQ(sessions[0].score, std::nullopt);
    EXPECT_EQ(sessions[0].exercise, "Отказ привода");
    EXPECT_EQ(sessions[0].goal_reached, false);
    EXPECT_EQ(sessions[1].exercise, "");
    EXPECT_EQ(sessions[1].goal_reached, std::nullopt);
    EXPECT_EQ(sessions[1].started, later.started);
    EXPECT_EQ(sessions[1].score, 71);
    EXPECT_EQ(sessions[1].length_ms, 3'600'000);
    EXPECT_EQ(sessions[1].modes, "0,1");
    EXPECT_EQ(sessions[1].lesson, "training");
    EXPECT_EQ(sessions[1].stages_by_trainee, 23);
    EXPECT_EQ(history.session_text(later.key()), "newcoil\n# end hash=01\n");
    EXPECT_EQ(history.session_text("file:d.zs"), std::nullopt);
}

// Two PCs, or two copies of the program, start sessions in the same second: their files bear one
// name, and each is a session of its own. A file stored while it was shorter is stored again.
TEST_P(HistoryDatabaseTest, TellsSessionsApartByStationAccountAndIdAndUpdatesAGrownOne)
{
    HistoryDatabase history(database_->connection());
    HistorySession first = session("2026-12-10_09-00-00.zs", "Пётр", "2026-12-10T09:00:00", 10);
    first.station = "pc-01";
    first.account = "petr";
    first.id = "0123456789abcdef0123456789abcdef";
    first.file_size = 100;
    HistorySession second = first;
    second.station = "pc-02";
    second.id = "fedcba9876543210fedcba9876543210";
    EXPECT_TRUE(history.add(first, "first, short"));
    EXPECT_TRUE(history.add(second, "second"));
    EXPECT_NE(first.key(), second.key());

    HistorySession grown = first;
    grown.file_size = 250;
    grown.length_ms = 7'200'000;
    grown.score = 80;
    EXPECT_FALSE(history.add(first, "the same again"));
    EXPECT_TRUE(history.add(grown, "first, grown"));
    const std::vector<HistorySession> sessions = history.sessions_of("Пётр");
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(history.session_text(first.key()), "first, grown");
    EXPECT_EQ(history.stored_size(first.key()), 250);
    EXPECT_EQ(history.session_text(second.key()), "second");
    const auto stored_first = std::ranges::find(sessions, "pc-01", &HistorySession::station);
    ASSERT_NE(stored_first, sessions.end());
    EXPECT_EQ(stored_first->score, 80);
    EXPECT_EQ(stored_first->length_ms, 7'200'000);
    EXPECT_EQ(stored_first->key(), first.key());
    EXPECT_EQ(history.all_sessions().size(), 2u);
}

TEST_P(HistoryDatabaseTest, MigratesAnOlderSchemaKeepingItsSessions)
{
    database_->execute("CREATE TABLE schema_version (version INTEGER NOT NULL)");
    database_->execute("INSERT INTO schema_version (version) VALUES (1)");
    database_->execute("CREATE TABLE sessions (file_name TEXT PRIMARY KEY, trainee TEXT NOT NULL,"
                       " started TEXT NOT NULL, length_ms BIGINT NOT NULL, modes TEXT NOT NULL,"
                       " stages_by_trainee INTEGER NOT NULL, score INTEGER,"
                       " file_text TEXT NOT NULL)");
    database_->execute("INSERT INTO sessions VALUES ('old.zs', 'Анна', '2025-01-02T03:04:05',"
                       " 1000, '0', 5, 40, 'pass\n')");

    HistoryDatabase history(database_->connection());
    const std::vector<HistorySession> sessions = history.sessions_of("Анна");
    ASSERT_EQ(sessions.size(), 1u);
    EXPECT_EQ(sessions[0].lesson, "training");
    EXPECT_EQ(sessions[0].score, 40);
    EXPECT_EQ(sessions[0].key(), "file:old.zs") << "known by its name, as before";
    EXPECT_EQ(history.session_text("file:old.zs"), "pass\n");
    EXPECT_TRUE(history.add(session("new.zs", "Анна", "2026-01-01T00:00:00", 50), "x"));
    HistorySession same_name = session("old.zs", "Анна", "2026-01-01T00:00:00", 60);
    same_name.station = "pc-03";
    same_name.id = "00000000000000000000000000000001";
    EXPECT_TRUE(history.add(same_name, "y")) << "another session of the same name";
}

// Exercises and snapshots by name, each kind its own: a name taken keeps what it has.
TEST_P(HistoryDatabaseTest, KeepsTheLibraryByKindAndName)
{
    using Kind = HistoryDatabase::LibraryKind;
    HistoryDatabase history(database_->connection());
    EXPECT_TRUE(history.keep_in_library(Kind::Snapshot, "перед резом", "state 1\n"));
    EXPECT_TRUE(history.keep_in_library(Kind::Exercise, "перед резом", "name: a\n"));
    EXPECT_TRUE(history.keep_in_library(Kind::Snapshot, "авария", "state 2\n"));
    EXPECT_FALSE(history.keep_in_library(Kind::Snapshot, "перед резом", "state 3\n"));
    EXPECT_TRUE(history.keep_in_library(Kind::Course, "курс", "name: курс\n"));
    EXPECT_TRUE(history.keep_in_library(Kind::Course, "курс", "name: курс 2\n",
                                        HistoryDatabase::WhenNamed::Replace));
    ASSERT_EQ(history.library(Kind::Course).size(), 1u);
    EXPECT_EQ(history.library(Kind::Course)[0].text, "name: курс 2\n");

    const std::vector<HistoryDatabase::LibraryItem> snapshots = history.library(Kind::Snapshot);
    ASSERT_EQ(snapshots.size(), 2u);
    EXPECT_EQ(snapshots[0].name, "авария");
    EXPECT_EQ(snapshots[1].text, "state 1\n");
    const HistoryDatabase another_pc(database_->connection());
    ASSERT_EQ(another_pc.library(Kind::Exercise).size(), 1u);
    EXPECT_EQ(another_pc.library(Kind::Exercise)[0].text, "name: a\n");
}

TEST_P(HistoryDatabaseTest, RefusesANewerSchemaAndLeavesItAsItWas)
{
    { HistoryDatabase created(database_->connection()); }
    database_->execute("UPDATE schema_version SET version = 9");
    try {
        HistoryDatabase history(database_->connection());
        FAIL() << "a newer schema was opened";
    } catch (const HistoryError &error) {
        EXPECT_TRUE(error.text().contains("схема версии 9")) << error.what();
    }
    database_->execute(QStringLiteral("UPDATE schema_version SET version = %1")
                           .arg(HistoryDatabase::schema_version));
    HistoryDatabase reopened(database_->connection());
    EXPECT_TRUE(reopened.trainees().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Engines, HistoryDatabaseTest,
                         testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         [](const testing::TestParamInfo<Engine> &info) {
                             return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
                         });

TEST(HistoryDatabase, ADatabaseThatCannotBeOpenedSaysWhich)
{
    const QTemporaryDir folder;
    HistoryConnection unreachable_server;
    unreachable_server.engine = Engine::PostgreSQL;
    unreachable_server.host = folder.filePath("no-server-here");
    unreachable_server.database = "zun_trainer";
    HistoryConnection file_under_a_file;
    file_under_a_file.sqlite_file = QCoreApplication::applicationFilePath() + "/history.sqlite";
    for (const HistoryConnection &connection : {unreachable_server, file_under_a_file}) {
        try {
            HistoryDatabase history(connection);
            ADD_FAILURE() << "opened " << connection.describe().toStdString();
        } catch (const HistoryError &error) {
            EXPECT_TRUE(error.text().contains(connection.describe())) << error.what();
        }
    }
}

} // namespace
