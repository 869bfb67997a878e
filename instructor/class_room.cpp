#include "class_room.h"

#include "sessions/input_lines.h"
#include "store/history_error.h"

#include <QMetaObject>

#include <algorithm>
#include <utility>

struct ClassRoom::Readout {
    std::vector<ClassStation> stations;
    std::map<QString, std::vector<ClassLine>> lines; // by login: its session's, after those known
    std::vector<ClassAnswer> answers;
};

// The class's view of the server, on the room's thread; announcements of new lines ask the room
// to read again.
class ClassRoom::Reader {
public:
    // What the room has of a station's session: which one, and how many of its lines.
    struct Known {
        QString session;
        int lines = 0;
    };

    Reader(ClassRoom &room, const HistoryConnection &connection) : view_(connection)
    {
        QObject::connect(&view_, &ClassView::lines_announced, &view_, [&room] {
            QMetaObject::invokeMethod(&room, &ClassRoom::refresh, Qt::QueuedConnection);
        });
    }

    Readout read(const std::map<QString, Known> &known, std::optional<qint64> command)
    {
        Readout readout{view_.stations(), {}, {}};
        for (const ClassStation &station : readout.stations) {
            if (station.session.isEmpty())
                continue;
            const auto had = known.find(station.login);
            const int after = had != known.end() && had->second.session == station.session
                                  ? had->second.lines
                                  : 0;
            readout.lines[station.login] = view_.lines_after(station.login, station.session, after);
        }
        if (command)
            readout.answers = view_.answers(*command);
        return readout;
    }

    ClassView &view() { return view_; }

private:
    ClassView view_;
};

ClassRoom::ClassRoom(const HistoryConnection &connection, QObject *parent) : QObject(parent)
{
    worker_.moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        &worker_, [this, connection] { reader_ = std::make_unique<Reader>(*this, connection); },
        Qt::QueuedConnection);
}

ClassRoom::~ClassRoom()
{
    QMetaObject::invokeMethod(
        &worker_,
        [this] {
            reader_.reset();
            thread_.quit();
        },
        Qt::QueuedConnection);
    thread_.wait();
}

void ClassRoom::on_thread(std::function<void(Reader &)> work, std::function<void()> done)
{
    QMetaObject::invokeMethod(
        &worker_,
        [this, work = std::move(work), done = std::move(done)] {
            QString away;
            try {
                work(*reader_);
            } catch (const HistoryError &error) {
                away = error.text();
            }
            QMetaObject::invokeMethod(
                this,
                [this, away, done] {
                    away_reason_ = away;
                    done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void ClassRoom::refresh()
{
    if (reading_) {
        read_again_ = true;
        return;
    }
    reading_ = true;
    std::map<QString, Reader::Known> known;
    for (const auto &[login, followed] : followed_)
        known[login] = {followed.session, followed.replay->lines_fed()};
    const std::optional<qint64> command =
        last_command_ ? std::optional(last_command_->id) : std::nullopt;
    auto readout = std::make_shared<Readout>();
    on_thread([known = std::move(known), command,
               readout](Reader &reader) { *readout = reader.read(known, command); },
              [this, readout] {
                  reading_ = false;
                  if (away_reason_.isEmpty())
                      take(*readout);
                  emit changed();
                  if (std::exchange(read_again_, false))
                      refresh();
              });
}

// A station that started another session is replayed afresh from that session's first line.
void ClassRoom::take(const Readout &readout)
{
    std::vector<ClassRow> rows;
    for (const ClassStation &station : readout.stations) {
        if (const auto lines = readout.lines.find(station.login); lines != readout.lines.end()) {
            Followed &followed = followed_[station.login];
            if (followed.session != station.session)
                followed = Followed{station.session};
            for (const ClassLine &line : lines->second) {
                followed.replay->feed(line.line.toStdString());
                followed.has_lines = true;
            }
        }
        rows.push_back(row_of(station, readout.answers));
    }
    rows_ = std::move(rows);
}

std::shared_ptr<const StationReplay> ClassRoom::replay_of(const QString &login) const
{
    const auto followed = followed_.find(login);
    return followed == followed_.end() ? nullptr : followed->second.replay;
}

ClassRow ClassRoom::row_of(const ClassStation &station,
                           const std::vector<ClassAnswer> &answers) const
{
    ClassRow row{.station = station, .on_line = station.silent_ms <= silence_allowed.count()};
    if (const auto followed = followed_.find(station.login);
        followed != followed_.end() && followed->second.session == station.session &&
        followed->second.has_lines) {
        row.progress = followed->second.replay->progress();
        row.replay_failure = followed->second.replay->failure();
    }
    if (last_command_ && (!last_command_->station || *last_command_->station == station.login)) {
        const auto answer = std::ranges::find(answers, station.login, &ClassAnswer::station);
        row.last_answer = answer == answers.end() ? std::optional<QString>{} : answer->answer;
    }
    return row;
}

void ClassRoom::send(const QString &line, const std::optional<QString> &station)
{
    auto id = std::make_shared<qint64>(0);
    on_thread([line, station, id](Reader &reader) { *id = reader.view().send(line, station); },
              [this, line, station, id] {
                  if (away_reason_.isEmpty())
                      last_command_ = SentCommand{*id, line, station};
                  refresh();
              });
}

void ClassRoom::set_lesson(ClassLesson lesson, const std::optional<QString> &station)
{
    on_thread(
        [lesson, station](Reader &reader) {
            if (station)
                reader.view().set_lesson(*station, lesson);
            else
                for (const ClassStation &known : reader.view().stations())
                    reader.view().set_lesson(known.login, lesson);
        },
        [this, lesson, station] {
            if (!away_reason_.isEmpty()) {
                emit changed();
                return;
            }
            const zun::LessonKind kind =
                lesson == ClassLesson::Exam ? zun::LessonKind::Exam : zun::LessonKind::Training;
            send(QString::fromStdString(zun::script::line_of(zun::input::Lesson{kind})), station);
        });
}
