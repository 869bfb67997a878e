// The instructor's window wired into the program: freeze and speed on the clock's driver, the
// lesson and the malfunctions through the door, the PIN during an exam.
#include "app/clock_driver.h"
#include "app/error_reporter.h"
#include "app/forms.h"
#include "app/instructor_station.h"
#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "sim/state_hash.h"
#include "sim/steps_texts.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/instructor_pin.h"
#include "ui/posts_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class InstructorTest : public ::testing::Test {
protected:
    InstructorTest()
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        forms.main().show();
        clock.start();
        station.emplace(clock);
        station->attach(forms);
        wall_advance(3000);
    }

    void wall_advance(double milliseconds)
    {
        for (double done = 0; done < milliseconds; done += 50) {
            wall += 50;
            clock.wake();
        }
    }
    InstructorWindow &window() { return station->window(); }
    bool explanation_seen() const
    {
        const QWidget *page = forms.steps().findChild<QWidget *>(QStringLiteral("Memo0"));
        return page && page->isVisibleTo(&forms.steps());
    }
    template <typename Widget> Widget &child(const char *name)
    {
        Widget *found = window().findChild<Widget *>(QString::fromLatin1(name));
        if (!found)
            throw std::logic_error(name);
        return *found;
    }
    // A left click on the coil car's key, as the trainee gives it: forward.
    void turn_coil_car_key()
    {
        CaptionLabel *key = forms.main().Panel_Posts->frame("Frame_45_Key_Fix_2").key->Label1;
        QTest::mousePress(key, Qt::LeftButton);
        QTest::mouseRelease(key, Qt::LeftButton);
    }

    QTemporaryDir config;
    zun::RecordingUiPort ui_port;
    Forms forms{ui_port};
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
    ErrorReporter errors;
    double wall = 0;
    ClockDriver clock{dispatcher, errors, [this] { return wall; }};
    std::optional<InstructorStation> station;
};

TEST_F(InstructorTest, FrozenTheLineStandsShowsItsBandAndIgnoresTheTrainee)
{
    window().show();
    child<QPushButton>("Button_Freeze").click();
    EXPECT_TRUE(clock.frozen());
    EXPECT_TRUE(forms.main().paused());
    EXPECT_EQ(child<QPushButton>("Button_Freeze").text(), "Продолжить");
    const std::uint64_t frozen_at = zun::state_hash(sim);
    turn_coil_car_key();
    wall_advance(5000);
    EXPECT_EQ(zun::state_hash(sim), frozen_at) << "nothing changes while wall time passes";

    child<QPushButton>("Button_Freeze").click();
    EXPECT_FALSE(forms.main().paused());
    turn_coil_car_key();
    EXPECT_TRUE(sim.Mech_Array[1]->b_KM_FWD) << "the trainee's key works again";
}

// The window shut or opened late, or the model built anew: the step's time is the model's.
TEST_F(InstructorTest, TheStepsTimeCountsFromTheStartOfTheStep)
{
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    const zun::Millis began = forms.assessment().record().current_stage_began();
    ASSERT_GT(began, 0);
    wall_advance(61000);
    window().show();
    window().refresh_from_model();
    const auto in_step_text = [this] {
        const QString text = child<QLabel>("Label_Stage_Time").text();
        return text.section(QStringLiteral(","), 0, 0);
    };
    const zun::Millis in_step = sim.scheduler.now() - began;
    EXPECT_EQ(in_step_text(), QStringLiteral("В этом шаге: %1:%2")
                                  .arg(in_step / 60000)
                                  .arg(in_step / 1000 % 60, 2, 10, QChar('0')));

    // Attached to another model in the same step from the start: its own stage's beginning.
    zun::RecordingUiPort other_port;
    Forms other(other_port);
    other.main().show();
    other.dispatcher().advance_by(3000);
    other.refresh();
    station->attach(other);
    window().refresh_from_model();
    EXPECT_EQ(in_step_text(),
              QStringLiteral("В этом шаге: 0:0%1")
                  .arg((3000 - other.assessment().record().current_stage_began()) / 1000));
    station->attach(forms);
}

