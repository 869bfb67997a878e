#pragma once

#include "store/class_connection.h"
#include "store/history_connection.h"
#include "store/station_link.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

// A station as its row in the class says: who it is, and the session it streams.
struct ClassStation {
    QString login = {};
    QString pc = {};
    QString account = {};
    QString program_version = {};
    QDateTime started = {};
    QDateTime last_seen = {};
    qint64 silent_ms = 0; // since it was last seen, by the server's clock
    QString trainee = {}; // of the session it streams; empty before the first
    QString session = {};
    std::optional<ClassLesson> lesson = {}; // the one an instructor set, if one did
};

// A line of a station's session file, numbered from 1.
struct ClassLine {
    int seq = 0;
    QString line;
};

// A station's confirmation of a command.
struct ClassAnswer {
    QString station;
    QString answer;
    QDateTime confirmed_at;
};

// A batch of lines a station stored, as the class announces it.
struct LinesNotice {
    QString station;
    QString session;
    int seq = 0; // the batch's last line
};

// The announcement's payload, {"station": ..., "session": ..., "seq": N}; none when it is not one.
std::optional<LinesNotice> parse_lines_notice(const QString &payload);

// The instructor's side of the class, over the class's tables in the centre's PostgreSQL with an
// instructor's login: the stations, their lines, the commands and their answers, the lessons, and
// the announcements of new lines. Each call connects when the connection is not open; a call the
// server does not answer throws HistoryError and leaves the connection closed, so that the next
// call connects anew. A view is used on the thread that made it.
class ClassView final : public QObject {
    Q_OBJECT

public:
    static constexpr const char *channel = "zun_class";

    // The connection is the history's, with the instructor's login as its user. A history kept in
    // SQLite has no class, and is refused (HistoryError). Nothing is asked before the first call.
    explicit ClassView(const HistoryConnection &connection, QObject *parent = nullptr);
    ~ClassView() override;
    ClassView(const ClassView &) = delete;
    ClassView &operator=(const ClassView &) = delete;

    // Connects, and listens to the announcements from then on; nothing when connected already.
    void open();
    bool is_open() const;

    // Every station of the class, by login.
    std::vector<ClassStation> stations();
    // A station's lines of a session after `seq`, in order.
    std::vector<ClassLine> lines_after(const QString &station, const QString &session, int seq);
    // Sends a command line to a station, or to every station when there is none; its id.
    qint64 send(const QString &line, const std::optional<QString> &station);
    // The stations' confirmations of a command, in the order they came.
    std::vector<ClassAnswer> answers(qint64 command);
    // Sets a station's lesson, kept until an instructor sets another.
    void set_lesson(const QString &station, ClassLesson lesson);

signals:
    // A station stored lines.
    void lines_announced(const LinesNotice &notice);

private:
    // Runs `work`; a failure closes the connection before the error goes on.
    template <typename Work> auto talk(Work work);
    void listen();
    void take_notification(const QString &name, const QVariant &payload);

    ClassConnection connection_;
};
