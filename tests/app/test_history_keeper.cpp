#include "app/forms.h"
#include "app/history_keeper.h"
#include "app/history_service.h"
#include "sessions/session_recorder.h"
#include "sessions/session_writer.h"
#include "sim/ui_port.h"
#include "store/history_database.h"
#include "tests/store/empty_database.h"
#include "training/score.h"
#include "ui/history_window.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QSignalSpy>
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

// A session file as the recorder writes it, of a trainee who puts a coil on and starts the coil
// car: `ended` gives it its end line, else it was killed. `station` names the PC.
std::filesystem::path write_session(const std::filesystem::path &folder, int hour,
                                    const std::string &trainee, bool ended,
                                    const std::string &station = "pc-01")
{
    zun::RecordingUiPort port;
    zun::Dispatcher dispatcher(port);
    const zun::SessionHeader header{"zun-trainer 0.1",
                                    "2026-12-10 " + std::string(hour < 10 ? "0" : "") +
                                        std::to_string(hour) + ":00:00",
                                    trainee, "", station, "trainee", zun::new_session_id()};
    zun::SessionRecorder recorder(dispatcher, folder, at(hour), header);
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::PassStages});
    dispatcher.advance_by(2000);
    dispatcher.apply(zun::input::NewCoil{});
    dispatcher.advance_by(2000);
    dispatcher.apply(zun::input::Command{10, zun::MechCommand::Forward});
    dispatcher.advance_by(2000);
    if (ended)
        recorder.end();
    EXPECT_FALSE(recorder.failed()) << recorder.error();
    return recorder.path();
}

std::string text_of(const std::filesystem::path &file)
{
    return zun::read_session_file(file).text;
}

std::vector<std::string> file_names(const std::vector<RefusedSession> &refused)
{
    std::vector<std::string> names;
    for (const RefusedSession &session : refused)
        names.push_back(session.file.filename().string());
    std::ranges::sort(names);
    return names;
}

// Waits for the history's thread to finish what it was asked, as the event loop would.
const HistoryService::Outcome &stored_outcome(const HistoryService &history)
{
    QSignalSpy stored(&history, &HistoryService::stored);
    EXPECT_TRUE(stored.wait()) << "the history's thread never answered";
    return *history.last();
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
    EXPECT_EQ(keeper.store_new_sessions(live).stored, 2);
    EXPECT_EQ(keeper.store_new_sessions(live).stored, 0);
    EXPECT_EQ(keeper.database()->trainees(), QStringList{"Пётр"});
    EXPECT_EQ(keeper.store_new_sessions().stored, 1) << "the live file, once it has ended";

    const std::vector<HistorySession> sessions = keeper.database()->sessions_of("Пётр");
    ASSERT_EQ(sessions.size(), 2u);
    const HistorySession &first = sessions.front();
    EXPECT_EQ(first.file_name, "2026-12-10_09-00-00.zs");
    EXPECT_EQ(first.started, QDateTime(QDate(2026, 12, 10), QTime(9, 0)));
    EXPECT_EQ(first.length_ms, 6000);
    EXPECT_EQ(first.modes, "0");
    EXPECT_EQ(first.stages_by_trainee, 1) << "the new coil completed step 1";
    EXPECT_EQ(first.score, 100) << "step 1 quickly and cleanly; step 2 still open";
    EXPECT_EQ(keeper.database()->session_text(first.key()),
              QString::fromStdString(text_of(sessions_ / "2026-12-10_09-00-00.zs")));
}

