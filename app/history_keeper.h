#pragma once

#include "store/history_connection.h"
#include "store/history_database.h"

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

class QSettings;

namespace zun {
class ReferenceTimes;
}

// The trainees' history as the program keeps it: the database the settings name, opened at
// start, and every session file of the sessions folder stored in it once. A database that cannot
// be opened leaves the training going on: the session files keep everything, and whatever the
// database lacks is stored when it is back.
class HistoryKeeper {
public:
    HistoryKeeper(const QSettings &settings, std::filesystem::path sessions_folder,
                  const QString &default_sqlite_file, const zun::ReferenceTimes &reference);
    ~HistoryKeeper();
    HistoryKeeper(const HistoryKeeper &) = delete;
    HistoryKeeper &operator=(const HistoryKeeper &) = delete;

    // Null while the database is away; then unavailable_reason() says why.
    const HistoryDatabase *database() const { return database_.get(); }
    const QString &unavailable_reason() const { return unavailable_reason_; }

    // Stores the summary and the text of every session file the database lacks, but for
    // `being_written`, the live session's file; opens the database again first when it was
    // away. Returns how many were stored; a database that fails on the way is given up until the
    // next call.
    int store_new_sessions(const std::filesystem::path &being_written = {});

private:
    void open();

    std::optional<HistoryConnection> connection_;
    std::filesystem::path sessions_folder_;
    const zun::ReferenceTimes &reference_;
    std::unique_ptr<HistoryDatabase> database_;
    QString unavailable_reason_;
};

// The summary the history keeps of a session file's text, replayed headless with its assessment.
HistorySession summarise_session(const QString &file_name, const std::string &file_text,
                                 const zun::ReferenceTimes &reference);
