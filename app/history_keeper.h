#pragma once

#include "runner/sim_runner.h"
#include "store/history_connection.h"
#include "store/history_database.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

class QSettings;

namespace zun {
class ReferenceTimes;
}

// A session file the history did not store, and why.
struct RefusedSession {
    std::filesystem::path file;
    QString reason;
};

// What one storing run did.
struct StoringRun {
    int stored = 0;
    std::vector<RefusedSession> refused; // each file listed once in the program's run
    bool cancelled = false;
};

// The trainees' history as the program keeps it: the database the settings name, opened at
// start, and every session file of the sessions folder stored in it once, again when it has grown.
// A database that cannot be opened leaves the training going on: the session files keep
// everything, and whatever the database lacks is stored when it is back. It waits on the database,
// so the program keeps it off the windows' thread.
class HistoryKeeper {
public:
    HistoryKeeper(const QSettings &settings, std::filesystem::path sessions_folder,
                  const QString &default_sqlite_file, const zun::ReferenceTimes &reference);
    // The connection read from the settings already, or the reason it could not be.
    HistoryKeeper(std::optional<HistoryConnection> connection, QString unreadable_reason,
                  std::filesystem::path sessions_folder, const zun::ReferenceTimes &reference);
    ~HistoryKeeper();
    HistoryKeeper(const HistoryKeeper &) = delete;
    HistoryKeeper &operator=(const HistoryKeeper &) = delete;

    // Null while the database is away; then unavailable_reason() says why.
    const HistoryDatabase *database() const { return database_.get(); }
    HistoryDatabase *database() { return database_.get(); }
    const QString &unavailable_reason() const { return unavailable_reason_; }

    // Stores the summary and the text of every session file that the database lacks or holds
    // shorter, but for `being_written`, the live session's file, and any file another program
    // still writes; opens the database again first when it was away. A file whose replay fails,
    // or does not reach the state hash it recorded, or that has no start, is refused; the others
    // are stored all the same. `progress` follows each file's replay (the virtual time reached of
    // its length), told 0 before each, and may give the run up; the file given up is not tried
    // again while the program runs. A database that fails on the way is given up until the next
    // call.
    using Progress = std::function<bool(const std::filesystem::path &file, zun::Millis reached,
                                        zun::Millis length)>;
    StoringRun store_new_sessions(const std::filesystem::path &being_written = {},
                                  const Progress &progress = {});

private:
    HistoryKeeper(std::pair<std::optional<HistoryConnection>, QString> connection,
                  std::filesystem::path sessions_folder, const zun::ReferenceTimes &reference);
    void open();

    std::optional<HistoryConnection> connection_;
    std::filesystem::path sessions_folder_;
    const zun::ReferenceTimes &reference_;
    std::unique_ptr<HistoryDatabase> database_;
    QString unavailable_reason_;
    using FileVersion = std::pair<std::filesystem::path, std::uintmax_t>; // a file at a size
    std::set<FileVersion> refused_;  // told already
    std::set<FileVersion> given_up_; // its storing was given up: not tried again in this run
};

// The summary the history keeps of a session file's text, replayed headless with its assessment;
// or why it is not to be kept.
struct SummarisedSession {
    HistorySession session;
    QString refusal;        // empty when the session may be stored
    bool cancelled = false; // the progress watcher gave the replay up
};
SummarisedSession summarise_session(const QString &file_name, const std::string &file_text,
                                    const zun::ReferenceTimes &reference,
                                    const SimRunner::Progress &progress = {});