TEST_F(InstructorTest, ATabChosenWhileFrozenGoesBackToThePageTheModelHasInFront)
{
    clock.set_frozen(true);
    auto *posts =
        forms.main().Panel_Posts->findChild<QTabWidget *>(QStringLiteral("PageControl_Posts"));
    ASSERT_NE(posts, nullptr);
    const int front = sim.front_page[0];
    const int shown = posts->currentIndex();
    posts->setCurrentIndex(shown == 0 ? 1 : 0);
    EXPECT_EQ(sim.front_page[0], front);
    EXPECT_EQ(posts->currentIndex(), shown);
}

TEST_F(InstructorTest, TheSpeedGoesToTheClocksDriver)
{
    QComboBox &speed = child<QComboBox>("speed_box");
    ASSERT_EQ(speed.count(), 6);
    EXPECT_EQ(speed.currentText(), "×1");
    emit speed.activated(5);
    EXPECT_EQ(clock.speed(), 8);
    const zun::Millis before = sim.scheduler.now();
    wall_advance(50);
    EXPECT_EQ(sim.scheduler.now() - before, 400);
}

TEST_F(InstructorTest, AnExamTakesTheAidsAwayAndItsWindowAsksForThePin)
{
    window().show();
    child<QRadioButton>("Radio_Exam").click();
    EXPECT_TRUE(sim.lesson_is_exam());
    EXPECT_FALSE(explanation_seen()) << "no explanation pages";
    EXPECT_FALSE(forms.steps().Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu->isEnabled());

    child<QLineEdit>("Edit_Pin").setText("2718");
    child<QPushButton>("Button_Set_Pin").click();
    EXPECT_TRUE(child<QLineEdit>("Edit_Pin").text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>("Edit_Old_Pin").isVisibleTo(&window()));
    window().hide();
    QStringList notices;
    window().set_notice([&notices](QWidget *, const QString &text) { notices.append(text); });
    QShortcut *ctrl_i = nullptr;
    for (QShortcut *shortcut : forms.main().findChildren<QShortcut *>())
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_I))
            ctrl_i = shortcut;
    ASSERT_NE(ctrl_i, nullptr);
    for (const char *typed : {"1234", "2718"}) {
        window().set_pin_asker([typed](QWidget &) { return QString::fromLatin1(typed); });
        emit ctrl_i->activated();
        EXPECT_EQ(window().isVisible(), QString::fromLatin1(typed) == "2718");
    }
    EXPECT_EQ(notices, QStringList{"Неверный PIN инструктора."});
    EXPECT_TRUE(window().isVisible());

    window().set_pin_asker([](QWidget &) { return QStringLiteral("1234"); });
    child<QRadioButton>("Radio_Training").click();
    EXPECT_TRUE(sim.lesson_is_exam()) << "the examination ends for the PIN only";
    EXPECT_TRUE(child<QRadioButton>("Radio_Exam").isChecked());
    window().set_pin_asker([](QWidget &) { return QStringLiteral("2718"); });
    child<QRadioButton>("Radio_Training").click();
    EXPECT_TRUE(explanation_seen());

    window().hide(); // in training too, the window opens for the PIN only
    window().set_pin_asker([](QWidget &) { return QStringLiteral("0000"); });
    emit ctrl_i->activated();
    EXPECT_FALSE(window().isVisible());
}

// The computer's administrator holds the PIN and an examination in the system's configuration:
// the examination begins with the program and the window neither ends it nor changes the PIN.
TEST_F(InstructorTest, APinAndAnExaminationOfTheSystemsConfigurationAreBeyondTheWindow)
{
    // The administrator's own tool writes the file the trainer reads.
    const auto admin = [this](const QStringList &arguments, const QByteArray &typed) {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZUN_TRAINER_SYSTEM_CONFIG_DIR", config.filePath("system"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(ZUN_ADMIN_SCRIPT), arguments);
        tool.write(typed);
        tool.closeWriteChannel();
        EXPECT_TRUE(tool.waitForFinished());
        EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    };
    admin({"set-pin"}, "4242\n4242\n");
    admin({"exam", "on"}, {});
    const QString system_file = config.filePath("system/instructor.conf");
    station.emplace(clock, system_file);
    station->attach(forms);
    EXPECT_TRUE(station->exam_held());
    dispatcher.apply(zun::input::Lesson{zun::LessonKind::Exam});
    QStringList notices;
    window().set_notice([&notices](QWidget *, const QString &text) { notices.append(text); });
    window().set_pin_asker([](QWidget &) { return QStringLiteral("4242"); });
    ASSERT_TRUE(window().open_on_request(nullptr));
    EXPECT_FALSE(child<QLineEdit>("Edit_Pin").isEnabled());
    child<QRadioButton>("Radio_Training").click();
    EXPECT_TRUE(sim.lesson_is_exam());
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains("zun-trainer-admin exam off"));
}

