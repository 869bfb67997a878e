#include "history_database.h"

#include "store/history_error.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <array>
#include <initializer_list>
#include <utility>

namespace {

// Each step takes the schema from the version before it to its own; a database is migrated step
// by step inside one transaction.
struct Migration {
    int version;
    std::initializer_list<const char *> statements;
};

constexpr std::array migrations{
    Migration{1,
              {"CREATE TABLE sessions ("
               " file_name TEXT PRIMARY KEY,"
               " trainee TEXT NOT NULL,"
               " started TEXT NOT NULL,"
               " length_ms BIGINT NOT NULL,"
               " modes TEXT NOT NULL,"
               " stages_by_trainee INTEGER NOT NULL,"
               " score INTEGER,"
               " file_text TEXT NOT NULL)"}},
    Migration{2,
              {"ALTER TABLE sessions ADD COLUMN lesson TEXT NOT NULL DEFAULT 'training'",
               "CREATE INDEX sessions_by_trainee ON sessions (trainee, started)"}},
    // A file name is no session's identity: two PCs, or two copies of the program, start
    // sessions in the same second. Stored sessions keep their name as their key.
    Migration{3,
              {"CREATE TABLE sessions_by_key ("
               " session_key TEXT PRIMARY KEY,"
               " file_name TEXT NOT NULL,"
               " station TEXT NOT NULL,"
               " account TEXT NOT NULL,"
               " trainee TEXT NOT NULL,"
               " started TEXT NOT NULL,"
               " length_ms BIGINT NOT NULL,"
               " modes TEXT NOT NULL,"
               " lesson TEXT NOT NULL,"
               " stages_by_trainee INTEGER NOT NULL,"
               " score INTEGER,"
               " file_size BIGINT NOT NULL,"
               " file_text TEXT NOT NULL)",
               "INSERT INTO sessions_by_key SELECT 'file:' || file_name, file_name, '', '',"
               " trainee, started, length_ms, modes, lesson, stages_by_trainee, score, 0,"
               " file_text FROM sessions",
               "DROP TABLE sessions", "ALTER TABLE sessions_by_key RENAME TO sessions",
               "CREATE INDEX sessions_by_trainee ON sessions (trainee, started)"}},
    Migration{4,
              {"CREATE TABLE library ("
               " kind TEXT NOT NULL,"
               " name TEXT NOT NULL,"
               " item_text TEXT NOT NULL,"
               " PRIMARY KEY (kind, name))"}},
    // A course follows its trainees through the exercises they took.
    Migration{5,
              {"ALTER TABLE sessions ADD COLUMN exercise TEXT NOT NULL DEFAULT ''",
               "ALTER TABLE sessions ADD COLUMN goal_reached INTEGER"}},
};
static_assert(migrations.back().version == HistoryDatabase::schema_version);

QString driver_of(HistoryConnection::Engine engine)
{
    return engine == HistoryConnection::Engine::SQLite ? QStringLiteral("QSQLITE")
                                                       : QStringLiteral("QPSQL");
}

// A null string binds as NULL: a session recorded before its header named the PC has none.
QString not_null(const QString &text)
{
    return text.isNull() ? QString("") : text;
}

HistoryError newer_schema(int stored)
{
    return HistoryError(QStringLiteral("у базы данных журнала схема версии %1, новее, "
                                       "чем %2 этой программы: обновите программу")
                            .arg(stored)
                            .arg(HistoryDatabase::schema_version));
}

QString kind_word(HistoryDatabase::LibraryKind kind)
{
    switch (kind) {
    case HistoryDatabase::LibraryKind::Exercise:
        return QStringLiteral("exercise");
    case HistoryDatabase::LibraryKind::Snapshot:
        return QStringLiteral("snapshot");
    case HistoryDatabase::LibraryKind::Course:
        return QStringLiteral("course");
    }
    return {};
}

} // namespace

// A statement on the history's connection that throws on failure. Only statements with values
// are prepared: PostgreSQL cannot prepare schema changes.
class HistoryDatabase::Query {
public:
    Query(const QString &connection_name, const QString &sql)
        : query_(QSqlDatabase::database(connection_name, false)), sql_(sql)
    {
    }
    Query &&bind(const QVariant &value) &&
    {
        values_ << value;
        return std::move(*this);
    }
    Query &&bind_all(const QVariantList &values) &&
    {
        values_ += values;
        return std::move(*this);
    }
    QSqlQuery run() &&
    {
        if (values_.isEmpty()) {
            if (!query_.exec(sql_))
                fail();
            return std::move(query_);
        }
        if (!query_.prepare(sql_))
            fail();
        for (const QVariant &value : values_)
            query_.addBindValue(value);
        if (!query_.exec())
            fail();
        return std::move(query_);
    }

private:
    [[noreturn]] void fail() const
    {
        throw HistoryError(QStringLiteral("ошибка базы данных журнала: %1")
                               .arg(query_.lastError().text()));
    }

