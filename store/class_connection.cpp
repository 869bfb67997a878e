#include "class_connection.h"

#include "store/history_error.h"

#include <QSqlDatabase>
#include <QUuid>

ClassConnection::ClassConnection(const HistoryConnection &connection)
    : name_(QUuid::createUuid().toString())
{
    if (connection.engine != HistoryConnection::Engine::PostgreSQL)
        throw HistoryError(QStringLiteral("класс центра живёт только на сервере PostgreSQL, а "
                                          "журнал настроен на %1")
                               .arg(connection.describe()));
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
    database.setConnectOptions(QStringLiteral("connect_timeout=5"));
    database.setHostName(connection.host);
    database.setPort(connection.port);
    database.setDatabaseName(connection.database);
    database.setUserName(connection.user);
}

ClassConnection::~ClassConnection()
{
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}