TEST_F(InstructorTest, MalfunctionsAreSetListedAndClearedThroughTheDoor)
{
    window().show();
    QComboBox &mech = child<QComboBox>("ComboBox_Fault_Mech");
    mech.setCurrentIndex(mech.findData(1));
    child<QCheckBox>("CheckBox_Fault_0").click();
    EXPECT_TRUE(sim.Mech_Array[1]->fault_drive);
    QListWidget &active = child<QListWidget>("List_Active_Faults");
    ASSERT_EQ(active.count(), 1);
    EXPECT_TRUE(active.item(0)->text().endsWith("привод не включается"));
    turn_coil_car_key();
    EXPECT_FALSE(sim.Mech_Array[1]->b_KM_FWD);
    const QStringList &operations = window().operations();
    ASSERT_FALSE(operations.isEmpty());
    EXPECT_TRUE(operations.last().endsWith("отказ: привод неисправен"))
        << operations.last().toStdString();

    child<QPushButton>("Button_Clear_Faults").click();
    EXPECT_EQ(active.count(), 0);
    EXPECT_FALSE(child<QCheckBox>("CheckBox_Fault_0").isChecked());
}

TEST_F(InstructorTest, KeepsTheTraineesLastTwentyOperations)
{
    for (int mech = 0; mech < 25; ++mech)
        dispatcher.apply(zun::input::Command{mech, zun::MechCommand::Stop});
    dispatcher.apply(zun::input::MainWindowScroll{40, 0}); // not the trainee's operation
    const QStringList &operations = window().operations();
    ASSERT_EQ(operations.size(), InstructorWindow::operations_shown);
    EXPECT_TRUE(operations.first().endsWith("halt 5"));
    EXPECT_TRUE(operations.last().endsWith("halt 24"));
}

// The instructor places the window once: it opens whole on the screen, and what it shows never
// widens it nor moves it.
TEST_F(InstructorTest, TheWindowOpensOnTheScreenAndKeepsItsPlaceWhateverItShows)
{
    ASSERT_TRUE(window().open_on_request(&forms.main()));
    const QRect screen = window().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window().frameGeometry()))
        << window().frameGeometry().width() << "x" << window().frameGeometry().height();
    const QRect placed = window().geometry();
    for (const int mech : zun::console::keyed_mechanisms())
        for (int kind = 0; kind < zun::fault_kind_count; ++kind)
            dispatcher.apply(zun::input::Fault{mech, static_cast<zun::FaultKind>(kind), true});
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    for (int line = 0; line < zun::steps::line_count; ++line) {
        dispatcher.apply(zun::input::StepClick{line});
        for (const int mech : zun::console::keyed_mechanisms())
            dispatcher.apply(zun::input::Command{mech, zun::MechCommand::Forward});
        wall_advance(100);
        QApplication::processEvents();
        ASSERT_EQ(window().geometry(), placed) << "at line " << line;
    }
    forms.door_lock().set_locked(true); // a replay: its note comes up
    station->attach(forms);
    QApplication::processEvents();
    EXPECT_EQ(window().geometry(), placed);
    forms.door_lock().set_locked(false);
    window().hide();
    ASSERT_TRUE(window().open_on_request(&forms.main()));
    EXPECT_EQ(window().geometry(), placed) << "opened again where the instructor left it";
}

