#pragma once

#include "store/history_connection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// One trainee's session as the history keeps it; the session file's text is kept beside it so
// that any PC of a centre can replay it.
struct HistorySession {
    QString file_name; // the session file's name, unique
    QString trainee;
    QDateTime started;
    qint64 length_ms = 0;
    QString modes;     // the working modes used, e.g. "0,1"
    QString lesson = QStringLiteral("training"); // training | exam
    int stages_by_trainee = 0;
    std::optional<int> score; // none for a demonstration
};

// The trainees' history through Qt SQL, the same code for SQLite and PostgreSQL. Opening
// creates the schema on first use and migrates an older one; a newer schema, or a database
// that cannot be opened, throws HistoryError and leaves the database as it was.
class HistoryDatabase {
public:
    static constexpr int schema_version = 2;

    explicit HistoryDatabase(const HistoryConnection &connection);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    // Stores a session unless one of that file name is already there; true when stored.
    bool add(const HistorySession &session, const QString &file_text);
    bool contains(const QString &file_name) const;
    QStringList trainees() const;
    // A trainee's sessions, the oldest first.
    std::vector<HistorySession> sessions_of(const QString &trainee) const;
    std::optional<QString> session_text(const QString &file_name) const;

private:
    class Query;

    void migrate();
    int stored_schema_version() const;

    QString connection_name_;
};
