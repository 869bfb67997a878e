#include "history_keeper.h"

#include "store/history_error.h"
#include "tools/session_report.h"
#include "training/score.h"
#include "training/session_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <fstream>
#include <sstream>

namespace {

std::optional<std::string> read_text(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

HistorySession summarise_session(const QString &file_name, const std::string &file_text,
                                 const zun::ReferenceTimes &reference)
{
    std::istringstream in(file_text);
    const zun::SessionScript script = zun::read_session(in);
    AssessedReplay replay;
    std::ostringstream errors; // a line that fails ends the summary there; the text stays whole
    replay.replay(script, errors);

    HistorySession session;
    session.file_name = file_name;
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
    return session;
}

HistoryKeeper::HistoryKeeper(const QSettings &settings, std::filesystem::path sessions_folder,
                             const QString &default_sqlite_file,
                             const zun::ReferenceTimes &reference)
    : sessions_folder_(std::move(sessions_folder)), reference_(reference)
{
    try {
        connection_ = history_connection(settings, default_sqlite_file);
    } catch (const HistoryError &error) {
        unavailable_reason_ = error.text();
        return;
    }
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

int HistoryKeeper::store_new_sessions(const std::filesystem::path &being_written)
{
    open();
    if (!database_)
        return 0;
    int stored = 0;
    try {
        for (const zun::SessionSummary &file : zun::list_sessions(sessions_folder_)) {
            const QString name = QString::fromStdString(file.path.filename().string());
            if (file.path == being_written || database_->contains(name))
                continue;
            const std::optional<std::string> text = read_text(file.path);
            if (!text)
                continue; // gone or unreadable now: the next call tries again
            const HistorySession session = summarise_session(name, *text, reference_);
            stored += database_->add(session, QString::fromStdString(*text)) ? 1 : 0;
        }
    } catch (const HistoryError &error) {
        unavailable_reason_ = error.text();
        database_.reset();
    }
    return stored;
}
