#include "instructor/class_room.h"
#include "instructor/class_rows.h"
#include "instructor/class_window.h"
#include "instructor/mirror_window.h"
#include "runner/station_replay.h"
#include "sessions/session_file.h"
#include "sim/state_hash.h"
#include "tests/store/class_centre.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <sstream>

namespace {

constexpr int deadline_ms = 10'000;

std::string header_of(const std::string &trainee)
{
    zun::SessionHeader header;
    header.program = "zun-trainer 0.1";
    header.started = "2026-12-11 09:00:00";
    header.trainee = trainee;
    return zun::header_lines(header);
}

// What a whole replay of the session makes of it.
SessionProgress replayed(const std::string &text)
{
    std::istringstream in(text);
    const zun::SessionScript script = zun::read_session(in);
    AssessedReplay replay;
    std::ostringstream errors;
    EXPECT_EQ(replay.replay(script, errors), SimRunner::Completed) << errors.str();
    return progress_of(script.header, replay);
}

class ClassWindowTest : public ClassCentreTest {
protected:
    void SetUp() override
    {
        ClassCentreTest::SetUp();
        if (IsSkipped())
            return;
        link_a_ = streaming(centre_->station_a(), file_a_, text_a_);
        link_b_ = streaming(centre_->station_b(), file_b_, text_b_);
        room_ = std::make_unique<ClassRoom>(centre_->connection_as(centre_->instructor()));
        window_ = std::make_unique<ClassWindow>(*room_, mechanism_choices());
        window_->show();
        room_->refresh();
        table_ = window_->findChild<QTableWidget *>(QStringLiteral("Table_Class"));
        // The room reads the server on its own thread: the rows come with its answer.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return table_->rowCount() == 2 &&
                       !cell(centre_->station_a(), ClassColumn::Step).isEmpty() &&
                       !cell(centre_->station_b(), ClassColumn::Step).isEmpty();
            },
            deadline_ms))
            << room_->away_reason().toStdString();
    }

    std::unique_ptr<StationLink> streaming(const QString &login, const SessionFile &file,
                                           const std::string &text) const
    {
        file.append(QByteArray::fromStdString(text));
        auto link = std::make_unique<StationLink>(
            centre_->connection_as(login),
            StationIdentity{login + "-pc", "ivanov", "0.1", QDateTime::currentDateTimeUtc()});
        link->follow(file.session());
        EXPECT_GT(link->push(), 0);
        return link;
    }

    int row_of(const QString &login) const
    {
        for (int row = 0; row < table_->rowCount(); ++row)
            if (table_->item(row, 0) && table_->item(row, 0)->text() == login)
                return row;
        return -1;
    }
    QString cell(const QString &login, ClassColumn column) const
    {
        const int row = row_of(login);
        const QTableWidgetItem *item = row < 0 ? nullptr : table_->item(row, int(column));
        return item ? item->text() : QString();
    }
    void click(const char *button) const
    {
        auto *found = window_->findChild<QPushButton *>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        QTest::mouseClick(found, Qt::LeftButton);
    }

    SessionFile file_a_{"a.zs", "5f0c2a9e41d84b7c9a3e0d1f6b2c8e47"};
    SessionFile file_b_{"b.zs", "0d1f6b2c8e475f0c2a9e41d84b7c9a3e"};
    std::string text_a_ = header_of("Пётр Иванов") + "mode 0\nadvance 100\nrws 72\nadvance 1900\n"
                                                     "newcoil\nadvance 2000\nfwd 10\nadvance 2000\n"
                                                     "fault 1 drive on\nadvance 500\n";
    std::string text_b_ = header_of("Анна Петрова") + "lesson exam\nadvance 3000\n";
    std::unique_ptr<StationLink> link_a_;
    std::unique_ptr<StationLink> link_b_;
    std::unique_ptr<ClassRoom> room_;
    std::unique_ptr<ClassWindow> window_;
    QTableWidget *table_ = nullptr;
};

TEST_F(ClassWindowTest, ShowsEachStationsSessionAsItsReplayEnds)
{
    struct Case {
        QString login;
        std::string text;
    };
    for (const Case &c :
         {Case{centre_->station_a(), text_a_}, Case{centre_->station_b(), text_b_}}) {
        SCOPED_TRACE(c.login.toStdString());
        const QStringList expected = class_row_texts(
            ClassRow{.station = {.login = c.login}, .progress = replayed(c.text)}, std::nullopt);
        for (const ClassColumn column :
             {ClassColumn::Trainee, ClassColumn::Lesson, ClassColumn::Step, ClassColumn::TimeInStep,
              ClassColumn::Score, ClassColumn::Refusals, ClassColumn::OutOfSequence,
              ClassColumn::Faults})
            EXPECT_EQ(cell(c.login, column), expected.value(int(column))) << int(column);
        EXPECT_EQ(cell(c.login, ClassColumn::Connection), "на связи");
    }
    EXPECT_EQ(cell(centre_->station_a(), ClassColumn::Refusals), "1");
    EXPECT_EQ(cell(centre_->station_b(), ClassColumn::Lesson), "экзамен");
}

