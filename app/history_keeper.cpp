#include "history_keeper.h"

#include "runner/session_report.h"
#include "sessions/session_file.h"
#include "sessions/text_line.h"
#include "store/history_error.h"
#include "training/score.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <sstream>

namespace {

// Why a replay refuses a session, from the runner's message.
QString refusal_of(SimRunner::ExitStatus status, const std::string &message)
{
    const QString said = QString::fromStdString(zun::excerpt(message, 200));
    if (said.startsWith(QStringLiteral("state hash differs")))
        return QStringLiteral("воспроизведение не приходит к записанному в конце состоянию "
                              "(файл изменён после записи)");
    return status == SimRunner::ScriptError
               ? QStringLiteral("файл не воспроизводится: %1").arg(said)
               : QStringLiteral("воспроизведение не удалось: %1").arg(said);
}

} // namespace

SummarisedSession summarise_session(const QString &file_name, const std::string &file_text,
                                    const zun::ReferenceTimes &reference,
                                    const SimRunner::Progress &progress)
{
    std::istringstream in(file_text);
    const zun::SessionScript script = zun::read_session(in);
    AssessedReplay replay;
    replay.set_progress(progress);
    std::ostringstream errors;
    const SimRunner::ExitStatus status = replay.replay(script, errors, true);

    SummarisedSession summary;
    HistorySession &session = summary.session;
    session.file_name = file_name;
    session.station = QString::fromStdString(script.header.station);
    session.account = QString::fromStdString(script.header.account);
    session.id = QString::fromStdString(script.header.id);
    session.file_size = static_cast<qint64>(file_text.size());
    session.trainee = QString::fromStdString(script.header.trainee).trimmed();
    if (session.trainee.isEmpty())
        session.trainee = QStringLiteral("(без имени)");
    session.started = QDateTime::fromString(QString::fromStdString(script.header.started),
                                            QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (!session.started.isValid()) // a header without its start: the file is named by it
        session.started =
            QDateTime::fromString(file_name.left(19), QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
    session.length_ms = replay.length();
    session.modes = QString::fromStdString(replay.modes_used());
    session.stages_by_trainee = replay.stages_by_trainee();
    session.score = replay.score(reference);
    session.lesson = replay.lesson().exam() ? QStringLiteral("exam") : QStringLiteral("training");
    if (const std::optional<zun::ExerciseOutcome> exercise = replay.report(reference).exercise) {
        session.exercise = QString::fromStdString(exercise->name);
        session.goal_reached = exercise->verdict.reached();
    }

    if (status == SimRunner::Cancelled)
        summary.cancelled = true;
    else if (status != SimRunner::Completed)
        summary.refusal = refusal_of(status, errors.str());
    else if (!session.started.isValid())
        summary.refusal = QStringLiteral("в нём нет времени начала сеанса");
    return summary;
}

namespace {

std::pair<std::optional<HistoryConnection>, QString> read_connection(const QSettings &settings,
                                                                     const QString &default_file)
{
    try {
        return {history_connection(settings, default_file), {}};
    } catch (const HistoryError &error) {
        return {std::nullopt, error.text()};
    }
}

} // namespace

HistoryKeeper::HistoryKeeper(const QSettings &settings, std::filesystem::path sessions_folder,
                             const QString &default_sqlite_file,
                             const zun::ReferenceTimes &reference)
    : HistoryKeeper(read_connection(settings, default_sqlite_file), std::move(sessions_folder),
                    reference)
{
}

HistoryKeeper::HistoryKeeper(std::pair<std::optional<HistoryConnection>, QString> connection,
                             std::filesystem::path sessions_folder,
                             const zun::ReferenceTimes &reference)
    : HistoryKeeper(std::move(connection.first), std::move(connection.second),
                    std::move(sessions_folder), reference)
{
}

HistoryKeeper::HistoryKeeper(std::optional<HistoryConnection> connection,
                             QString unreadable_reason, std::filesystem::path sessions_folder,
                             const zun::ReferenceTimes &reference)
    : connection_(std::move(connection)), sessions_folder_(std::move(sessions_folder)),
      reference_(reference), unavailable_reason_(std::move(unreadable_reason))
{
    open();
}

HistoryKeeper::~HistoryKeeper() = default;

void HistoryKeeper::open()
{
    if (!connection_ || database_)
        return;
    if (connection_->engine == HistoryConnection::Engine::SQLite) // made on first use
        QDir().mkpath(QFileInfo(connection_->sqlite_file).absolutePath());
    try {
        database_ = std::make_unique<HistoryDatabase>(*connection_);
        unavailable_reason_.clear();
    } catch (const HistoryError &error) {
        unavailable_reason_ = error.text();
    }
}

StoringRun HistoryKeeper::store_new_sessions(const std::filesystem::path &being_written,
                                             const Progress &progress)
{
    StoringRun run;
    open();
    if (!database_)
        return run;
    try {
        for (const zun::SessionSummary &file : zun::list_sessions(sessions_folder_)) {
            const QString name = QString::fromStdString(file.path.filename().string());
            HistorySession listed;
            listed.file_name = name;
            listed.station = QString::fromStdString(file.header.station);
            listed.account = QString::fromStdString(file.header.account);
            listed.id = QString::fromStdString(file.header.id);
            const std::optional<qint64> stored = database_->stored_size(listed.key());
            if (file.path == being_written || (stored && *stored >= qint64(file.size)) ||
                refused_.contains({file.path, file.size}) ||
                given_up_.contains({file.path, file.size}))
                continue;
            const zun::SessionFileText text = zun::read_session_file(file.path);
            // Gone, unreadable, just made or still being recorded: the next call tries again.
            if (!text.error.empty() || text.being_written || text.text.empty())
                continue;
            if (progress && !progress(file.path, 0, file.length_ms)) {
                run.cancelled = true;
                break;
            }
            SimRunner::Progress replay_progress;
            if (progress)
                replay_progress = [&progress, &file](zun::Millis reached) {
                    return progress(file.path, reached, file.length_ms);
                };
            const SummarisedSession summary =
                summarise_session(name, text.text, reference_, replay_progress);
            if (summary.cancelled) {
                given_up_.insert({file.path, text.text.size()});
                run.cancelled = true;
                break;
            }
            if (!summary.refusal.isEmpty()) {
                refused_.insert({file.path, text.text.size()});
                run.refused.push_back({file.path, summary.refusal});
                continue;
            }
            run.stored += database_->add(summary.session, QString::fromStdString(text.text)) ? 1 : 0;
        }
    } catch (const HistoryError &error) {
        unavailable_reason_ = error.text();
        database_.reset();
    }
    return run;
}
