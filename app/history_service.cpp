#include "history_service.h"

#include "store/history_error.h"

#include <algorithm>
#include <utility>

#include <QDeadlineTimer>
#include <QMetaObject>
#include <QPointer>
#include <QSettings>

// What the database answers on the thread goes back to the windows' thread.
namespace {

template <typename Work, typename Reply>
void answer_from_database(HistoryKeeper &keeper, QObject *service, QPointer<QObject> receiver,
                          Work work, Reply reply)
{
    using Answer = decltype(work(*keeper.database()));
    Answer answer{};
    QString problem;
    if (HistoryDatabase *database = keeper.database()) {
        try {
            answer = work(*database);
        } catch (const HistoryError &error) {
            problem = error.text();
        }
    } else {
        problem = keeper.unavailable_reason();
    }
    QMetaObject::invokeMethod(
        service,
        [receiver, reply, answer, problem] {
            if (receiver)
                reply(answer, problem);
        },
        Qt::QueuedConnection);
}

} // namespace

HistoryService::HistoryService(const QSettings &settings, std::filesystem::path sessions_folder,
                               const QString &default_sqlite_file,
                               const zun::ReferenceTimes &reference)
{
    std::optional<HistoryConnection> connection;
    QString reason;
    try {
        connection = history_connection(settings, default_sqlite_file);
    } catch (const HistoryError &error) {
        reason = error.text();
    }
    worker_.moveToThread(&thread_);
    thread_.start();
    on_thread([this, connection, reason, folder = std::move(sessions_folder), &reference] {
        keeper_ = std::make_unique<HistoryKeeper>(connection, reason, folder, reference);
    });
}

// What was asked before still runs, so that the session just ended is stored; a run that takes
// longer than a moment is given up, and stored at the next start.
HistoryService::~HistoryService()
{
    constexpr int grace_ms = 2000;
    on_thread([this] {
        keeper_.reset(); // its connection is the thread's
        thread_.quit();
    });
    if (!thread_.wait(QDeadlineTimer(grace_ms))) {
        cancel_ = true;
        thread_.wait();
    }
}

void HistoryService::on_thread(std::function<void()> work)
{
    QMetaObject::invokeMethod(&worker_, std::move(work), Qt::QueuedConnection);
}

void HistoryService::cancel_storing()
{
    cancel_ = true;
}

void HistoryService::store_sessions(const std::filesystem::path &being_written)
{
    cancel_ = false;
    on_thread([this, being_written] {
        QString current;
        int told = -1;
        const auto progress = [this, &current, &told](const std::filesystem::path &file,
                                                      zun::Millis reached, zun::Millis length) {
            const QString name = QString::fromStdString(file.filename().string());
            const int percent = length > 0 ? int(100 * std::min(reached, length) / length) : 0;
            if (name != current || percent != told) {
                current = name;
                told = percent;
                QMetaObject::invokeMethod(
                    this, [this, name, percent] { emit storing(name, percent); },
                    Qt::QueuedConnection);
            }
            return !cancel_;
        };
        Outcome outcome;
        outcome.run = keeper_->store_new_sessions(being_written, progress);
        if (const HistoryDatabase *database = keeper_->database()) {
            try {
                outcome.sessions = database->all_sessions();
            } catch (const HistoryError &error) {
                outcome.unavailable_reason = error.text();
            }
        }
        if (outcome.unavailable_reason.isEmpty())
            outcome.unavailable_reason = keeper_->unavailable_reason();
        QMetaObject::invokeMethod(
            this,
            [this, outcome = std::move(outcome)]() mutable {
                // The history away is said once in the program's run.
                outcome.newly_away = !outcome.unavailable_reason.isEmpty() &&
                                     !std::exchange(away_told_, true);
                last_ = std::move(outcome);
                emit storing({}, -1);
                emit stored(*last_);
            },
            Qt::QueuedConnection);
    });
}

void HistoryService::fetch_text(const QString &key, QObject *receiver, TextReply reply)
{
    on_thread([this, key, receiver = QPointer<QObject>(receiver), reply = std::move(reply)] {
        answer_from_database(
            *keeper_, this, receiver,
            [&key](HistoryDatabase &database) { return database.session_text(key); }, reply);
    });
}

void HistoryService::fetch_library(HistoryDatabase::LibraryKind kind, QObject *receiver,
                                   LibraryReply reply)
{
    on_thread([this, kind, receiver = QPointer<QObject>(receiver), reply = std::move(reply)] {
        answer_from_database(
            *keeper_, this, receiver,
            [kind](HistoryDatabase &database) { return database.library(kind); }, reply);
    });
}

void HistoryService::keep_in_library(HistoryDatabase::LibraryKind kind, const QString &name,
                                     const QString &text, HistoryDatabase::WhenNamed when_named,
                                     QObject *receiver, KeptReply reply)
{
    on_thread([this, kind, name, text, when_named, receiver = QPointer<QObject>(receiver),
               reply = std::move(reply)] {
        answer_from_database(
            *keeper_, this, receiver,
            [kind, &name, &text, when_named](HistoryDatabase &database) {
                return database.keep_in_library(kind, name, text, when_named);
            },
            reply);
    });
}
