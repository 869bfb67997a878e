#pragma once

#include "store/history_connection.h"

#include <QString>

// A connection of its own to the centre's PostgreSQL, where the class lives, registered under a
// name of its own while this lives, and closed with it. A history kept in SQLite has no class
// and is refused (HistoryError). Nothing is asked of the server until the connection is opened;
// then an absent server is waited for only a few seconds.
class ClassConnection {
public:
    explicit ClassConnection(const HistoryConnection &connection);
    ~ClassConnection();
    ClassConnection(const ClassConnection &) = delete;
    ClassConnection &operator=(const ClassConnection &) = delete;

    const QString &name() const { return name_; }

private:
    QString name_;
};