TEST_F(ClassWindowTest, FollowsTheLinesAStationStoresLater)
{
    file_a_.append("fault 3 permit on\nadvance 500\n");
    ASSERT_EQ(link_a_->push(), 2);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return cell(centre_->station_a(), ClassColumn::Faults).count(u';') == 1; },
        deadline_ms))
        << cell(centre_->station_a(), ClassColumn::Faults).toStdString();
}

TEST_F(ClassWindowTest, ALessonSetFromTheWindowReachesTheChosenStationAndItsAnswerComesBack)
{
    ASSERT_GE(row_of(centre_->station_a()), 0);
    table_->selectRow(row_of(centre_->station_a()));
    click("Button_Exam");

    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return cell(centre_->station_a(), ClassColumn::Command) ==
                   "lesson exam: ждёт подтверждения";
        },
        deadline_ms));
    const std::vector<ClassCommand> commands = link_a_->unconfirmed_commands();
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands.front().line, "lesson exam");
    EXPECT_EQ(link_a_->lesson(), ClassLesson::Exam);
    EXPECT_TRUE(link_b_->unconfirmed_commands().empty());
    EXPECT_EQ(link_b_->lesson(), std::nullopt);
    EXPECT_EQ(cell(centre_->station_b(), ClassColumn::Command), "");

    ASSERT_TRUE(link_a_->confirm(commands.front().id, "принято"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return cell(centre_->station_a(), ClassColumn::Command) == "lesson exam: принято"; },
        deadline_ms));
}

TEST_F(ClassWindowTest, ACommandToEveryStationReachesBoth)
{
    window_->findChild<QCheckBox *>(QStringLiteral("CheckBox_All"))->setChecked(true);
    click("Button_Freeze");
    for (StationLink *link : {link_a_.get(), link_b_.get()}) {
        std::vector<ClassCommand> commands;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !(commands = link->unconfirmed_commands()).empty(); }, deadline_ms));
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands.front().line, "freeze");
    }
}

TEST_F(ClassWindowTest, ACommandToNoStationIsNotSent)
{
    table_->clearSelection();
    table_->setCurrentCell(-1, -1);
    EXPECT_FALSE(window_->send(QStringLiteral("run")));
    EXPECT_TRUE(link_a_->unconfirmed_commands().empty());
    EXPECT_TRUE(link_b_->unconfirmed_commands().empty());
}

TEST(ClassRoom, ReadsOnItsOwnThreadAndSaysWhyTheServerIsAway)
{
    const QTemporaryDir no_server;
    ClassRoom room(absent_server(no_server));
    int changes = 0;
    QObject::connect(&room, &ClassRoom::changed, [&changes] { ++changes; });
    room.refresh();
    room.refresh(); // asked again while the first is awaited: read once more after it
    EXPECT_EQ(changes, 0) << "the windows do not wait for the server's answer";
    ASSERT_TRUE(QTest::qWaitFor([&changes] { return changes == 2; }, deadline_ms));
    EXPECT_FALSE(room.away_reason().isEmpty());
    EXPECT_TRUE(room.rows().empty());
}

TEST_F(ClassWindowTest, AMirrorFollowsTheChosenStationUntilAMomentIsChosen)
{
    table_->clearSelection();
    table_->setCurrentCell(-1, -1);
    EXPECT_EQ(window_->open_mirror(), nullptr);

    ASSERT_GE(row_of(centre_->station_a()), 0);
    table_->selectRow(row_of(centre_->station_a()));
    click("Button_Mirror");
    MirrorWindow *mirror = window_->open_mirror();
    ASSERT_NE(mirror, nullptr);
    EXPECT_EQ(window_->findChildren<MirrorWindow *>().size(), 1) << "one mirror per station";
    ASSERT_NE(mirror->mirror(), nullptr);
    const SessionMirror &shown = *mirror->mirror();

    const auto caught_up = [&] {
        const auto replay = room_->replay_of(centre_->station_a());
        return shown.position() == replay->time() &&
               zun::state_hash(shown.forms().sim()) ==
                   zun::state_hash(replay->replay().runner().sim());
    };
    file_a_.append("fault 3 permit on\nadvance 500\n");
    ASSERT_EQ(link_a_->push(), 2);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return shown.position() == 7'000 && caught_up(); }, deadline_ms))
        << shown.position();

    mirror->show_at(2'000);
    EXPECT_FALSE(mirror->following());
    file_a_.append("advance 700\n");
    ASSERT_EQ(link_a_->push(), 1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return room_->replay_of(centre_->station_a())->time() == 7'700; }, deadline_ms));
    EXPECT_EQ(shown.position(), 2'000) << "a chosen moment stays while lines arrive";

    mirror->follow();
    EXPECT_TRUE(mirror->following());
    EXPECT_EQ(shown.position(), 7'700);
    EXPECT_TRUE(caught_up());
}

} // namespace