// A name pasted with line breaks put input lines into the file that the model never received:
// such a file does not replay to the state hash it recorded, and is refused; so is a stray file
// without a start, or one that does not replay. Each is listed once, and the others are stored.
TEST_P(HistoryKeeperTest, RefusesForgedAndStrayFilesOnceAndStoresTheOthers)
{
    const std::filesystem::path good = write_session(sessions_, 9, "Пётр", true);
    // The same untouched session, as the unchecked name wrote it.
    std::string forged = text_of(write_session(sessions_, 10, "Иван", true));
    const std::string trainee_line = "# trainee: Иван\n";
    forged.replace(forged.find(trainee_line), trainee_line.size(),
                   "# trainee: Иван\nlesson exam\nnewcoil\n");
    std::ofstream(sessions_ / "2026-12-10_10-00-00.zs", std::ios::trunc) << forged;
    std::ofstream(sessions_ / "notes.zs") << "advance 10\n";
    std::ofstream(sessions_ / "junk.zs") << "hello there\n";

    HistoryKeeper keeper(settings_, sessions_, "unused.sqlite", reference());
    const StoringRun run = keeper.store_new_sessions();
    EXPECT_EQ(run.stored, 1);
    EXPECT_EQ(file_names(run.refused),
              (std::vector<std::string>{"2026-12-10_10-00-00.zs", "junk.zs", "notes.zs"}));
    for (const RefusedSession &refused : run.refused)
        EXPECT_FALSE(refused.reason.isEmpty());
    EXPECT_EQ(keeper.database()->trainees(), QStringList{"Пётр"});
    const StoringRun again = keeper.store_new_sessions();
    EXPECT_EQ(again.stored, 0);
    EXPECT_TRUE(again.refused.empty()) << "each is listed once";
    EXPECT_TRUE(keeper.unavailable_reason().isEmpty()) << keeper.unavailable_reason().toStdString();
}

// Two PCs of a centre start sessions in the same second into one history; another copy of the
// program is still writing its file; a stored session's file has grown since.
TEST_P(HistoryKeeperTest, KnowsSessionsByMoreThanTheirNameAndNeverStoresOneUnfinished)
{
    const std::filesystem::path other_pc = sessions_.parent_path() / "other-pc";
    write_session(sessions_, 9, "Пётр", true, "pc-01");
    write_session(other_pc, 9, "Анна", true, "pc-02");
    HistoryKeeper here(settings_, sessions_, "unused.sqlite", reference());
    HistoryKeeper there(settings_, other_pc, "unused.sqlite", reference());
    EXPECT_EQ(here.store_new_sessions().stored, 1);
    EXPECT_EQ(there.store_new_sessions().stored, 1) << "the same file name, another session";
    EXPECT_EQ(here.database()->trainees(), (QStringList{"Анна", "Пётр"}));

    {
        zun::RecordingUiPort port;
        zun::Dispatcher dispatcher(port);
        zun::SessionRecorder recording(dispatcher, sessions_, at(11),
                                       {"zun-trainer 0.1", "2026-12-10 11:00:00", "Олег", "",
                                        "pc-01", "oleg", zun::new_session_id()});
        dispatcher.apply(zun::input::NewCoil{});
        EXPECT_EQ(here.store_new_sessions().stored, 0) << "another copy still writes it";
        dispatcher.advance_by(9000);
        recording.end();
    }
    EXPECT_EQ(here.store_new_sessions().stored, 1) << "once it has ended";

    // Stored as a killed session, then the file grows to its whole.
    const std::filesystem::path whole = write_session(sessions_.parent_path() / "whole", 12,
                                                      "Пётр", true);
    const std::string text = text_of(whole);
    const std::string cut = text.substr(0, text.find("fwd 10\n"));
    const std::filesystem::path growing = sessions_ / whole.filename();
    std::ofstream(growing) << cut;
    EXPECT_EQ(here.store_new_sessions().stored, 1);
    std::ofstream(growing, std::ios::trunc) << text;
    EXPECT_EQ(here.store_new_sessions().stored, 1) << "stored again, grown";
    const std::vector<HistorySession> sessions = here.database()->sessions_of("Пётр");
    ASSERT_EQ(sessions.size(), 2u);
    EXPECT_EQ(sessions[1].length_ms, 6000);
    EXPECT_EQ(here.database()->session_text(sessions[1].key()), QString::fromStdString(text));
}

