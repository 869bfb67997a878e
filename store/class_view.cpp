#include "class_view.h"

#include "store/history_error.h"
#include "store/sql_statement.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDriver>

std::optional<LinesNotice> parse_lines_notice(const QString &payload)
{
    const QJsonDocument document = QJsonDocument::fromJson(payload.toUtf8());
    const QJsonObject notice = document.object();
    const QJsonValue station = notice.value(QStringLiteral("station"));
    const QJsonValue session = notice.value(QStringLiteral("session"));
    const QJsonValue seq = notice.value(QStringLiteral("seq"));
    if (!station.isString() || !session.isString() || !seq.isDouble() || seq.toInt() < 1)
        return std::nullopt;
    return LinesNotice{station.toString(), session.toString(), seq.toInt()};
}

ClassView::ClassView(const HistoryConnection &connection, QObject *parent)
    : QObject(parent), connection_(connection)
{
    connect(QSqlDatabase::database(connection_.name(), false).driver(), &QSqlDriver::notification,
            this,
            [this](const QString &name, QSqlDriver::NotificationSource, const QVariant &payload) {
                take_notification(name, payload);
            });
}

ClassView::~ClassView() = default;

void ClassView::open()
{
    if (is_open())
        return;
    QSqlDatabase database = QSqlDatabase::database(connection_.name(), false);
    if (!database.open())
        throw HistoryError(database.lastError().text());
    listen();
}

bool ClassView::is_open() const
{
    return QSqlDatabase::database(connection_.name(), false).isOpen();
}

// A connection opened anew subscribes anew: the server forgets a closed session's listening.
void ClassView::listen()
{
    QSqlDriver *driver = QSqlDatabase::database(connection_.name(), false).driver();
    const QString name = QString::fromLatin1(channel);
    if (driver->subscribedToNotifications().contains(name))
        return;
    if (!driver->subscribeToNotification(name)) {
        const QString why = driver->lastError().text();
        QSqlDatabase::database(connection_.name(), false).close();
        throw HistoryError(why);
    }
}

void ClassView::take_notification(const QString &name, const QVariant &payload)
{
    if (name != QLatin1String(channel))
        return;
    if (const std::optional<LinesNotice> notice = parse_lines_notice(payload.toString()))
        emit lines_announced(*notice);
}

template <typename Work> auto ClassView::talk(Work work)
{
    try {
        open();
        return work();
    } catch (const HistoryError &) {
        QSqlDatabase::database(connection_.name(), false).close();
        throw;
    }
}

std::vector<ClassStation> ClassView::stations()
{
    return talk([this] {
        QSqlQuery query =
            SqlStatement(connection_.name(),
                         "SELECT stations.station, pc, account, program_version, started,"
                         " last_seen, coalesce(trainee, ''), coalesce(session, ''), lesson,"
                         " (extract(epoch FROM now() - last_seen) * 1000)::bigint"
                         " FROM class.stations LEFT JOIN class.lessons USING (station)"
                         " ORDER BY stations.station")
                .run();
        std::vector<ClassStation> stations;
        while (query.next()) {
            const QVariant lesson = query.value(8);
            stations.push_back({
                .login = query.value(0).toString(),
                .pc = query.value(1).toString(),
                .account = query.value(2).toString(),
                .program_version = query.value(3).toString(),
                .started = query.value(4).toDateTime(),
                .last_seen = query.value(5).toDateTime(),
                .silent_ms = query.value(9).toLongLong(),
                .trainee = query.value(6).toString(),
                .session = query.value(7).toString(),
                .lesson = lesson.isNull() ? std::nullopt
                          : lesson.toString() == QStringLiteral("exam")
                              ? std::optional(ClassLesson::Exam)
                              : std::optional(ClassLesson::Training),
            });
        }
        return stations;
    });
}

std::vector<ClassLine> ClassView::lines_after(const QString &station, const QString &session,
                                              int seq)
{
    return talk([&] {
        QSqlQuery query =
            SqlStatement(connection_.name(), "SELECT seq, line FROM class.lines WHERE station = ?"
                                             " AND session = ? AND seq > ? ORDER BY seq")
                .bind(station)
                .bind(session)
                .bind(seq)
                .run();
        std::vector<ClassLine> lines;
        while (query.next())
            lines.push_back({query.value(0).toInt(), query.value(1).toString()});
        return lines;
    });
}

qint64 ClassView::send(const QString &line, const std::optional<QString> &station)
{
    return talk([&] {
        QSqlQuery query =
            SqlStatement(connection_.name(), "INSERT INTO class.commands (station, line)"
                                             " VALUES (?, ?) RETURNING id")
                .bind(station ? QVariant(*station) : QVariant(QMetaType::fromType<QString>()))
                .bind(line)
                .run();
        if (!query.next())
            throw HistoryError(QStringLiteral("сервер не назвал номер команды"));
        return query.value(0).toLongLong();
    });
}

std::vector<ClassAnswer> ClassView::answers(qint64 command)
{
    return talk([&] {
        QSqlQuery query = SqlStatement(connection_.name(),
                                       "SELECT station, answer, confirmed_at FROM class.answers"
                                       " WHERE command = ? ORDER BY confirmed_at, station")
                              .bind(command)
                              .run();
        std::vector<ClassAnswer> answers;
        while (query.next())
            answers.push_back({query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toDateTime()});
        return answers;
    });
}

void ClassView::set_lesson(const QString &station, ClassLesson lesson)
{
    talk([&] {
        SqlStatement(connection_.name(),
                     "INSERT INTO class.lessons (station, lesson) VALUES (?, ?)"
                     " ON CONFLICT (station) DO UPDATE SET lesson = excluded.lesson,"
                     " set_at = now(), set_by = current_user")
            .bind(station)
            .bind(lesson == ClassLesson::Exam ? QStringLiteral("exam") : QStringLiteral("training"))
            .run();
        return true;
    });
}
