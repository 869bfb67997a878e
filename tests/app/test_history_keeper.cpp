#include "app/forms.h"
#include "app/history_keeper.h"
#include "sim/ui_port.h"
#include "store/history_database.h"
#include "tests/store/empty_database.h"
#include "training/score.h"
#include "training/session_writer.h"
#include "ui/history_window.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using Engine = HistoryConnection::Engine;

const zun::ReferenceTimes &reference()
{
    static const zun::ReferenceTimes times = zun::ReferenceTimes::human_pace();
    return times;
}

std::tm at(int hour)
{
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 10;
    time.tm_hour = hour;
    return time;
}

// A session file as the recorder writes it: `ended` gives it its end line, else it was killed.
std::filesystem::path write_session(const std::filesystem::path &folder, int hour,
                                    const std::string &trainee, bool ended)
{
    zun::SessionWriter writer(folder, at(hour),
                              {"zun-trainer 0.1",
                               "2026-12-10 " + std::string(hour < 10 ? "0" : "") +
                                   std::to_string(hour) + ":00:00",
                               trainee, ""});
    writer.input(0, "mode 0");
    writer.input(2000, "newcoil");
    writer.input(4000, "fwd 10");
    if (ended)
        writer.end(6000, "0123456789abcdef");
    EXPECT_FALSE(writer.failed()) << writer.error();
    return writer.path();
}

class HistoryKeeperTest : public testing::TestWithParam<Engine> {
protected:
    void SetUp() override
    {
        if (GetParam() == Engine::PostgreSQL && !test_postgres_running())
            GTEST_SKIP() << "no PostgreSQL test server: scripts/test.sh starts one";
        database_ = std::make_unique<EmptyDatabase>(GetParam());
        const HistoryConnection &connection = database_->connection();
        settings_.setValue("history/engine",
                           GetParam() == Engine::SQLite ? "sqlite" : "postgresql");
        settings_.setValue("history/file", connection.sqlite_file);
        settings_.setValue("history/host", connection.host);
        settings_.setValue("history/database", connection.database);
        settings_.setValue("history/user", connection.user);
    }

    QTemporaryDir folder_;
    std::filesystem::path sessions_ = folder_.filePath("sessions").toStdString();
    QSettings settings_{folder_.filePath("settings.ini"), QSettings::IniFormat};
    std::unique_ptr<EmptyDatabase> database_;
};

