#pragma once

#include "store/history_connection.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <vector>

// One trainee's session as the history keeps it; the session file's text is kept beside it so
// that any PC of a centre can replay it.
struct HistorySession {
    QString file_name; // the session file's name, which two PCs or two accounts may share
    QString station;   // the PC, the account and the random id of the session's header
    QString account;
    QString id;
    QString trainee;
    QDateTime started;
    qint64 length_ms = 0;
    QString modes;     // the working modes used, e.g. "0,1"
    QString lesson = QStringLiteral("training"); // training | exam
    QString exercise;                            // the exercise the session was of, if any
    std::optional<bool> goal_reached; // its goal but for the score; none without an exercise
    int stages_by_trainee = 0;
    std::optional<int> score; // none for a demonstration
    qint64 file_size = 0;     // the file's bytes when stored: a file grown since is stored again

    // What tells the session from any other of a centre: the PC, the account and the id of its
    // header; a file recorded before headers had them is known by its name.
    QString key() const;
};

// The trainees' history through Qt SQL, the same code for SQLite and PostgreSQL. Opening
// creates the schema on first use and migrates an older one; a newer schema, or a database
// that cannot be opened, throws HistoryError and leaves the database as it was.
class HistoryDatabase {
public:
    static constexpr int schema_version = 5;

    explicit HistoryDatabase(const HistoryConnection &connection);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    // Stores a session, or replaces the one of its key when its file has grown since; true when
    // either was done.
    bool add(const HistorySession &session, const QString &file_text);
    // The size of the file stored under `key`, when one is.
    std::optional<qint64> stored_size(const QString &key) const;
    QStringList trainees() const;
    // A trainee's sessions, the oldest first.
    std::vector<HistorySession> sessions_of(const QString &trainee) const;
    // Every trainee's, by trainee, each one's oldest first.
    std::vector<HistorySession> all_sessions() const;
    std::optional<QString> session_text(const QString &key) const;

    // The instructors' library: exercises and snapshots, each kept by its name as its text, so
    // that every PC of a centre sees the same.
    enum class LibraryKind { Exercise, Snapshot, Course };
    struct LibraryItem {
        QString name;
        QString text;
    };
    // Keeps `text` under `name`; when the kind has the name already, either keeps nothing and
    // returns false, or replaces what it had.
    enum class WhenNamed { Refuse, Replace };
    bool keep_in_library(LibraryKind kind, const QString &name, const QString &text,
                         WhenNamed when_named = WhenNamed::Refuse);
    // Every item of the kind, by name.
    std::vector<LibraryItem> library(LibraryKind kind) const;

private:
    class Query;

    void migrate();
    std::vector<HistorySession> sessions_where(const QString &condition,
                                               const QVariantList &values) const;
    int stored_schema_version() const;

    QString connection_name_;
};