    QSqlQuery query_;
    QString sql_;
    QVariantList values_;
};

HistoryDatabase::HistoryDatabase(const HistoryConnection &connection)
    : connection_name_(QUuid::createUuid().toString())
{
    QSqlDatabase database =
        QSqlDatabase::addDatabase(driver_of(connection.engine), connection_name_);
    if (!database.isValid()) {
        database = {};
        QSqlDatabase::removeDatabase(connection_name_);
        throw HistoryError(
            QStringLiteral("базу данных журнала не удалось открыть: в Qt нет драйвера %1")
                .arg(driver_of(connection.engine)));
    }
    // Short waits on a locked file or an absent server: the history then counts as away, and
    // the program, which waits for its history's thread when it quits, quits at once.
    if (connection.engine == HistoryConnection::Engine::SQLite) {
        database.setDatabaseName(connection.sqlite_file);
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    } else {
        database.setConnectOptions(QStringLiteral("connect_timeout=5"));
        database.setHostName(connection.host);
        database.setPort(connection.port);
        database.setDatabaseName(connection.database);
        database.setUserName(connection.user);
    }
    try {
        if (!database.open())
            throw HistoryError(QStringLiteral("базу данных журнала %1 не удалось открыть: %2")
                                   .arg(connection.describe(), database.lastError().text()));
        migrate();
    } catch (...) {
        database = {};
        QSqlDatabase::removeDatabase(connection_name_);
        throw;
    }
}

HistoryDatabase::~HistoryDatabase()
{
    QSqlDatabase::database(connection_name_, false).close();
    QSqlDatabase::removeDatabase(connection_name_);
}

void HistoryDatabase::migrate()
{
    QSqlDatabase database = QSqlDatabase::database(connection_name_, false);
    if (!database.tables().contains("schema_version")) {
        database.transaction();
        Query(connection_name_, "CREATE TABLE IF NOT EXISTS schema_version"
                                " (version INTEGER NOT NULL)").run();
        Query(connection_name_, "INSERT INTO schema_version (version) SELECT 0"
                                " WHERE NOT EXISTS (SELECT 1 FROM schema_version)").run();
        database.commit();
    }
    // A schema up to date needs no lock: a centre's stations may read the version, not change it.
    const int seen = stored_schema_version();
    if (seen > schema_version)
        throw newer_schema(seen);
    if (seen == schema_version)
        return;
    database.transaction();
    try {
        // Two programs opening a new server at once: the second waits and finds it migrated.
        if (database.driverName() == "QPSQL")
            Query(connection_name_, "LOCK TABLE schema_version IN EXCLUSIVE MODE").run();
        const int stored = stored_schema_version();
        if (stored > schema_version)
            throw newer_schema(stored);
        for (const Migration &migration : migrations) {
            if (migration.version <= stored)
                continue;
            for (const char *statement : migration.statements)
                Query(connection_name_, statement).run();
        }
        if (stored < schema_version)
            Query(connection_name_, "UPDATE schema_version SET version = ?")
                .bind(schema_version)
                .run();
    } catch (...) {
        database.rollback();
        throw;
    }
    if (!database.commit())
        throw HistoryError(QStringLiteral("ошибка базы данных журнала: %1")
                               .arg(database.lastError().text()));
}

int HistoryDatabase::stored_schema_version() const
{
    QSqlQuery query = Query(connection_name_, "SELECT version FROM schema_version").run();
    return query.next() ? query.value(0).toInt() : 0;
}

QString HistorySession::key() const
{
    return id.isEmpty() ? QStringLiteral("file:") + file_name
                        : QStringLiteral("%1/%2/%3").arg(station, account, id);
}