// A file that replays for hours (the longest advance the clock holds) is followed as it is stored
// and can be given up: neither stored nor refused, it waits for the next run.
TEST_P(HistoryKeeperTest, StoringAFileThatReplaysForHoursCanBeGivenUp)
{
    std::filesystem::create_directories(sessions_);
    const std::filesystem::path ten_years = sessions_ / "2026-12-10_08-00-00.zs";
    std::ofstream(ten_years) << "# started: 2026-12-10 08:00:00\nnewcoil\nadvance 316224000000\n";
    HistoryKeeper keeper(settings_, sessions_, "unused.sqlite", reference());
    std::vector<zun::Millis> told;
    const StoringRun run = keeper.store_new_sessions(
        {}, [&](const std::filesystem::path &file, zun::Millis reached, zun::Millis length) {
            EXPECT_EQ(file, ten_years);
            EXPECT_EQ(length, 316224000000);
            told.push_back(reached);
            return reached < 180'000;
        });
    EXPECT_TRUE(run.cancelled);
    EXPECT_EQ(run.stored, 0);
    EXPECT_TRUE(run.refused.empty());
    EXPECT_EQ(told, (std::vector<zun::Millis>{0, 60'000, 120'000, 180'000}));
    EXPECT_TRUE(keeper.database()->trainees().isEmpty());
    write_session(sessions_, 9, "Пётр", true);
    const StoringRun next = keeper.store_new_sessions(
        {}, [&ten_years](const std::filesystem::path &file, zun::Millis, zun::Millis) {
            EXPECT_NE(file, ten_years);
            return file != ten_years;
        });
    EXPECT_EQ(next.stored, 1) << "the file given up is not tried again while the program runs";
    EXPECT_FALSE(next.cancelled);
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
    EXPECT_EQ(keeper.store_new_sessions().stored, 0);

    std::filesystem::remove(blocked.toStdString());
    EXPECT_EQ(keeper.store_new_sessions().stored, 1);
    ASSERT_NE(keeper.database(), nullptr);
    EXPECT_TRUE(keeper.unavailable_reason().isEmpty());
    EXPECT_EQ(keeper.database()->trainees(), QStringList{"Пётр"});
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
    const HistoryService &history = *forms.history();
    stored_outcome(history);
    forms.store_sessions();
    stored_outcome(history);
    const auto boxes = std::ranges::count_if(ui_port.calls, [](const std::string &call) {
        return call.starts_with("message_box Журнал обучаемых недоступен");
    });
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(forms.journal().message().contains("engine"))
        << forms.journal().message().toStdString();
    forms.dispatcher().apply(zun::input::NewCoil{});
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
    stored_outcome(*forms.history());
    EXPECT_EQ(forms.journal().sessions().rowCount(), 1) << "the killed one, caught at start";
    forms.show_journal();
    stored_outcome(*forms.history());
    EXPECT_EQ(forms.journal().sessions().rowCount(), 1) << "not the one being recorded";
    forms.session_file_ended();
    stored_outcome(*forms.history());
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
    EXPECT_EQ(summarise_session("a.zs", "mode 0\nadvance 100\nnewcoil\n", reference).session.lesson,
              "training");
    EXPECT_EQ(summarise_session("b.zs", "mode 0\nlesson exam\nadvance 100\nnewcoil\n", reference)
                  .session.lesson,
              "exam");
}

// A course needs to know which exercise a session was of and whether it reached the goal; the
// score is judged by the course's own pass mark.
TEST(HistoryKeeper, AnExercisesSessionKeepsItsExerciseAndWhetherItReachedTheGoal)
{
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    const std::string header =
        "# exercise: Проба\n# goal: reach step 3 within 600 s, pass 100\nmode 0\nadvance 5000\n";
    const HistorySession reached =
        summarise_session(
            "a.zs", header + "pass\nuntil stage 2\nadvance 1000\npass\nuntil stage 3\n", reference)
            .session;
    EXPECT_EQ(reached.exercise, "Проба");
    EXPECT_EQ(reached.goal_reached, true);
    EXPECT_EQ(summarise_session("b.zs", header, reference).session.goal_reached, false);
    EXPECT_EQ(summarise_session("c.zs", "mode 0\n", reference).session.goal_reached, std::nullopt);
}

} // namespace
