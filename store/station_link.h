#pragma once

#include "store/class_connection.h"
#include "store/history_connection.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class FileLines;

// A trainee's PC as its centre's instructors see it. Its name in the class is its login, the
// connection's user.
struct StationIdentity {
    QString pc;
    QString account;
    QString program_version;
    QDateTime started; // the program's start
};

// The session a station streams to the class: its file, being written, and its header's id and
// trainee.
struct StreamedSession {
    QString file;
    QString id;
    QString trainee;
};

// A command line an instructor sent to this station, or to every station.
struct ClassCommand {
    qint64 id = 0;
    QString line;
};

// The lesson an instructor set for a station: an examination is the station's until an
// instructor ends it, however often the program starts again.
enum class ClassLesson { Training, Exam };

// A station's side of its centre's class, over the class's tables in the centre's PostgreSQL
// (scripts/centre-setup.sh makes them). The session file is the queue: each push asks what the
// server lacks of it and sends that, so the stored lines always equal the file, whether the
// server was away meanwhile or the program was killed and started again. The server away is no
// error: every call then does what it can without it, the state says why, and the next call tries
// again. A link is used on the thread that made it.
class StationLink {
public:
    struct State {
        bool connected = false;
        QString away_reason; // empty while connected, or before the first call
    };

    // The connection is the history's: a centre's PostgreSQL, with the station's login as its
    // user. A history kept in SQLite has no class, and is refused (HistoryError). Nothing is
    // asked of the server before the first call.
    StationLink(const HistoryConnection &connection, StationIdentity identity);
    ~StationLink();
    StationLink(const StationLink &) = delete;
    StationLink &operator=(const StationLink &) = delete;

    // From the next push on, streams this session's file; the station's row names it. The one
    // followed before is completed first, until the server holds it whole: it may have ended
    // while the server was away.
    void follow(const StreamedSession &session);
    // Completes a session followed in an earlier run of the program, which ended or was killed
    // with lines the server lacks; before the followed one's, at each push until it is whole.
    void complete(const StreamedSession &session);
    // Sends the lines the server lacks of the sessions to complete and of the followed one, in
    // order, each session's in one transaction; how many it stored.
    int push();
    // This station's sessions none of whose stored lines begins with `end_mark`, the mark of a
    // session file's end line: those that were being streamed when the program or the server
    // stopped (a killed session never gets one). Empty when the server is away: the state says so.
    std::vector<QString> unended_sessions(const QString &end_mark);

    // The commands addressed to this station that it has not confirmed yet, the oldest first.
    std::vector<ClassCommand> unconfirmed_commands();
    // Confirms a command with the station's answer; false when it was confirmed before, or the
    // server is away or refuses (a command not addressed to this station): the state says why.
    bool confirm(qint64 command_id, const QString &answer);
    // The lesson an instructor set for this station; none when none is, or the server is away.
    std::optional<ClassLesson> lesson();

    const State &state() const { return state_; }

private:
    // A session file streamed to the class, and how much of it the server holds.
    struct Streamed {
        explicit Streamed(const StreamedSession &streamed);
        StreamedSession session;
        std::unique_ptr<FileLines> file_lines;
        std::optional<int> stored_through = {}; // its last stored line, once asked
    };

    template <typename Work, typename Answer> Answer talk(Work work, Answer when_away);
    void open();
    void introduce();
    // Sends the lines of `streamed` the server lacks; how many it stored.
    int send_new_lines(Streamed &streamed);
    void go_away(const QString &reason);

    ClassConnection connection_;
    StationIdentity identity_;
    std::optional<Streamed> followed_;
    std::vector<Streamed> earlier_; // to complete, in the order they were followed
    bool introduced_ = false;
    State state_;
};
