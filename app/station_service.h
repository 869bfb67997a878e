#pragma once

#include "store/station_link.h"

#include <QObject>
#include <QThread>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QSettings;

// This PC as a station of its centre's class, on a thread of its own with its own connection, so
// that the windows never wait for the server. Every beat of wall time (this is I/O, not the
// simulation's time) it pushes the lines of the session file being written, and hands the
// commands addressed to the station, each once, to the windows' thread. With the history kept in
// SQLite there is no class, and the service does nothing.
class StationService final : public QObject {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds beat{250};

    // The connection is the history's, read from `settings` here; the link is made on the thread.
    // The sessions of `sessions_folder` that an earlier run left unfinished on the server are
    // completed once it answers.
    StationService(const QSettings &settings, const QString &default_sqlite_file,
                   const StationIdentity &identity, const std::filesystem::path &sessions_folder);
    // Pushes what the session file holds by then, once more, and waits for the thread.
    ~StationService() override;
    StationService(const StationService &) = delete;
    StationService &operator=(const StationService &) = delete;

    // Whether the history's settings name a centre's PostgreSQL, where the class lives.
    bool in_class() const { return thread_.isRunning(); }

    // From now on, streams this session's file: the recording's, or an examination's of its own.
    void follow(const StreamedSession &session);
    // Confirms a command told by `commands_arrived` with the station's answer.
    void confirm(qint64 command_id, const QString &answer);
    // Asks for the lesson an instructor set for this station; `reply` gets it on the windows'
    // thread, unless `receiver` is gone by then, with the link's state (away: no lesson known).
    using LessonReply =
        std::function<void(std::optional<ClassLesson> lesson, const StationLink::State &state)>;
    void fetch_lesson(QObject *receiver, LessonReply reply);

signals:
    // The link's state, each time it changes: connected, or away and why.
    void state_changed(const StationLink::State &state);
    // Commands addressed to this station that it has not confirmed, each told once.
    void commands_arrived(const std::vector<ClassCommand> &commands);

private:
    class Beats;

    void on_thread(std::function<void()> work);

    QThread thread_;
    QObject worker_;               // lives on the thread: what runs there is queued to it
    std::unique_ptr<Beats> beats_; // made, used and gone on the thread
};
