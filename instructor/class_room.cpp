#include "class_room.h"

#include "sessions/input_lines.h"
#include "store/history_error.h"

#include <algorithm>

ClassRoom::ClassRoom(const HistoryConnection &connection, QObject *parent)
    : QObject(parent), view_(connection)
{
    connect(&view_, &ClassView::lines_announced, this, &ClassRoom::refresh);
}

template <typename Work> bool ClassRoom::talk(Work work)
{
    try {
        work();
        away_reason_.clear();
        return true;
    } catch (const HistoryError &error) {
        away_reason_ = error.text();
        return false;
    }
}

void ClassRoom::refresh()
{
    talk([this] {
        const std::vector<ClassStation> stations = view_.stations();
        const std::vector<ClassAnswer> answers =
            last_command_ ? view_.answers(last_command_->id) : std::vector<ClassAnswer>{};
        std::vector<ClassRow> rows;
        for (const ClassStation &station : stations) {
            follow_lines(station);
            rows.push_back(row_of(station, answers));
        }
        rows_ = std::move(rows);
    });
    emit changed();
}

// A station that started another session is replayed afresh from that session's first line.
void ClassRoom::follow_lines(const ClassStation &station)
{
    if (station.session.isEmpty())
        return;
    Followed &followed = followed_[station.login];
    if (followed.session != station.session)
        followed = Followed{station.session};
    for (const ClassLine &line :
         view_.lines_after(station.login, station.session, followed.replay->lines_fed())) {
        followed.replay->feed(line.line.toStdString());
        followed.has_lines = true;
    }
}

std::shared_ptr<const StationReplay> ClassRoom::replay_of(const QString &login) const
{
    const auto followed = followed_.find(login);
    return followed == followed_.end() ? nullptr : followed->second.replay;
}

ClassRow ClassRoom::row_of(const ClassStation &station, const std::vector<ClassAnswer> &answers)
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

bool ClassRoom::send(const QString &line, const std::optional<QString> &station)
{
    const bool sent = talk([&] {
        last_command_ = SentCommand{view_.send(line, station), line, station};
    });
    refresh();
    return sent;
}

bool ClassRoom::set_lesson(ClassLesson lesson, const std::optional<QString> &station)
{
    const bool set = talk([&] {
        if (station)
            view_.set_lesson(*station, lesson);
        else
            for (const ClassStation &known : view_.stations())
                view_.set_lesson(known.login, lesson);
    });
    const zun::LessonKind kind =
        lesson == ClassLesson::Exam ? zun::LessonKind::Exam : zun::LessonKind::Training;
    return set &&
           send(QString::fromStdString(zun::script::line_of(zun::input::Lesson{kind})), station);
}
