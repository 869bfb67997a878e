#pragma once

#include "store/history_connection.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

// A fresh, empty database of one engine for each test: a file for SQLite, a database of its own
// on the test server for PostgreSQL (the test command starts one and names its socket folder in
// ZUN_TEST_PGHOST).
class EmptyDatabase {
public:
    using Engine = HistoryConnection::Engine;

    explicit EmptyDatabase(Engine engine)
    {
        connection_.engine = engine;
        if (engine == Engine::SQLite) {
            connection_.sqlite_file = folder_.filePath("history.sqlite");
            return;
        }
        connection_.host = qEnvironmentVariable("ZUN_TEST_PGHOST");
        connection_.user = qEnvironmentVariable("ZUN_TEST_PGUSER", "postgres");
        connection_.database = "zun_test_" + QUuid::createUuid().toString(QUuid::Id128);
        execute_on_server("CREATE DATABASE " + connection_.database);
    }
    ~EmptyDatabase()
    {
        if (connection_.engine == Engine::PostgreSQL)
            execute_on_server("DROP DATABASE " + connection_.database);
    }
    EmptyDatabase(const EmptyDatabase &) = delete;
    EmptyDatabase &operator=(const EmptyDatabase &) = delete;

    const HistoryConnection &connection() const { return connection_; }

    // Runs SQL on the test database itself, behind the history's back.
    void execute(const QString &sql) const
    {
        run_on(connection_.engine == Engine::SQLite ? "QSQLITE" : "QPSQL",
               connection_.engine == Engine::SQLite ? connection_.sqlite_file
                                                    : connection_.database,
               sql);
    }

private:
    void execute_on_server(const QString &sql) const { run_on("QPSQL", "postgres", sql); }

    void run_on(const QString &driver, const QString &database_name, const QString &sql) const
    {
        const QString name = QUuid::createUuid().toString();
        {
            QSqlDatabase database = QSqlDatabase::addDatabase(driver, name);
            database.setDatabaseName(database_name);
            database.setHostName(connection_.host);
            database.setUserName(connection_.user);
            ASSERT_TRUE(database.open()) << database.lastError().text().toStdString();
            QSqlQuery query(database);
            EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
        }
        QSqlDatabase::removeDatabase(name);
    }

    QTemporaryDir folder_;
    HistoryConnection connection_;
};

// Whether the test command started a PostgreSQL server for the tests.
inline bool test_postgres_running()
{
    return !qEnvironmentVariableIsEmpty("ZUN_TEST_PGHOST");
}
