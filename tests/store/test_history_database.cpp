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
    const HistorySession earlier = session("a.zs", "Пётр Иванов", "2026-12-09T09:30:00", {});
    EXPECT_TRUE(history.add(later, "newcoil\n# end hash=01\n"));
    EXPECT_TRUE(history.add(earlier, "mode 2\n"));
    EXPECT_TRUE(history.add(session("c.zs", "Анна", "2026-12-10T11:00:00", 90), "pass\n"));
    EXPECT_FALSE(history.add(later, "another text"));

    EXPECT_TRUE(history.contains("a.zs"));
    EXPECT_FALSE(history.contains("d.zs"));
    EXPECT_EQ(history.trainees(), QStringList({"Анна", "Пётр Иванов"}));
    const std::vector<HistorySession> sessions = history.sessions_of("Пётр Иванов");
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[0].file_name, "a.zs");
    EXPECT_EQ(sessions[0].score, std::nullopt);
    EXPECT_EQ(sessions[1].started, later.started);
    EXPECT_EQ(sessions[1].score, 71);
    EXPECT_EQ(sessions[1].length_ms, 3'600'000);
    EXPECT_EQ(sessions[1].modes, "0,1");
    EXPECT_EQ(sessions[1].lesson, "training");
    EXPECT_EQ(sessions[1].stages_by_trainee, 23);
    EXPECT_EQ(history.session_text("b.zs"), "newcoil\n# end hash=01\n");
    EXPECT_EQ(history.session_text("d.zs"), std::nullopt);
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
    EXPECT_TRUE(history.add(session("new.zs", "Анна", "2026-01-01T00:00:00", 50), "x"));
}

TEST_P(HistoryDatabaseTest, RefusesANewerSchemaAndLeavesItAsItWas)
{
    { HistoryDatabase created(database_->connection()); }
    database_->execute("UPDATE schema_version SET version = 9");
    try {
        HistoryDatabase history(database_->connection());
        FAIL() << "a newer schema was opened";
    } catch (const HistoryError &error) {
        EXPECT_TRUE(error.text().contains("schema version 9")) << error.what();
    }
    database_->execute("UPDATE schema_version SET version = 2");
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
