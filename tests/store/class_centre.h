#pragma once

#include "store/history_connection.h"
#include "store/station_link.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

// A PostgreSQL server of the tests, reached through its socket folder as its superuser.
struct TestServerAddress {
    QString host;
    QString user;
};

// A centre's settings whose server is not there: a socket folder where nothing listens.
HistoryConnection absent_server(const QTemporaryDir &folder);

// The test command's server, shared by the tests running at once; none when it started none.
std::optional<TestServerAddress> shared_test_server();

// A server of a test's own (scripts/test-postgres.sh makes it), which the test may stop and start
// under its clients while the shared one serves the other tests; removed with its data at the end.
class OwnTestServer {
public:
    OwnTestServer();
    ~OwnTestServer();
    OwnTestServer(const OwnTestServer &) = delete;
    OwnTestServer &operator=(const OwnTestServer &) = delete;

    TestServerAddress address() const { return {folder_, QStringLiteral("zun_test")}; }
    void stop() const;
    void start() const;

private:
    QString folder_;
};

// How a script ended, and what it wrote.
struct ScriptRun {
    int exit_code = -1;
    QString output;
};

// What a statement did: how many rows it read or changed, or the server's refusal.
struct SqlOutcome {
    bool done = false;
    int rows = 0;
    QString error;
};

// A centre's database on a test server, prepared by scripts/centre-setup.sh as its administrator
// would, with two station logins and one instructor login of its own; dropped with its logins at
// the end. The server's trust authentication lets a test log in as any of them.
class ClassCentre {
public:
    explicit ClassCentre(const TestServerAddress &server);
    ~ClassCentre();
    ClassCentre(const ClassCentre &) = delete;
    ClassCentre &operator=(const ClassCentre &) = delete;

    const QString &station_a() const { return station_a_; }
    const QString &station_b() const { return station_b_; }
    const QString &instructor() const { return instructor_; }
    const QString &database() const { return database_; }

    HistoryConnection connection_as(const QString &login) const;
    SqlOutcome run_as(const QString &login, const QString &sql) const;
    // The lines stored of a station's session, in order, as an instructor reads them.
    QStringList lines_of(const QString &station, const QString &session) const;
    // Runs the centre's setup (again) with these options added.
    ScriptRun set_up(const QStringList &options) const;
    // Makes `count` more station logins, "STATION_A_s0" and on, and returns them; none when the
    // setup failed, which the test reports.
    QStringList add_stations(int count) const;

private:
    SqlOutcome run_on_server(const QString &sql) const;

    TestServerAddress server_;
    QString database_;
    QString station_a_;
    QString station_b_;
    QString instructor_;
};

// A session file being written, as the recorder appends to it, in a folder of its own.
class SessionFile {
public:
    SessionFile(const QString &name, const QString &id);
    const StreamedSession &session() const { return session_; }

    void append(const QByteArray &bytes) const;
    // Its lines ended by their newline, as the class should hold them.
    QStringList complete_lines() const;

private:
    QTemporaryDir folder_;
    StreamedSession session_;
};

// A test with a centre of its own on the test command's server, skipped when it started none; a
// fixture's own SetUp calls this one first and stops when the test is skipped.
class ClassCentreTest : public testing::Test {
protected:
    void SetUp() override;

    std::unique_ptr<ClassCentre> centre_;
};

// The recorded hour of random use (tests/tools/golden), line by line, for the class's load.
QList<QByteArray> recorded_hour_lines();

// The value below which `share` of `values` lie (0.5 the median), of a non-empty list.
double percentile(std::vector<double> values, double share);
