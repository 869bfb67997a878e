#pragma once

#include <QString>

class QSettings;

// Where the trainees' history is kept: an SQLite file of the user's by default, or a training
// centre's PostgreSQL server. The password is never a setting: the PostgreSQL client takes it
// from ~/.pgpass or PGPASSWORD.
struct HistoryConnection {
    enum class Engine { SQLite, PostgreSQL };

    Engine engine = Engine::SQLite;
    QString sqlite_file;
    QString host; // a host name, or the folder of a local server's socket
    int port = 5432;
    QString database;
    QString user;

    QString describe() const;
};

// Reads the group "history" of the settings (the user's, falling back to the system-wide ones):
// engine = sqlite | postgresql, file, host, port, database, user. A value that makes no sense is
// an error naming the key, so that a mistyped setting is not silently replaced.
HistoryConnection history_connection(const QSettings &settings, const QString &default_sqlite_file);
