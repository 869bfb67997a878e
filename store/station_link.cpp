#include "station_link.h"

#include "store/file_lines.h"
#include "store/history_error.h"
#include "store/sql_statement.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

StationLink::StationLink(const HistoryConnection &connection, StationIdentity identity)
    : connection_(connection), identity_(std::move(identity))
{
}

StationLink::~StationLink() = default;

void StationLink::follow(const StreamedSession &session)
{
    session_ = session;
    file_lines_ = std::make_unique<FileLines>(session.file);
    stored_through_.reset();
    introduced_ = false;
}

int StationLink::push()
{
    return talk([this] { return send_new_lines(); }, 0);
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
        .bind(session_ ? QVariant(session_->trainee) : none)
        .bind(session_ ? QVariant(session_->id) : none)
        .run();
    introduced_ = true;
}

int StationLink::send_new_lines()
{
    if (!session_)
        return 0;
    if (!stored_through_) {
        QSqlQuery query =
            SqlStatement(connection_.name(), "SELECT coalesce(max(seq), 0) FROM class.lines"
                                             " WHERE station = current_user AND session = ?")
                .bind(session_->id)
                .run();
        stored_through_ = query.next() ? query.value(0).toInt() : 0;
    }
    const QStringList lines = file_lines_->after(*stored_through_);
    QSqlDatabase database = QSqlDatabase::database(connection_.name(), false);
    if (!database.transaction())
        throw HistoryError(database.lastError().text());
    int stored = 0;
    if (!lines.isEmpty()) {
        // The batch goes as one text, each line ended by its newline, and one statement: one
        // notification announces it.
        stored = SqlStatement(connection_.name(),
                              "INSERT INTO class.lines (session, seq, line)"
                              " SELECT ?, ? + number::integer, line"
                              " FROM unnest(string_to_array(?, E'\\n')) WITH ORDINALITY"
                              " AS batch (line, number)"
                              " WHERE number <= ? ON CONFLICT DO NOTHING")
                     .bind(session_->id)
                     .bind(*stored_through_)
                     .bind(lines.join(u'\n') + u'\n')
                     .bind(int(lines.size()))
                     .run()
                     .numRowsAffected();
    }
    SqlStatement(connection_.name(),
                 "UPDATE class.stations SET last_seen = now() WHERE station = current_user")
        .run();
    if (!database.commit())
        throw HistoryError(database.lastError().text());
    *stored_through_ += int(lines.size());
    return stored;
}

void StationLink::go_away(const QString &reason)
{
    QSqlDatabase::database(connection_.name(), false).close();
    introduced_ = false;
    stored_through_.reset();
    state_ = {false, reason};
}
