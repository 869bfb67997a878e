#pragma once

#include "runner/station_replay.h"
#include "store/class_view.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// A command the instructor sent last, and whom to.
struct SentCommand {
    qint64 id = 0;
    QString line = {};
    std::optional<QString> station = {}; // none: every station
};

// What the class's table shows of one station.
struct ClassRow {
    ClassStation station = {};
    std::optional<SessionProgress> progress = {}; // none before its session's first line arrived
    std::optional<std::string> replay_failure = {};
    bool on_line = false;
    // Its answer to the last command, when that was addressed to it: none while unconfirmed.
    std::optional<std::optional<QString>> last_answer = {};
};

// The class as the instructor follows it: the stations' rows, each station's session replayed
// from the lines it streams, each line once as it arrives, and the commands sent to them. The
// server is asked on `refresh` and whenever it announces new lines, on a thread of its own with
// its own connection, so that the windows never wait for it; the replays run on the windows'
// thread as the answers come. A server away is no error: the rows stay as they were and
// `away_reason` says why until it answers again.
class ClassRoom final : public QObject {
    Q_OBJECT

public:
    // A station pushes its lines several times a second: a few seconds of silence mean it is gone.
    static constexpr std::chrono::milliseconds silence_allowed{5000};

    explicit ClassRoom(const HistoryConnection &connection, QObject *parent = nullptr);
    // Waits for what the thread is doing with the server.
    ~ClassRoom() override;
    ClassRoom(const ClassRoom &) = delete;
    ClassRoom &operator=(const ClassRoom &) = delete;

    // Asks for the stations and the lines they stored since, and the answers to the last command;
    // `changed` comes with them. Asked while an answer is awaited, it asks once more after it.
    void refresh();
    const std::vector<ClassRow> &rows() const { return rows_; }
    const QString &away_reason() const { return away_reason_; }
    const std::optional<SentCommand> &last_command() const { return last_command_; }
    // The replay of the session a station streams, or none before its first; shared, so that
    // whoever shows it can keep it after the station has gone on to another session.
    std::shared_ptr<const StationReplay> replay_of(const QString &login) const;

    // Sends a script line to a station, or to every station; the rows show its answers.
    void send(const QString &line, const std::optional<QString> &station);
    // Sets the lesson of a station, or of every station, and sends it as a command.
    void set_lesson(ClassLesson lesson, const std::optional<QString> &station);

signals:
    void changed();

private:
    class Reader;
    // What a read brought: the stations, each one's new lines, the last command's answers.
    struct Readout;

    // A station's session being replayed.
    struct Followed {
        QString session;
        std::shared_ptr<StationReplay> replay = std::make_shared<StationReplay>();
        bool has_lines = false;
    };

    // Runs `work` with the reader on its thread, then `done` with its outcome here: the reason
    // the server is away, empty when it answered.
    void on_thread(std::function<void(Reader &)> work, std::function<void()> done);
    void take(const Readout &readout);
    ClassRow row_of(const ClassStation &station, const std::vector<ClassAnswer> &answers) const;

    QThread thread_;
    QObject worker_;                       // lives on the thread: what runs there is queued to it
    std::unique_ptr<Reader> reader_;       // made, used and gone on the thread
    std::map<QString, Followed> followed_; // by the station's login
    std::vector<ClassRow> rows_;
    std::optional<SentCommand> last_command_;
    QString away_reason_;
    bool reading_ = false;
    bool read_again_ = false;
};
