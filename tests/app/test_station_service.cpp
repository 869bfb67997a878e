#include "app/station_service.h"
#include "sessions/session_file.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int deadline_ms = 10'000;

std::filesystem::path folder_of(const SessionFile &file)
{
    return std::filesystem::path(file.session().file.toStdString()).parent_path();
}

StationIdentity identity()
{
    return {"pc-07", "ivanov", "1.4.0", QDateTime::currentDateTimeUtc()};
}

// The history's settings of a PC, in a file of the test's own.
class Settings {
public:
    explicit Settings(const HistoryConnection &connection)
    {
        QSettings settings(path(), QSettings::IniFormat);
        settings.setValue("history/engine", connection.engine == HistoryConnection::Engine::SQLite
                                                ? "sqlite"
                                                : "postgresql");
        settings.setValue("history/host", connection.host);
        settings.setValue("history/database", connection.database);
        settings.setValue("history/user", connection.user);
    }
    QSettings read() const { return {path(), QSettings::IniFormat}; }

private:
    QString path() const { return folder_.filePath("zun-trainer.conf"); }

    QTemporaryDir folder_;
};

class StationServiceTest : public ClassCentreTest {
protected:
    void SetUp() override
    {
        ClassCentreTest::SetUp();
        if (IsSkipped())
            return;
        settings_ = std::make_unique<Settings>(centre_->connection_as(centre_->station_a()));
    }

    std::unique_ptr<StationService> start_service() const
    {
        auto service =
            std::make_unique<StationService>(settings_->read(), "", identity(), folder_of(file_));
        service->follow(file_.session());
        return service;
    }
    bool stored_equals_file() const
    {
        return centre_->lines_of(centre_->station_a(), file_.session().id) ==
               file_.complete_lines();
    }
    // The service's beats store what the file has gained; they go on meanwhile.
    void append_and_wait_until_stored(const QByteArray &lines) const
    {
        file_.append(lines);
        EXPECT_TRUE(QTest::qWaitFor([this] { return stored_equals_file(); }, deadline_ms));
    }

    std::unique_ptr<Settings> settings_;
    SessionFile file_{"2026-12-11_09-00-00.zs", "5f0c2a9e41d84b7c9a3e0d1f6b2c8e47"};
};

TEST_F(StationServiceTest, StreamsTheSessionFileAsItIsWritten)
{
    const std::unique_ptr<StationService> service = start_service();
    std::vector<StationLink::State> told;
    QObject::connect(service.get(), &StationService::state_changed,
                     [&told](const StationLink::State &state) { told.push_back(state); });
    EXPECT_TRUE(service->in_class());

    append_and_wait_until_stored("# zun-trainer 1.4.0\nkey 5 press\n");
    append_and_wait_until_stored("advance 250\nkey 5 release\n");
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].connected);
}

TEST_F(StationServiceTest, PushesTheLastLinesWhenItEnds)
{
    {
        const std::unique_ptr<StationService> service = start_service();
        file_.append("# zun-trainer 1.4.0\n# end hash=0123456789abcdef\n");
    }
    EXPECT_TRUE(stored_equals_file());
}

// The program was killed, or the server was away when the session ended: the next run sends the
// rest from the file.
TEST_F(StationServiceTest, CompletesTheSessionsAnEarlierRunLeftUnfinished)
{
    zun::SessionHeader header;
    header.program = "zun-trainer 1.4.0";
    header.started = "2026-12-11 09:00:00";
    header.trainee = "Пётр Иванов";
    header.id = file_.session().id.toStdString();
    file_.append(QByteArray::fromStdString(zun::header_lines(header)) + "key 5 press\n");
    {
        StationLink earlier_run(centre_->connection_as(centre_->station_a()), identity());
        earlier_run.follow(file_.session());
        ASSERT_GT(earlier_run.push(), 0);
    }
    file_.append("advance 250\n# end hash=0123456789abcdef\n");
    ASSERT_FALSE(stored_equals_file());

    const StationService next_run(settings_->read(), "", identity(), folder_of(file_));
    EXPECT_TRUE(QTest::qWaitFor([this] { return stored_equals_file(); }, deadline_ms));
}

TEST_F(StationServiceTest, HandsEachCommandOnceAndConfirmsIt)
{
    const std::unique_ptr<StationService> service = start_service();
    std::vector<ClassCommand> handed;
    QObject::connect(service.get(), &StationService::commands_arrived,
                     [&handed](const std::vector<ClassCommand> &commands) {
                         handed.insert(handed.end(), commands.begin(), commands.end());
                     });
    ASSERT_TRUE(centre_
                    ->run_as(centre_->instructor(),
                             "INSERT INTO class.commands (station, line) VALUES (NULL, 'pause')")
                    .done);
    ASSERT_TRUE(QTest::qWaitFor([&handed] { return !handed.empty(); }, deadline_ms));

    // Beats after it was handed, while it is not confirmed yet, hand it no more.
    append_and_wait_until_stored("# zun-trainer 1.4.0\n");
    append_and_wait_until_stored("pause\n");
    ASSERT_EQ(handed.size(), 1u);
    EXPECT_EQ(handed[0].line, "pause");

    service->confirm(handed[0].id, "пауза");
    const QString answered = QStringLiteral("SELECT FROM class.answers WHERE command = %1"
                                            " AND answer = 'пауза'")
                                 .arg(handed[0].id);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return centre_->run_as(centre_->instructor(), answered).rows == 1; }, deadline_ms));
}

TEST_F(StationServiceTest, TellsTheLessonAnInstructorSet)
{
    ASSERT_TRUE(centre_
                    ->run_as(centre_->instructor(),
                             QStringLiteral("INSERT INTO class.lessons (station, lesson)"
                                            " VALUES ('%1', 'exam')")
                                 .arg(centre_->station_a()))
                    .done);
    const std::unique_ptr<StationService> service = start_service();
    std::optional<std::optional<ClassLesson>> told;
    QObject receiver;
    service->fetch_lesson(&receiver, [&told](std::optional<ClassLesson> lesson,
                                             const StationLink::State &) { told = lesson; });
    ASSERT_TRUE(QTest::qWaitFor([&told] { return told.has_value(); }, deadline_ms));
    EXPECT_EQ(*told, ClassLesson::Exam);
}

TEST(StationService, SaysWhyTheServerIsAway)
{
    const QTemporaryDir no_server;
    const HistoryConnection connection = absent_server(no_server);
    const Settings settings(connection);
    const StationService service(settings.read(), "", identity(), {});
    std::vector<StationLink::State> told;
    QObject::connect(&service, &StationService::state_changed,
                     [&told](const StationLink::State &state) { told.push_back(state); });

    ASSERT_TRUE(QTest::qWaitFor([&told] { return !told.empty(); }, deadline_ms));
    EXPECT_FALSE(told[0].connected);
    EXPECT_FALSE(told[0].away_reason.isEmpty());
}

TEST(StationService, IsNoStationWithTheHistoryInSQLite)
{
    HistoryConnection sqlite;
    const QTemporaryDir folder;
    sqlite.sqlite_file = folder.filePath("history.sqlite");
    const Settings settings(sqlite);
    StationService service(settings.read(), "", identity(), {});
    EXPECT_FALSE(service.in_class());

    bool told = false;
    QObject receiver;
    service.fetch_lesson(
        &receiver, [&told](std::optional<ClassLesson> lesson, const StationLink::State &state) {
            told = true;
            EXPECT_EQ(lesson, std::nullopt);
            EXPECT_FALSE(state.connected);
        });
    EXPECT_TRUE(QTest::qWaitFor([&told] { return told; }, deadline_ms));
}

} // namespace