bool HistoryDatabase::add(const HistorySession &session, const QString &file_text)
{
    QSqlQuery query =
        Query(connection_name_,
              "INSERT INTO sessions (session_key, file_name, station, account, trainee, started,"
              " length_ms, modes, lesson, stages_by_trainee, score, file_size, file_text,"
              " exercise, goal_reached)"
              " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
              " ON CONFLICT (session_key) DO UPDATE SET file_name = excluded.file_name,"
              " trainee = excluded.trainee, started = excluded.started,"
              " length_ms = excluded.length_ms, modes = excluded.modes,"
              " lesson = excluded.lesson, stages_by_trainee = excluded.stages_by_trainee,"
              " score = excluded.score, file_size = excluded.file_size,"
              " file_text = excluded.file_text, exercise = excluded.exercise,"
              " goal_reached = excluded.goal_reached"
              " WHERE sessions.file_size < excluded.file_size")
            .bind(session.key())
            .bind(session.file_name)
            .bind(not_null(session.station))
            .bind(not_null(session.account))
            .bind(session.trainee)
            .bind(session.started.toString(Qt::ISODate))
            .bind(session.length_ms)
            .bind(session.modes)
            .bind(session.lesson)
            .bind(session.stages_by_trainee)
            .bind(session.score ? QVariant(*session.score) : QVariant(QMetaType::fromType<int>()))
            .bind(session.file_size)
            .bind(file_text)
            .bind(not_null(session.exercise))
            .bind(session.goal_reached ? QVariant(*session.goal_reached ? 1 : 0)
                                       : QVariant(QMetaType::fromType<int>()))
            .run();
    return query.numRowsAffected() == 1;
}

std::optional<qint64> HistoryDatabase::stored_size(const QString &key) const
{
    QSqlQuery query = Query(connection_name_, "SELECT file_size FROM sessions WHERE session_key = ?")
                          .bind(key)
                          .run();
    if (!query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

QStringList HistoryDatabase::trainees() const
{
    QSqlQuery query =
        Query(connection_name_, "SELECT DISTINCT trainee FROM sessions ORDER BY trainee").run();
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    return names;
}

std::vector<HistorySession> HistoryDatabase::sessions_of(const QString &trainee) const
{
    return sessions_where(QStringLiteral("WHERE trainee = ?"), {trainee});
}

std::vector<HistorySession> HistoryDatabase::all_sessions() const
{
    return sessions_where({}, {});
}

std::vector<HistorySession> HistoryDatabase::sessions_where(const QString &condition,
                                                            const QVariantList &values) const
{
    QSqlQuery query =
        Query(connection_name_,
              "SELECT file_name, trainee, started, length_ms, modes, lesson, stages_by_trainee,"
              " score, station, account, session_key, file_size, exercise, goal_reached"
              " FROM sessions " +
                  condition + " ORDER BY trainee, started, file_name")
            .bind_all(values)
            .run();
    std::vector<HistorySession> sessions;
    while (query.next()) {
        HistorySession session;
        session.file_name = query.value(0).toString();
        session.trainee = query.value(1).toString();
        session.started = QDateTime::fromString(query.value(2).toString(), Qt::ISODate);
        session.length_ms = query.value(3).toLongLong();
        session.modes = query.value(4).toString();
        session.lesson = query.value(5).toString();
        session.stages_by_trainee = query.value(6).toInt();
        if (!query.value(7).isNull())
            session.score = query.value(7).toInt();
        session.station = query.value(8).toString();
        session.account = query.value(9).toString();
        const QString key = query.value(10).toString();
        if (!key.startsWith(QStringLiteral("file:")))
            session.id = key.section(u'/', -1);
        session.file_size = query.value(11).toLongLong();
        session.exercise = query.value(12).toString();
        if (!query.value(13).isNull())
            session.goal_reached = query.value(13).toInt() != 0;
        sessions.push_back(session);
    }
    return sessions;
}

std::optional<QString> HistoryDatabase::session_text(const QString &key) const
{
    QSqlQuery query =
        Query(connection_name_, "SELECT file_text FROM sessions WHERE session_key = ?")
            .bind(key)
                           .run();
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

bool HistoryDatabase::keep_in_library(LibraryKind kind, const QString &name, const QString &text,
                                      WhenNamed when_named)
{
    const char *const statement =
        when_named == WhenNamed::Refuse
            ? "INSERT INTO library (kind, name, item_text) VALUES (?, ?, ?)"
              " ON CONFLICT (kind, name) DO NOTHING"
            : "INSERT INTO library (kind, name, item_text) VALUES (?, ?, ?)"
              " ON CONFLICT (kind, name) DO UPDATE SET item_text = excluded.item_text";
    const QSqlQuery kept =
        Query(connection_name_, statement).bind_all({kind_word(kind), name, text}).run();
    return kept.numRowsAffected() == 1;
}

std::vector<HistoryDatabase::LibraryItem> HistoryDatabase::library(LibraryKind kind) const
{
    QSqlQuery query =
        Query(connection_name_, "SELECT name, item_text FROM library WHERE kind = ? ORDER BY name")
            .bind(kind_word(kind))
            .run();
    std::vector<LibraryItem> items;
    while (query.next())
        items.push_back({query.value(0).toString(), query.value(1).toString()});
    return items;
}
