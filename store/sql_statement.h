#pragma once

#include "store/history_error.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <utility>

// A statement on a named connection that throws HistoryError on failure, with the server's words.
class SqlStatement {
public:
    SqlStatement(const QString &connection_name, const QString &sql)
        : query_(QSqlDatabase::database(connection_name, false)), sql_(sql)
    {
    }
    SqlStatement &&bind(const QVariant &value) &&
    {
        values_ << value;
        return std::move(*this);
    }
    QSqlQuery run() &&
    {
        const bool done = values_.isEmpty() ? query_.exec(sql_) : prepare_and_execute();
        if (!done)
            throw HistoryError(query_.lastError().text());
        return std::move(query_);
    }

private:
    bool prepare_and_execute()
    {
        if (!query_.prepare(sql_))
            return false;
        for (const QVariant &value : std::as_const(values_))
            query_.addBindValue(value);
        return query_.exec();
    }

    QSqlQuery query_;
    QString sql_;
    QVariantList values_;
};