// Going back rebuilds the model at an earlier moment: the operations after it are undone.
TEST_F(InstructorTest, OperationsAfterTheMomentGoneBackToAreDropped)
{
    dispatcher.apply(zun::input::Command{5, zun::MechCommand::Stop});
    const zun::Millis between = sim.scheduler.now();
    dispatcher.advance_by(1000);
    dispatcher.apply(zun::input::Command{6, zun::MechCommand::Stop});
    ASSERT_TRUE(window().operations().last().endsWith("halt 6"));

    zun::RecordingUiPort earlier_port;
    Forms earlier(earlier_port);
    earlier.dispatcher().advance_to(between);
    station->attach(earlier);
    EXPECT_TRUE(window().operations().last().endsWith("halt 5"));
    EXPECT_FALSE(window().operations().join(' ').contains("halt 6"));
    station->attach(forms);
}

// A replay's model changes only by its recording: the instructor's lesson and malfunctions wait
// for the live line, and the window says why.
TEST_F(InstructorTest, DuringAReplayTheLessonAndMalfunctionsWait)
{
    window().show();
    forms.door_lock().set_locked(true);
    station->attach(forms);
    EXPECT_TRUE(child<QLabel>("Label_Replay_Note").isVisible());
    EXPECT_FALSE(child<QRadioButton>("Radio_Exam").isEnabled());
    QComboBox &mech = child<QComboBox>("ComboBox_Fault_Mech");
    mech.setCurrentIndex(mech.findData(1));
    child<QRadioButton>("Radio_Exam").click();
    child<QCheckBox>("CheckBox_Fault_0").click();
    EXPECT_FALSE(sim.lesson_is_exam());
    EXPECT_FALSE(sim.Mech_Array[1]->fault_drive);

    forms.door_lock().set_locked(false);
    window().refresh_from_model();
    EXPECT_FALSE(child<QLabel>("Label_Replay_Note").isVisible());
    child<QRadioButton>("Radio_Exam").click();
    EXPECT_TRUE(sim.lesson_is_exam());
}

// The session's file notes each change of the name: told once it is typed, not at each key.
TEST_F(InstructorTest, TheTraineesNameIsToldOnceTyped)
{
    window().set_default_trainee("Анна Петрова");
    QStringList told;
    QObject::connect(&window(), &InstructorWindow::trainee_name_changed,
                     [&told](const QString &name) { told.append(name); });
    window().show();
    auto &name = child<QLineEdit>("Edit_Trainee");
    QTest::keyClicks(&name, "Ivan Sidorov");
    EXPECT_TRUE(told.isEmpty());
    QTest::keyClick(&name, Qt::Key_Return);
    name.clear();
    QTest::keyClick(&name, Qt::Key_Return);
    QTest::keyClick(&name, Qt::Key_Return);
    EXPECT_EQ(told, QStringList({"Ivan Sidorov", "Анна Петрова"}));
}

TEST(InstructorPinTest, KeepsOnlyASaltedHashAndChangesWithTheOldPin)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath("pin.ini"), QSettings::IniFormat);
    InstructorPin pin(settings);
    EXPECT_FALSE(pin.is_set());
    EXPECT_TRUE(pin.matches("anything")) << "no PIN, no question";
    EXPECT_EQ(pin.change("", "2718"), "");
    const QString first = settings.value("instructor/pin_sha256").toString();
    EXPECT_TRUE(pin.matches("2718"));
    EXPECT_FALSE(pin.matches("27180"));
    EXPECT_FALSE(pin.matches(""));
    for (const QString &key : settings.allKeys())
        EXPECT_FALSE(settings.value(key).toString().contains("2718")) << key.toStdString();
    EXPECT_EQ(pin.change("1111", "0000"), "Неверный старый PIN: PIN не изменён.");
    EXPECT_TRUE(pin.matches("2718"));
    EXPECT_EQ(pin.change("2718", "2718"), "");
    EXPECT_NE(settings.value("instructor/pin_sha256").toString(), first) << "a new salt";

    InstructorPin again(settings);
    EXPECT_TRUE(again.matches("2718")) << "kept in the settings";
    EXPECT_EQ(pin.change("2718", ""), "");
    EXPECT_FALSE(again.is_set());

    InstructorPin system(settings, InstructorPin::Keeper::System);
    EXPECT_NE(system.change("", "1"), "");
    EXPECT_FALSE(system.is_set()) << "never written from the program";
}

} // namespace
