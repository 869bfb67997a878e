// A trainee's PC in its centre's class: the instructor's commands carried out through the line's
// door and confirmed, the session streamed, an examination resumed when the program starts.
#include "app/class_member.h"
#include "app/error_reporter.h"
#include "app/exercise_library.h"
#include "app/station_service.h"
#include "app/trainer_session.h"
#include "sessions/session_file.h"
#include "sim/line_model.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <memory>

namespace {

constexpr int deadline_ms = 20'000;

class ClassMemberTest : public ClassCentreTest {
protected:
    void SetUp() override
    {
        ClassCentreTest::SetUp();
        if (IsSkipped())
            return;
        const HistoryConnection connection = centre_->connection_as(centre_->station_a());
        QSettings settings(settings_file(), QSettings::IniFormat);
        settings.setValue("history/engine", "postgresql");
        settings.setValue("history/host", connection.host);
        settings.setValue("history/database", connection.database);
        settings.setValue("history/user", connection.user);
        std::filesystem::create_directories(data() / "exercises");
        std::ofstream(data() / "exercises" / "first.zex")
            << "name: Первое\nstart: step 3\ngoal: reach step 4 within 300 s\n";
    }

    QString settings_file() const { return folder_.filePath("zun-trainer.conf"); }
    std::filesystem::path data() const { return folder_.filePath("data").toStdString(); }
    std::filesystem::path sessions() const { return folder_.filePath("sessions").toStdString(); }

    std::unique_ptr<StationService> station() const
    {
        const QSettings settings(settings_file(), QSettings::IniFormat);
        return std::make_unique<StationService>(
            settings, "", StationIdentity{"pc-07", "ivanov", "test", QDateTime::currentDateTime()},
            sessions());
    }
    SqlOutcome as_instructor(const QString &sql) const
    {
        return centre_->run_as(centre_->instructor(), sql);
    }
    void send(const QString &line) const
    {
        ASSERT_TRUE(as_instructor(QStringLiteral("INSERT INTO class.commands (station, line) "
                                                 "VALUES ('%1', '%2')")
                                      .arg(centre_->station_a(), line))
                        .done);
    }
    // Whether the command was answered so.
    bool answered(const QString &line, const QString &answer) const
    {
        return as_instructor(QStringLiteral("SELECT 1 FROM class.answers a JOIN class.commands c"
                                            " ON c.id = a.command WHERE c.line = '%1'"
                                            " AND a.answer LIKE '%2'")
                                 .arg(line, answer))
                   .rows == 1;
    }
    QStringList file_lines(const std::filesystem::path &file) const
    {
        QFile in(QString::fromStdString(file.string()));
        EXPECT_TRUE(in.open(QIODevice::ReadOnly));
        QStringList lines = QString::fromUtf8(in.readAll()).split(u'\n');
        lines.removeLast(); // after the last newline
        return lines;
    }

    QTemporaryDir folder_;
    zun::RecordingUiPort port_;
    ErrorReporter errors_;
};

TEST_F(ClassMemberTest, CarriesOutTheInstructorsCommandsThroughTheDoorAndConfirmsThem)
{
    const std::unique_ptr<StationService> link = station();
    TrainerSession session(
        port_, errors_,
        {sessions(), "zun-trainer test", "Пётр", [] { return 0.0; }, "pc-07", "ivanov"});
    const ExerciseLibrary library({QString::fromStdString(data().string())},
                                  folder_.filePath("own").toStdString());
    QStringList messages;
    const ClassMember member(*link, session, library,
                             [&messages](const QString &text) { messages << text; });
    const struct {
        const char *line;
        const char *answer;
    } commands[] = {
        {"fault 1 drive on", "ok"},
        {"message Остановите линию", "ok"},
        {"trainee Анна", "ok"},
        {"speed 2", "ok"},
        {"speed 100", "скорость от 0.25 до 8, а не «100»"},
        {"jump", "неизвестная команда «jump»"},
        {"fault 900 drive on", "%mechanism 900%"},
    };
    for (const auto &command : commands)
        send(command.line);
    for (const auto &command : commands)
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return answered(command.line, command.answer); }, deadline_ms))
            << command.line;
    EXPECT_TRUE(session.forms().sim().Mech_Array[1]->fault_drive);
    EXPECT_EQ(messages, QStringList({"Остановите линию"}));
    EXPECT_EQ(session.trainee(), "Анна");
    EXPECT_DOUBLE_EQ(session.clock().speed(), 2);

    // The malfunction is the session file's, and the file is the class's line for line.
    const std::filesystem::path before = session.current_file();
    send("exercise Первое");
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered("exercise Первое", "ok"); }, deadline_ms));
    EXPECT_NE(session.current_file(), before);
    EXPECT_EQ(session.forms().sim().Frame_LineMetal.Stadiya_Raboti, 3);
    std::ifstream in(before);
    bool fault_recorded = false;
    for (const zun::SessionLine &line : zun::read_session(in).lines)
        fault_recorded |= line.text == "fault 1 drive on";
    EXPECT_TRUE(fault_recorded);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return centre_->lines_of(centre_->station_a(),
                                     QString::fromStdString(session.live_id())) ==
                   file_lines(session.current_file());
        },
        deadline_ms));
}

// The instructor follows the station's line time while its trainee does nothing.
TEST_F(ClassMemberTest, TheSessionFileTellsTheLinesTimeWhileNobodyTouchesTheLine)
{
    const std::unique_ptr<StationService> link = station();
    double wall_ms = 0;
    TrainerSession session(port_, errors_,
                           {sessions(), "zun-trainer test", "Пётр", [&wall_ms] { return wall_ms; },
                            "pc-07", "ivanov"});
    const ExerciseLibrary library({}, folder_.filePath("own").toStdString());
    const ClassMember member(*link, session, library, [](const QString &) {});
    for (wall_ms = 100; wall_ms <= 2500; wall_ms += 100)
        session.clock().wake();
    std::ifstream in(session.current_file());
    const zun::SessionScript script = zun::read_session(in);
    EXPECT_EQ(script.length_ms, 2000) << "the last half second is not yet a whole mark";
    ASSERT_FALSE(script.lines.empty());
    EXPECT_EQ(script.lines.back().text, "advance 1000");
}

// The examination is the station's until the instructor ends it: a new start of the program
// begins it again.
TEST_F(ClassMemberTest, AnExaminationTheInstructorSetResumesWhenTheProgramStarts)
{
    ASSERT_TRUE(as_instructor(QStringLiteral("INSERT INTO class.lessons (station, lesson) "
                                             "VALUES ('%1', 'exam')")
                                  .arg(centre_->station_a()))
                    .done);
    const std::unique_ptr<StationService> link = station();
    TrainerSession session(
        port_, errors_,
        {sessions(), "zun-trainer test", "Пётр", [] { return 0.0; }, "pc-07", "ivanov"});
    const ExerciseLibrary library({}, folder_.filePath("own").toStdString());
    const ClassMember member(*link, session, library, [](const QString &) {});
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return session.forms().sim().lesson_is_exam(); }, deadline_ms));
}

} // namespace
