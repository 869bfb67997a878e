#pragma once

#include "app/history_keeper.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

// The trainees' history on a thread of its own, with its own connection: the windows ask and are
// told when it is done, and never wait on the database, however long it keeps them waiting
// (locked, read-only, a server away) and however long a session file takes to replay.
class HistoryService final : public QObject {
    Q_OBJECT

public:
    // What the history holds after a storing run, and what happened in it.
    struct Outcome {
        StoringRun run;
        std::vector<HistorySession> sessions;
        QString unavailable_reason; // empty while the database is there
        bool newly_away = false;    // the first time in the program's run that it is away
    };

    // The connection is read from `settings` here; the database is opened on the thread.
    HistoryService(const QSettings &settings, std::filesystem::path sessions_folder,
                   const QString &default_sqlite_file, const zun::ReferenceTimes &reference);
    // Lets what was asked finish for a moment, then gives it up; waits for the thread.
    ~HistoryService() override;
    HistoryService(const HistoryService &) = delete;
    HistoryService &operator=(const HistoryService &) = delete;

    // Stores the session files the history lacks, but for `being_written`; `stored` tells.
    void store_sessions(const std::filesystem::path &being_written);
    // Gives up the storing run going on; what it has not stored waits for the next.
    void cancel_storing();

    // Fetches a stored session's text and hands it to `reply` on the windows' thread, unless
    // `receiver` is gone by then.
    using TextReply = std::function<void(const std::optional<QString> &text, const QString &problem)>;
    void fetch_text(const QString &key, QObject *receiver, TextReply reply);

    // The instructors' library: the items of a kind, or whether an item was kept (false when the
    // name is taken and not to be replaced), handed to `reply` on the windows' thread unless
    // `receiver` is gone; with the database away, `problem` says why.
    using LibraryReply = std::function<void(const std::vector<HistoryDatabase::LibraryItem> &items,
                                            const QString &problem)>;
    void fetch_library(HistoryDatabase::LibraryKind kind, QObject *receiver, LibraryReply reply);
    using KeptReply = std::function<void(bool kept, const QString &problem)>;
    void keep_in_library(HistoryDatabase::LibraryKind kind, const QString &name,
                         const QString &text, HistoryDatabase::WhenNamed when_named,
                         QObject *receiver, KeptReply reply);

    // The last storing run's outcome, for windows made after it; none before the first.
    const std::optional<Outcome> &last() const { return last_; }

signals:
    void stored(const HistoryService::Outcome &outcome);
    // A file being stored: its name and how far its replay has come (0..100); -1 when done.
    void storing(const QString &file_name, int percent);

private:
    void on_thread(std::function<void()> work);

    QThread thread_;
    QObject worker_; // lives on the thread: what runs there is queued to it
    std::unique_ptr<HistoryKeeper> keeper_; // made, used and gone on the thread
    std::atomic<bool> cancel_ = false;
    std::optional<Outcome> last_;
    bool away_told_ = false;
};
