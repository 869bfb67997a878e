#include "history_connection.h"

#include "store/history_error.h"

#include <QSettings>

QString HistoryConnection::describe() const
{
    if (engine == Engine::SQLite)
        return QStringLiteral("SQLite %1").arg(sqlite_file);
    return QStringLiteral("PostgreSQL %1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

HistoryConnection history_connection(const QSettings &settings, const QString &default_sqlite_file)
{
    HistoryConnection connection;
    const QString engine = settings.value("history/engine", "sqlite").toString().trimmed();
    if (engine.compare("postgresql", Qt::CaseInsensitive) == 0)
        connection.engine = HistoryConnection::Engine::PostgreSQL;
    else if (engine.compare("sqlite", Qt::CaseInsensitive) != 0)
        throw HistoryError(QStringLiteral("history/engine: «%1» — не sqlite и не postgresql")
                               .arg(engine));
    connection.sqlite_file = settings.value("history/file", default_sqlite_file).toString();
    connection.host = settings.value("history/host", "localhost").toString();
    connection.database = settings.value("history/database", "zun_trainer").toString();
    connection.user = settings.value("history/user").toString();
    bool port_is_number = false;
    connection.port = settings.value("history/port", 5432).toInt(&port_is_number);
    if (!port_is_number || connection.port < 1 || connection.port > 65535)
        throw HistoryError(QStringLiteral("history/port: «%1» — не номер порта")
                               .arg(settings.value("history/port").toString()));
    return connection;
}
