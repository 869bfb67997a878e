#include "station_service.h"

#include "sessions/session_file.h"
#include "store/history_error.h"

#include <QMetaObject>
#include <QPointer>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

// The link and its beat, on the service's thread: each beat pushes the session's new lines and,
// while the server is there, looks for new commands; what the windows should know goes back to
// the service's own thread.
class StationService::Beats {
public:
    Beats(StationService &service, const HistoryConnection &connection,
          const StationIdentity &identity, std::filesystem::path sessions_folder)
        : service_(service), link_(connection, identity),
          sessions_folder_(std::move(sessions_folder))
    {
        timer_.setInterval(beat);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { run(); });
        timer_.start();
    }

    StationLink &link() { return link_; }

    void run()
    {
        if (!earlier_found_)
            find_earlier_sessions();
        link_.push();
        tell_state();
        if (link_.state().connected)
            tell_new_commands();
    }

    // A changed state is told, whoever talked to the server.
    void tell_state()
    {
        const StationLink::State state = link_.state();
        if (state.connected == told_state_.connected &&
            state.away_reason == told_state_.away_reason)
            return;
        told_state_ = state;
        QMetaObject::invokeMethod(
            &service_, [service = &service_, state] { emit service->state_changed(state); },
            Qt::QueuedConnection);
    }

private:
    // The sessions an earlier run of the program streamed and the server lacks the end of (the
    // server was away when they ended, or the program was killed): completed from their files.
    void find_earlier_sessions()
    {
        const std::vector<QString> unended = link_.unended_sessions(
            QString::fromUtf8(zun::end_line_mark.data(), qsizetype(zun::end_line_mark.size())));
        if (!link_.state().connected)
            return; // asked again at the next beat
        earlier_found_ = true;
        if (unended.empty())
            return;
        for (const zun::SessionSummary &local : zun::list_sessions(sessions_folder_)) {
            const QString id = QString::fromStdString(local.header.id);
            if (std::ranges::find(unended, id) != unended.end())
                link_.complete({QString::fromStdString(local.path.string()), id,
                                QString::fromStdString(local.header.trainee)});
        }
    }

    void tell_new_commands()
    {
        std::vector<ClassCommand> fresh;
        for (const ClassCommand &command : link_.unconfirmed_commands()) {
            if (told_commands_.insert(command.id).second)
                fresh.push_back(command);
        }
        if (fresh.empty())
            return;
        QMetaObject::invokeMethod(
            &service_,
            [service = &service_, fresh = std::move(fresh)] {
                emit service->commands_arrived(fresh);
            },
            Qt::QueuedConnection);
    }

    StationService &service_;
    StationLink link_;
    QTimer timer_;
    std::filesystem::path sessions_folder_;
    bool earlier_found_ = false;
    std::set<qint64> told_commands_;
    StationLink::State told_state_;
};

StationService::StationService(const QSettings &settings, const QString &default_sqlite_file,
                               const StationIdentity &identity,
                               const std::filesystem::path &sessions_folder)
{
    HistoryConnection connection;
    try {
        connection = history_connection(settings, default_sqlite_file);
    } catch (const HistoryError &) {
        return; // the history says so; without a centre's server there is no class
    }
    if (connection.engine != HistoryConnection::Engine::PostgreSQL)
        return;
    worker_.moveToThread(&thread_);
    thread_.start();
    on_thread([this, connection, identity, sessions_folder] {
        beats_ = std::make_unique<Beats>(*this, connection, identity, sessions_folder);
    });
}

// The session's last lines (its end) go before the link does; its connection is the thread's.
StationService::~StationService()
{
    if (!in_class())
        return;
    on_thread([this] {
        beats_->link().push();
        beats_.reset();
        thread_.quit();
    });
    thread_.wait();
}

void StationService::on_thread(std::function<void()> work)
{
    QMetaObject::invokeMethod(&worker_, std::move(work), Qt::QueuedConnection);
}

void StationService::follow(const StreamedSession &session)
{
    if (in_class())
        on_thread([this, session] { beats_->link().follow(session); });
}

void StationService::confirm(qint64 command_id, const QString &answer)
{
    if (in_class())
        on_thread([this, command_id, answer] {
            beats_->link().confirm(command_id, answer);
            beats_->tell_state();
        });
}

void StationService::fetch_lesson(QObject *receiver, LessonReply reply)
{
    const auto answer = [this, receiver = QPointer<QObject>(receiver), reply = std::move(reply)](
                            std::optional<ClassLesson> lesson, const StationLink::State &state) {
        QMetaObject::invokeMethod(
            this,
            [receiver, reply, lesson, state] {
                if (receiver)
                    reply(lesson, state);
            },
            Qt::QueuedConnection);
    };
    if (!in_class()) {
        answer(std::nullopt, {});
        return;
    }
    on_thread([this, answer] {
        const std::optional<ClassLesson> lesson = beats_->link().lesson();
        beats_->tell_state();
        answer(lesson, beats_->link().state());
    });
}