TEST_P(HistoryKeeperTest, StoresEachSessionFileOnceButTheOneBeingWritten)
{
    write_session(sessions_, 9, "Пётр", true);
    write_session(sessions_, 10, "Пётр", false); // killed: no end line
    const std::filesystem::path live = write_session(sessions_, 11, "Анна", false);

    HistoryKeeper keeper(settings_, sessions_, "unused.sqlite", reference());
    ASSERT_TRUE(keeper.database()) << keeper.unavailable_reason().toStdString();
    EXPECT_EQ(keeper.store_new_sessions(live), 2);
    EXPECT_EQ(keeper.store_new_sessions(live), 0);
    EXPECT_EQ(keeper.database()->trainees(), QStringList{"Пётр"});
    EXPECT_EQ(keeper.store_new_sessions(), 1) << "the live file, once it has ended";

    const std::vector<HistorySession> sessions = keeper.database()->sessions_of("Пётр");
    ASSERT_EQ(sessions.size(), 2u);
    const HistorySession &first = sessions.front();
    EXPECT_EQ(first.file_name, "2026-12-10_09-00-00.zs");
    EXPECT_EQ(first.started, QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    EXPECT_EQ(first.length_ms, 6000);
    EXPECT_EQ(first.modes, "0");
    EXPECT_EQ(first.stages_by_trainee, 1) << "the new coil completed step 1";
    EXPECT_EQ(first.score, 100) << "step 1 quickly and cleanly; step 2 still open";
    std::ifstream file(sessions_ / "2026-12-10_09-00-00.zs");
    const std::string text((std::istreambuf_iterator<char>(file)), {});
    EXPECT_EQ(keeper.database()->session_text(first.file_name), QString::fromStdString(text));
}

INSTANTIATE_TEST_SUITE_P(Engines, HistoryKeeperTest,
                         testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         [](const testing::TestParamInfo<Engine> &info) {
                             return info.param == Engine::SQLite ? "SQLite" : "PostgreSQL";
                         });

TEST(HistoryKeeper, GoesOnWithoutTheDatabaseAndCatchesUpWhenItIsBack)
{
    const QTemporaryDir folder;
    const std::filesystem::path sessions = folder.filePath("sessions").toStdString();
    write_session(sessions, 9, "Пётр", true);
    const QString blocked = folder.filePath("blocked");
    std::ofstream(blocked.toStdString()) << "a file where the database's folder should be";
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/file", blocked + "/history.sqlite");

    HistoryKeeper keeper(settings, sessions, "unused.sqlite", reference());
    EXPECT_EQ(keeper.database(), nullptr);
    EXPECT_FALSE(keeper.unavailable_reason().isEmpty());
    EXPECT_EQ(keeper.store_new_sessions(), 0);

    std::filesystem::remove(blocked.toStdString());
    EXPECT_EQ(keeper.store_new_sessions(), 1);
    ASSERT_NE(keeper.database(), nullptr);
    EXPECT_TRUE(keeper.unavailable_reason().isEmpty());
    EXPECT_TRUE(keeper.database()->contains("2026-12-10_09-00-00.zs"));
}

TEST(HistoryKeeper, RefusesAMistypedSettingWithItsName)
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/engine", "oracle");
    HistoryKeeper keeper(settings, folder.filePath("sessions").toStdString(), "unused.sqlite",
                         reference());
    EXPECT_EQ(keeper.database(), nullptr);
    EXPECT_TRUE(keeper.unavailable_reason().contains("engine"))
        << keeper.unavailable_reason().toStdString();
}

TEST(HistoryKeeper, TheProgramSaysOnceThatTheHistoryIsAwayAndGoesOn)
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/engine", "oracle");
    zun::RecordingUiPort ui_port;
    Forms forms(ui_port);
    forms.open_history(settings, folder.filePath("sessions").toStdString());
    forms.store_sessions();
    const auto boxes = std::ranges::count_if(ui_port.calls, [](const std::string &call) {
        return call.starts_with("message_box Журнал обучаемых недоступен");
    });
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(forms.journal().message().contains("engine"))
        << forms.journal().message().toStdString();
    forms.sim().apply(zun::input::NewCoil{});
    EXPECT_TRUE(forms.assessment().record().trainee_operated()) << "the training goes on";
}

TEST(HistoryKeeper, TheProgramStoresItsOwnSessionOnlyOnceItHasEnded)
{
    const QTemporaryDir folder;
    const std::filesystem::path sessions = folder.filePath("sessions").toStdString();
    write_session(sessions, 9, "Пётр", false); // an earlier session, killed
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("history/file", folder.filePath("history.sqlite"));
    zun::RecordingUiPort ui_port;
    Forms forms(ui_port);
    forms.session_file_started(write_session(sessions, 10, "Пётр", false));
    forms.open_history(settings, sessions);
    EXPECT_EQ(forms.journal().sessions().rowCount(), 1) << "the killed one, caught at start";
    forms.show_journal();
    EXPECT_EQ(forms.journal().sessions().rowCount(), 1) << "not the one being recorded";
    forms.session_file_ended();
    EXPECT_EQ(forms.journal().sessions().rowCount(), 2);
    EXPECT_TRUE(std::ranges::none_of(ui_port.calls, [](const std::string &call) {
        return call.starts_with("message_box");
    })) << "the history is there: nothing to say";
}

} // namespace

namespace {

TEST(HistoryKeeper, AnExaminationIsKeptAsOne)
{
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    EXPECT_EQ(summarise_session("a.zs", "mode 0\nadvance 100\nnewcoil\n", reference).lesson,
              "training");
    EXPECT_EQ(summarise_session("b.zs", "mode 0\nlesson exam\nadvance 100\nnewcoil\n", reference)
                  .lesson,
              "exam");
}

} // namespace
