#include "station_link.h"

#include "store/file_lines.h"
#include "store/history_error.h"
#include "store/sql_statement.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <iterator>

StationLink::StationLink(const HistoryConnection &connection, StationIdentity identity)
    : connection_(connection), identity_(std::move(identity))
{
}

StationLink::~StationLink() = default;

StationLink::Streamed::Streamed(const StreamedSession &streamed)
    : session(streamed), file_lines(std::make_unique<FileLines>(streamed.file))
{
}

void StationLink::follow(const StreamedSession &session)
{
    if (followed_)
        earlier_.push_back(std::move(*followed_));
    followed_.emplace(session);
    introduced_ = false;
}

void StationLink::complete(const StreamedSession &session)
{
    if (std::ranges::none_of(earlier_, [&session](const Streamed &streamed) {
            return streamed.session.id == session.id;
        }))
        earlier_.emplace_back(session);
}

// An earlier session is whole on the server once a push has left none of its lines behind: its
// file is no longer written.
int StationLink::push()
{
    return talk(
        [this] {
            int stored = 0;
            for (auto earlier = earlier_.begin(); earlier != earlier_.end();) {
                stored += send_new_lines(*earlier);
                earlier = earlier->file_lines->after(*earlier->stored_through).isEmpty()
                              ? earlier_.erase(earlier)
                              : std::next(earlier);
            }
            if (followed_)
                stored += send_new_lines(*followed_);
            SqlStatement(connection_.name(),
                         "UPDATE class.stations SET last_seen = now() WHERE station = current_user")
                .run();
            return stored;
        },
        0);
}

std::vector<QString> StationLink::unended_sessions(const QString &end_mark)
{
    return talk(
        [this, &end_mark] {
            QSqlQuery query =
                SqlStatement(connection_.name(), "SELECT session FROM class.lines"
                                                 " WHERE station = current_user GROUP BY session"
                                                 " HAVING NOT bool_or(starts_with(line, ?))"
                                                 " ORDER BY session")
                    .bind(end_mark)
                    .run();
            std::vector<QString> sessions;
            while (query.next())
                sessions.push_back(query.value(0).toString());
            return sessions;
        },
        std::vector<QString>{});
}

std::vector<ClassCommand> StationLink::unconfirmed_commands()
{
    return talk(
        [this] {
            QSqlQuery query =
                SqlStatement(connection_.name(),
                             "SELECT id, line FROM class.commands"
                             " WHERE (station = current_user OR station IS NULL)"
                             " AND NOT EXISTS (SELECT FROM class.answers WHERE"
                             " answers.command = commands.id AND answers.station = current_user)"
                             " ORDER BY id")
                    .run();
            std::vector<ClassCommand> commands;
            while (query.next())
                commands.push_back({query.value(0).toLongLong(), query.value(1).toString()});
            return commands;
        },
        std::vector<ClassCommand>{});
}

bool StationLink::confirm(qint64 command_id, const QString &answer)
{
    return talk(
        [this, command_id, &answer] {
            return SqlStatement(connection_.name(), "INSERT INTO class.answers (command, answer)"
                                                    " VALUES (?, ?) ON CONFLICT DO NOTHING")
                       .bind(command_id)
                       .bind(answer)
                       .run()
                       .numRowsAffected() == 1;
        },
        false);
}

std::optional<ClassLesson> StationLink::lesson()
{
    return talk(
        [this]() -> std::optional<ClassLesson> {
            QSqlQuery query = SqlStatement(connection_.name(), "SELECT lesson FROM class.lessons"
                                                               " WHERE station = current_user")
                                  .run();
            if (!query.next())
                return std::nullopt;
            return query.value(0).toString() == QStringLiteral("exam") ? ClassLesson::Exam
                                                                       : ClassLesson::Training;
        },
        std::optional<ClassLesson>{});
}

// A connection that was open may have been dropped by the server since (it restarted): it is
// opened anew once before the server counts as away.
template <typename Work, typename Answer> Answer StationLink::talk(Work work, Answer when_away)
{
    int tries = QSqlDatabase::database(connection_.name(), false).isOpen() ? 2 : 1;
    while (true) {
        try {
            open();
            introduce();
            Answer answer = work();
            state_ = {true, {}};
            return answer;
        } catch (const HistoryError &error) {
            go_away(error.text());
            if (--tries == 0)
                return when_away;
        }
    }
}

void StationLink::open()
{
    QSqlDatabase database = QSqlDatabase::database(connection_.name(), false);
    if (!database.isOpen() && !database.open())
        throw HistoryError(database.lastError().text());
}

// The station's row, written when it connects and when it follows another session.
void StationLink::introduce()
{
    if (introduced_)
        return;
    const QVariant none(QMetaType::fromType<QString>());
    SqlStatement(connection_.name(),
                 "INSERT INTO class.stations"
                 " (pc, account, program_version, started, trainee, session, last_seen)"
                 " VALUES (?, ?, ?, ?, ?, ?, now())"
                 " ON CONFLICT (station) DO UPDATE SET pc = excluded.pc,"
                 " account = excluded.account, program_version = excluded.program_version,"
                 " started = excluded.started, trainee = excluded.trainee,"
                 " session = excluded.session, last_seen = excluded.last_seen")
        .bind(identity_.pc)
        .bind(identity_.account)
        .bind(identity_.program_version)
        .bind(identity_.started)
        .bind(followed_ ? QVariant(followed_->session.trainee) : none)
        .bind(followed_ ? QVariant(followed_->session.id) : none)
        .run();
    introduced_ = true;
}

int StationLink::send_new_lines(Streamed &streamed)
{
    if (!streamed.stored_through) {
        QSqlQuery query =
            SqlStatement(connection_.name(), "SELECT coalesce(max(seq), 0) FROM class.lines"
                                             " WHERE station = current_user AND session = ?")
                .bind(streamed.session.id)
                .run();
        streamed.stored_through = query.next() ? query.value(0).toInt() : 0;
    }
    const QStringList lines = streamed.file_lines->after(*streamed.stored_through);
    if (lines.isEmpty())
        return 0;
    // The batch goes as one text, each line ended by its newline, and one statement: one
    // notification announces it.
    const int stored =
        SqlStatement(connection_.name(), "INSERT INTO class.lines (session, seq, line)"
                                         " SELECT ?, ? + number::integer, line"
                                         " FROM unnest(string_to_array(?, E'\\n')) WITH ORDINALITY"
                                         " AS batch (line, number)"
                                         " WHERE number <= ? ON CONFLICT DO NOTHING")
            .bind(streamed.session.id)
            .bind(*streamed.stored_through)
            .bind(lines.join(u'\n') + u'\n')
            .bind(int(lines.size()))
            .run()
            .numRowsAffected();
    *streamed.stored_through += int(lines.size());
    return stored;
}

void StationLink::go_away(const QString &reason)
{
    QSqlDatabase::database(connection_.name(), false).close();
    introduced_ = false;
    for (Streamed &earlier : earlier_)
        earlier.stored_through.reset();
    if (followed_)
        followed_->stored_through.reset();
    state_ = {false, reason};
}
