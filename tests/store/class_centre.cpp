#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <stdexcept>

namespace {

ScriptRun run_script(const QString &script, const QStringList &arguments)
{
    constexpr int enough_ms = 120'000;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("bash"),
                  QStringList{QStringLiteral(ZUN_SCRIPTS_DIR "/") + script} + arguments);
    if (!process.waitForFinished(enough_ms) || process.exitStatus() != QProcess::NormalExit)
        throw std::runtime_error(script.toStdString() + " did not finish");
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

ScriptRun run_script_or_throw(const QString &script, const QStringList &arguments)
{
    ScriptRun run = run_script(script, arguments);
    if (run.exit_code != 0)
        throw std::runtime_error(script.toStdString() + " failed: " + run.output.toStdString());
    return run;
}

// A name of the test's own: the tests running at once share the server's logins.
QString unique_name(const QString &prefix)
{
    return prefix + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Runs `work` on a connection of its own to `database` as `login`.
template <typename Work>
auto on_connection(const TestServerAddress &server, const QString &database, const QString &login,
                   Work work)
{
    const QString name = QUuid::createUuid().toString();
    struct Removal {
        QString name;
        ~Removal() { QSqlDatabase::removeDatabase(name); }
    } removal{name};
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    connection.setHostName(server.host);
    connection.setDatabaseName(database);
    connection.setUserName(login);
    if (!connection.open())
        throw std::runtime_error("no connection as " + login.toStdString() + ": " +
                                 connection.lastError().text().toStdString());
    QSqlQuery query(connection);
    return work(query);
}

} // namespace

HistoryConnection absent_server(const QTemporaryDir &folder)
{
    HistoryConnection connection;
    connection.engine = HistoryConnection::Engine::PostgreSQL;
    connection.host = folder.path();
    connection.database = QStringLiteral("zun_trainer");
    connection.user = QStringLiteral("station");
    return connection;
}

std::optional<TestServerAddress> shared_test_server()
{
    if (qEnvironmentVariableIsEmpty("ZUN_TEST_PGHOST"))
        return std::nullopt;
    return TestServerAddress{qEnvironmentVariable("ZUN_TEST_PGHOST"),
                             qEnvironmentVariable("ZUN_TEST_PGUSER", QStringLiteral("postgres"))};
}

OwnTestServer::OwnTestServer()
    : folder_(run_script_or_throw(QStringLiteral("test-postgres.sh"), {QStringLiteral("new")})
                  .output.trimmed())
{
}

OwnTestServer::~OwnTestServer()
{
    run_script(QStringLiteral("test-postgres.sh"), {QStringLiteral("remove"), folder_});
}

void OwnTestServer::stop() const
{
    run_script_or_throw(QStringLiteral("test-postgres.sh"), {QStringLiteral("stop"), folder_});
}

void OwnTestServer::start() const
{
    run_script_or_throw(QStringLiteral("test-postgres.sh"), {QStringLiteral("start"), folder_});
}

ClassCentre::ClassCentre(const TestServerAddress &server)
    : server_(server), database_(unique_name(QStringLiteral("zun_class_"))),
      station_a_(unique_name(QStringLiteral("station_a_"))),
      station_b_(unique_name(QStringLiteral("station_b_"))),
      instructor_(unique_name(QStringLiteral("instructor_")))
{
    const SqlOutcome created = run_on_server("CREATE DATABASE " + database_);
    if (!created.done)
        throw std::runtime_error(created.error.toStdString());
    const ScriptRun run =
        set_up({QStringLiteral("--station"), station_a_, QStringLiteral("--station"), station_b_,
                QStringLiteral("--instructor"), instructor_});
    if (run.exit_code != 0)
        throw std::runtime_error("the centre's setup failed: " + run.output.toStdString());
}

ClassCentre::~ClassCentre()
{
    const SqlOutcome dropped = run_on_server("DROP DATABASE " + database_ + " WITH (FORCE)");
    EXPECT_TRUE(dropped.done) << dropped.error.toStdString();
    const SqlOutcome logins_dropped = run_on_server(
        QStringLiteral("DROP ROLE %1, %2, %3").arg(station_a_, station_b_, instructor_));
    EXPECT_TRUE(logins_dropped.done) << logins_dropped.error.toStdString();
}

HistoryConnection ClassCentre::connection_as(const QString &login) const
{
    HistoryConnection connection;
    connection.engine = HistoryConnection::Engine::PostgreSQL;
    connection.host = server_.host;
    connection.database = database_;
    connection.user = login;
    return connection;
}

SqlOutcome ClassCentre::run_as(const QString &login, const QString &sql) const
{
    return on_connection(server_, database_, login, [&sql](QSqlQuery &query) {
        SqlOutcome outcome;
        outcome.done = query.exec(sql);
        if (!outcome.done) {
            outcome.error = query.lastError().text();
            return outcome;
        }
        if (!query.isSelect()) {
            outcome.rows = query.numRowsAffected();
            return outcome;
        }
        while (query.next())
            ++outcome.rows;
        return outcome;
    });
}

QStringList ClassCentre::lines_of(const QString &station, const QString &session) const
{
    return on_connection(server_, database_, instructor_, [&](QSqlQuery &query) {
        query.prepare(QStringLiteral("SELECT line FROM class.lines WHERE station = ? AND"
                                     " session = ? ORDER BY seq"));
        query.addBindValue(station);
        query.addBindValue(session);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
        QStringList lines;
        while (query.next())
            lines << query.value(0).toString();
        return lines;
    });
}

// One setup at a time on a server, as a centre has one administrator: the tests running at once
// would otherwise create the group roles, which the whole server shares, together.
ScriptRun ClassCentre::set_up(const QStringList &options) const
{
    QLockFile one_at_a_time(QDir(server_.host).filePath(QStringLiteral("centre-setup.lock")));
    one_at_a_time.lock();
    return run_script(QStringLiteral("centre-setup.sh"),
                      QStringList{QStringLiteral("-h"), server_.host, QStringLiteral("-U"),
                                  server_.user, QStringLiteral("-d"), database_} +
                          options);
}

QStringList ClassCentre::add_stations(int count) const
{
    QStringList options;
    QStringList logins;
    for (int number = 0; number < count; ++number) {
        logins << QStringLiteral("%1_s%2").arg(station_a_).arg(number);
        options << QStringLiteral("--station") << logins.back();
    }
    const ScriptRun run = set_up(options);
    EXPECT_EQ(run.exit_code, 0) << run.output.toStdString();
    return run.exit_code == 0 ? logins : QStringList{};
}

QList<QByteArray> recorded_hour_lines()
{
    QFile file(QStringLiteral(ZUN_GOLDEN_HOUR));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << ZUN_GOLDEN_HOUR;
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeLast(); // after the last newline
    return lines;
}

double percentile(std::vector<double> values, double share)
{
    std::ranges::sort(values);
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

SqlOutcome ClassCentre::run_on_server(const QString &sql) const
{
    try {
        return on_connection(server_, QStringLiteral("postgres"), server_.user,
                             [&sql](QSqlQuery &query) {
                                 return SqlOutcome{query.exec(sql), 0, query.lastError().text()};
                             });
    } catch (const std::runtime_error &error) {
        return {false, 0, QString::fromStdString(error.what())};
    }
}

SessionFile::SessionFile(const QString &name, const QString &id)
    : session_{folder_.filePath(name), id, QStringLiteral("Пётр Иванов")}
{
}

void SessionFile::append(const QByteArray &bytes) const
{
    QFile file(session_.file);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList SessionFile::complete_lines() const
{
    QFile file(session_.file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    lines.removeLast(); // what follows the last newline
    return lines;
}

void ClassCentreTest::SetUp()
{
    const std::optional<TestServerAddress> server = shared_test_server();
    if (!server)
        GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
    centre_ = std::make_unique<ClassCentre>(*server);
}
