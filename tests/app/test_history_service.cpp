#include "app/forms.h"
#include "app/history_service.h"
#include "sessions/session_recorder.h"
#include "sim/ui_port.h"
#include "training/score.h"
#include "ui/history_window.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <filesystem>

namespace {

// Another program holding the SQLite history locked, as long as it lives.
class LockedHistory {
public:
    explicit LockedHistory(const QString &file) : name_(QUuid::createUuid().toString())
    {
        QSqlDatabase database = QSqlDatabase::addDatabase("QSQLITE", name_);
        database.setDatabaseName(file);
        EXPECT_TRUE(database.open());
        EXPECT_TRUE(QSqlQuery(database).exec("BEGIN EXCLUSIVE"));
    }
    ~LockedHistory()
    {
        {
            QSqlDatabase database = QSqlDatabase::database(name_, false);
            QSqlQuery(database).exec("ROLLBACK");
            database.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    LockedHistory(const LockedHistory &) = delete;
    LockedHistory &operator=(const LockedHistory &) = delete;

private:
    QString name_;
};

const HistoryService::Outcome &stored_outcome(const HistoryService &history)
{
    QSignalSpy stored(&history, &HistoryService::stored);
    EXPECT_TRUE(stored.wait()) << "the history's thread never answered";
    return *history.last();
}

long boxes_saying(const zun::RecordingUiPort &port, const std::string &beginning)
{
    return std::ranges::count_if(port.calls, [&beginning](const std::string &call) {
        return call.starts_with("message_box " + beginning);
    });
}

std::filesystem::path record_session(const std::filesystem::path &folder, int second)
{
    zun::RecordingUiPort port;
    zun::Dispatcher dispatcher(port);
    std::tm start{};
    start.tm_year = 126;
    start.tm_mday = 1;
    start.tm_sec = second;
    zun::SessionRecorder recorder(dispatcher, folder, start,
                                  {"zun-trainer test",
                                   "2026-01-01 00:00:0" + std::to_string(second), "Пётр", "", "pc",
                                   "petr", zun::new_session_id()});
    dispatcher.apply(zun::input::NewCoil{});
    dispatcher.advance_by(1000);
    recorder.end();
    return recorder.path();
}

// A locked history: the windows are never kept waiting, the trainee is told once that the
// history is away, and what was recorded meanwhile is stored once it is back. Asking returns at
// once, before anything is known: the answer comes through the event loop.
TEST(HistoryService, ALockedHistoryNeverKeepsTheWindowsWaitingAndIsSaidOnce)
{
    const QTemporaryDir folder;
    const std::filesystem::path sessions = folder.filePath("sessions").toStdString();
    const QString file = folder.filePath("history.sqlite");
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/file", file);
    { HistoryConnection made; made.sqlite_file = file; HistoryDatabase created(made); }
    record_session(sessions, 1);
    zun::RecordingUiPort port;
    Forms forms(port);
    {
        const LockedHistory locked(file);
        forms.open_history(settings, sessions);
        EXPECT_EQ(forms.history()->last(), std::nullopt) << "asked, not waited for";
        EXPECT_EQ(boxes_saying(port, "Журнал"), 0);
        EXPECT_FALSE(stored_outcome(*forms.history()).unavailable_reason.isEmpty());
        forms.store_sessions();
        stored_outcome(*forms.history());
        EXPECT_EQ(boxes_saying(port, "Журнал обучаемых недоступен"), 1) << "said once";
        EXPECT_FALSE(forms.journal().message().isEmpty());
    }
    record_session(sessions, 2);
    forms.store_sessions();
    const HistoryService::Outcome &back = stored_outcome(*forms.history());
    EXPECT_TRUE(back.unavailable_reason.isEmpty()) << back.unavailable_reason.toStdString();
    EXPECT_EQ(back.run.stored, 2);
    EXPECT_EQ(forms.journal().sessions().rowCount(), 2);
    EXPECT_EQ(boxes_saying(port, "Журнал обучаемых недоступен"), 1);
}

// The history was there at the start and fails when the session ends (locked, or read-only):
// that is said, not passed over.
TEST(HistoryService, AHistoryFailingAtTheSessionsEndIsSaid)
{
    const QTemporaryDir folder;
    const std::filesystem::path sessions = folder.filePath("sessions").toStdString();
    const QString file = folder.filePath("history.sqlite");
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/file", file);
    zun::RecordingUiPort port;
    Forms forms(port);
    forms.open_history(settings, sessions);
    EXPECT_TRUE(stored_outcome(*forms.history()).unavailable_reason.isEmpty());
    const LockedHistory locked(file);
    forms.session_file_started(record_session(sessions, 3));
    forms.session_file_ended();
    EXPECT_FALSE(stored_outcome(*forms.history()).unavailable_reason.isEmpty());
    EXPECT_EQ(boxes_saying(port, "Журнал обучаемых недоступен"), 1);
}

// The journal asks for a session's text and gets it later, from the history's thread.
TEST(HistoryService, TheJournalOpensAReportFromTextFetchedOffItsThread)
{
    const QTemporaryDir folder;
    const std::filesystem::path sessions = folder.filePath("sessions").toStdString();
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/file", folder.filePath("history.sqlite"));
    record_session(sessions, 4);
    zun::RecordingUiPort port;
    Forms forms(port);
    forms.open_history(settings, sessions);
    stored_outcome(*forms.history());
    HistoryWindow &journal = forms.journal();
    ASSERT_EQ(journal.sessions().rowCount(), 1);
    ASSERT_TRUE(journal.open_report(journal.sessions().item(0, 0)->data(Qt::UserRole).toString()));
    EXPECT_EQ(journal.opened_report(), nullptr) << "the text is on its way";
    for (int turn = 0; turn < 100 && !journal.opened_report(); ++turn)
        QSignalSpy(forms.history(), &HistoryService::storing).wait(10);
    ASSERT_NE(journal.opened_report(), nullptr);
}

} // namespace
