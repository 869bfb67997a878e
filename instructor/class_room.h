#pragma once

#include "runner/station_replay.h"
#include "store/class_view.h"

#include <QObject>
#include <QString>

#include <chrono>
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
// server is asked on `refresh` and whenever it announces new lines; a server away is no error:
// the rows stay as they were and `away_reason` says why until it answers again.
class ClassRoom final : public QObject {
    Q_OBJECT

public:
    // A station pushes its lines several times a second: a few seconds of silence mean it is gone.
    static constexpr std::chrono::milliseconds silence_allowed{5000};

    explicit ClassRoom(const HistoryConnection &connection, QObject *parent = nullptr);

    // Reads the stations and the lines they stored since, and the answers to the last command.
    void refresh();
    const std::vector<ClassRow> &rows() const { return rows_; }
    const QString &away_reason() const { return away_reason_; }
    const std::optional<SentCommand> &last_command() const { return last_command_; }
    // The replay of the session a station streams, or none before its first; shared, so that
    // whoever shows it can keep it after the station has gone on to another session.
    std::shared_ptr<const StationReplay> replay_of(const QString &login) const;

    // Sends a script line to a station, or to every station; false when the server is away.
    bool send(const QString &line, const std::optional<QString> &station);
    // Sets the lesson of a station, or of every station, and sends it as a command.
    bool set_lesson(ClassLesson lesson, const std::optional<QString> &station);

signals:
    void changed();

private:
    // A station's session being replayed.
    struct Followed {
        QString session;
        std::shared_ptr<StationReplay> replay = std::make_shared<StationReplay>();
        bool has_lines = false;
    };

    // Runs `work` against the server; false, with the reason kept, when it is away.
    template <typename Work> bool talk(Work work);
    ClassRow row_of(const ClassStation &station, const std::vector<ClassAnswer> &answers);
    void follow_lines(const ClassStation &station);

    ClassView view_;
    std::map<QString, Followed> followed_; // by the station's login
    std::vector<ClassRow> rows_;
    std::optional<SentCommand> last_command_;
    QString away_reason_;
};
