#include "app/Unit_start.h"
#include "app/course_guide.h"
#include "app/error_reporter.h"
#include "app/exercise_library.h"
#include "app/history_service.h"
#include "app/instructor_station.h"
#include "app/trainee_name.h"
#include "app/trainer_session.h"
#include "runner/session_report.h"
#include "runner/sim_runner.h"
#include "sessions/session_file.h"
#include "sim/snapshot.h"
#include "sim/starting_point.h"
#include "sim/state_hash.h"
#include "sim/steps_texts.h"
#include "training/exercise.h"
#include "training/report.h"
#include "training/score.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/history_window.h"
#include "ui/main_commands.h"
#include "ui/report_window.h"
#include "ui/wrapped_button.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/exercise_library.h"
#include "runner/session_report.h"
#include "sim/starting_point.h"
#include "training/exercise.h"
#include "training/report.h"
#include "training/score.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::filesystem::path fresh_folder()
{
    const auto folder = std::filesystem::temp_directory_path() /
                        (std::string("zun_trainer_session_") +
                         testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    return folder;
}

// Removes a test's folder when it goes, after everything declared after it.
struct RemovedAtEnd {
    std::filesystem::path folder;
    ~RemovedAtEnd()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
};

zun::SessionScript read(const std::filesystem::path &file)
{
    std::ifstream in(file);
    return zun::read_session(in);
}

// The file replayed by the headless runner: its status, its messages and the hash it reaches.
struct Replayed {
    SimRunner::ExitStatus status;
    std::string errors;
    std::uint64_t hash;
};

Replayed replayed(const std::filesystem::path &file, bool check)
{
    std::ostringstream out;
    std::ostringstream errors;
    SimRunner runner(out);
    const SimRunner::ExitStatus status = runner.replay(read(file), check, errors);
    return {status, errors.str(), zun::state_hash(runner.sim())};
}

// The model's last word on the marker and on the hand among the port's calls from `first` on.
struct Pointers {
    std::string target;
    std::string hand;
    bool operator==(const Pointers &) const = default;
    friend std::ostream &operator<<(std::ostream &out, const Pointers &pointers)
    {
        return out << "{" << pointers.target << ", " << pointers.hand << "}";
    }
};

Pointers last_pointers(const std::vector<std::string> &calls, std::size_t first = 0)
{
    Pointers last;
    for (std::size_t i = first; i < calls.size(); ++i) {
        const std::string &call = calls[i];
        if (call.ends_with("_target"))
            last.target = call;
        else if (call.starts_with("show_keys_of") || call.find("hand") != std::string::npos)
            last.hand = call;
    }
    return last;
}

class TrainerSessionTest : public testing::Test {
protected:
    const zun::LineModel &sim() const { return session.forms().sim(); }
    zun::Dispatcher &dispatcher() const { return session.forms().dispatcher(); }
    std::uint64_t hash() const { return zun::state_hash(sim()); }
    zun::Millis now() const { return sim().scheduler.now(); }
    // The clock runs as the program's driver runs it.
    void live(zun::Millis duration)
    {
        dispatcher().advance_by(duration);
        session.catch_up_recording();
    }
    void new_coil() const { session.forms().main().commands->Button_Get_Rulon->click(); }
    // The trainee opens the main window, puts a coil on and lets the line run; then the
    // automation lays the strip through the line.
    void train(zun::Millis first, zun::Millis second)
    {
        session.forms().main().show();
        live(3000);
        new_coil();
        live(first - 3000);
        dispatcher().apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
        dispatcher().apply(zun::input::StepClick{30});
        live(second);
    }

    std::filesystem::path folder = fresh_folder();
    RemovedAtEnd cleanup{folder}; // after the session, which writes into it to its end
    zun::RecordingUiPort port;
    ErrorReporter errors;
    double wall_ms = 0; // the wall clock the program's clock driver reads
    InstructorStation *instructor = nullptr; // follows the rebuilt windows once a test sets it
    TrainerSession session{port, errors,
                           TrainerSession::Settings{folder, "zun-trainer test", "Пётр Иванов",
                                                    [this] { return wall_ms; }, "pc", "petr"},
                           [this](Forms &forms) {
                               if (instructor)
                                   instructor->attach(forms);
                           }};
};

TEST_F(TrainerSessionTest, RecordsFromTheStartAndEndsWithTheStateHash)
{
    std::vector<std::filesystem::path> ended;
    session.set_file_ended([&ended](const std::filesystem::path &file) { ended.push_back(file); });
    const std::filesystem::path file = session.current_file();
    ASSERT_EQ(file.parent_path(), folder);
    train(10000, 20000);
    session.set_trainee("Анна Петрова");
    session.end();
    EXPECT_EQ(ended, std::vector{file});
    const zun::SessionScript script = read(file);
    EXPECT_EQ(script.header.program, "zun-trainer test");
    EXPECT_EQ(script.header.trainee, "Анна Петрова");
    EXPECT_EQ(script.length_ms, 30000);
    EXPECT_EQ(script.end_hash, zun::hash_text(hash()));
    bool new_coil_recorded = false;
    for (const zun::SessionLine &line : script.lines)
        new_coil_recorded |= line.text == "newcoil";
    EXPECT_TRUE(new_coil_recorded);
    const Replayed check = replayed(file, true);
    EXPECT_EQ(check.status, SimRunner::Completed) << check.errors;
}

TEST_F(TrainerSessionTest, GoingBackRebuildsThatMomentAndGoesOnInANewFile)
{
    session.forms().main().show();
    session.forms().steps().show();
    live(3000);
    new_coil();
    live(20000);
    const std::uint64_t at_goal = hash();
    const Pointers pointers_at_goal = last_pointers(port.calls);
    ASSERT_FALSE(pointers_at_goal.target.empty());
    ASSERT_FALSE(pointers_at_goal.hand.empty());
    live(1000);
    dispatcher().apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher().apply(zun::input::StepClick{30});
    session.forms().steps().hide();
    live(60000);
    ASSERT_NE(hash(), at_goal);
    const std::filesystem::path parent = session.current_file();

    const std::size_t calls_before = port.calls.size();
    session.go_back(61000);
    EXPECT_EQ(now(), 23000);
    EXPECT_EQ(hash(), at_goal);
    // The marker and the hand are shown again where they were at that moment.
    EXPECT_EQ(last_pointers(port.calls, calls_before), pointers_at_goal);
    EXPECT_TRUE(session.forms().main().isVisible());
    EXPECT_TRUE(session.forms().steps().isVisible());
    const zun::SessionScript ended = read(parent);
    ASSERT_TRUE(ended.end_hash.has_value());
    EXPECT_EQ(replayed(parent, true).status, SimRunner::Completed);

    const std::filesystem::path file = session.current_file();
    ASSERT_NE(file, parent);
    EXPECT_EQ(read(file).header.continues, parent.filename().string());
    EXPECT_EQ(replayed(file, false).hash, at_goal); // self-contained, to the moment itself

    // Live again: the windows' inputs reach the model and the new file.
    const std::uint64_t before = hash();
    session.forms()
        .main()
        .commands->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu->click();
    live(1000);
    EXPECT_NE(hash(), before);
    session.end();
    const Replayed check = replayed(file, true);
    EXPECT_EQ(check.status, SimRunner::Completed) << check.errors;
}

TEST_F(TrainerSessionTest, GoingBackFurtherThanTheStartGoesToTheStart)
{
    session.forms().main().show();
    live(5000);
    new_coil();
    live(5000);
    session.go_back(300000);
    EXPECT_EQ(now(), 0);
    EXPECT_TRUE(session.forms().main().isVisible()); // shown at 0, before the clock ran
}

TEST_F(TrainerSessionTest, AnExaminationCannotGoBackNorOpenTheSessions)
{
    session.forms().main().show();
    live(5000);
    // Opened before the examination, they close when it begins.
    session.show_sessions_window();
    session.forms().show_report();
    ASSERT_TRUE(session.forms().report().isVisible());
    dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
    EXPECT_FALSE(session.forms().report().isVisible());
    live(10);
    EXPECT_FALSE(session.sessions_window().isVisible());
    EXPECT_EQ(session.open_replay(session.current_file()),
              "Во время экзамена сеансы не воспроизводятся.");
    EXPECT_FALSE(session.replaying());
    new_coil();
    live(4990);
    const std::filesystem::path file = session.current_file();
    session.go_back(60000);
    EXPECT_EQ(now(), 10000);
    EXPECT_EQ(session.current_file(), file);
    session.show_sessions_window();
    EXPECT_FALSE(session.sessions_window().isVisible());
}

TEST_F(TrainerSessionTest, ReplaysInTheWindowsSeeksBothWaysAndContinuesFromThere)
{
    session.forms().main().show();
    live(3000);
    new_coil();
    live(10000);
    const std::uint64_t at_13s = hash();
    const Pointers pointers_at_13s = last_pointers(port.calls);
    live(1000);
    dispatcher().apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher().apply(zun::input::StepClick{30});
    live(29000);
    const std::uint64_t at_43s = hash();
    live(5000);
    const std::filesystem::path recorded = session.current_file();

    // The live session's own file: it ends, then plays.
    ASSERT_EQ(session.open_replay(recorded), "");
    EXPECT_TRUE(session.replaying());
    EXPECT_TRUE(session.current_file().empty());
    EXPECT_TRUE(read(recorded).end_hash.has_value());
    EXPECT_EQ(session.replay_length(), 48000);
    EXPECT_FALSE(session.forms().start().isVisible());

    session.replay_play_to(13000);
    EXPECT_EQ(hash(), at_13s);
    // The live clock does not run the replay.
    wall_ms += 5000;
    session.clock().wake();
    EXPECT_EQ(now(), 13000);
    EXPECT_TRUE(session.forms().main().isVisible());
    // The trainee's input does not reach the model meanwhile.
    new_coil();
    session.forms().main().hide();
    EXPECT_EQ(hash(), at_13s);

    session.replay_seek(43000);
    EXPECT_EQ(hash(), at_43s);
    const std::size_t calls_before = port.calls.size();
    session.replay_seek(13000);
    EXPECT_EQ(hash(), at_13s);
    EXPECT_TRUE(session.forms().main().isVisible());
    EXPECT_EQ(last_pointers(port.calls, calls_before), pointers_at_13s);

    // Another replay opened over this one starts at its own beginning.
    const std::filesystem::path other = folder / "other.zs";
    std::filesystem::copy_file(recorded, other);
    ASSERT_EQ(session.open_replay(other), "");
    EXPECT_EQ(session.replay_position(), 0);
    session.replay_seek(13000);
    EXPECT_EQ(hash(), at_13s);

    session.continue_from_here();
    EXPECT_FALSE(session.replaying());
    const std::filesystem::path continued = session.current_file();
    EXPECT_EQ(read(continued).header.continues, other.filename().string());
    EXPECT_EQ(replayed(continued, false).hash, at_13s);
    new_coil();
    wall_ms += 2000;
    session.clock().wake(); // the live clock runs the continued session
    EXPECT_EQ(now(), 13000 + ClockDriver::max_step);
    EXPECT_NE(hash(), at_13s);
    session.end();
    EXPECT_EQ(replayed(continued, true).status, SimRunner::Completed);
}

TEST_F(TrainerSessionTest, ClosingAReplayStartsAFreshSession)
{
    train(5000, 5000);
    const std::filesystem::path recorded = session.current_file();
    ASSERT_EQ(session.open_replay(recorded), "");
    session.replay_play_to(8000);
    session.close_replay();
    EXPECT_FALSE(session.replaying());
    EXPECT_EQ(now(), 0);
    EXPECT_TRUE(session.forms().start().isVisible());
    EXPECT_FALSE(session.forms().main().isVisible());
    const zun::Simulator fresh;
    EXPECT_EQ(hash(), zun::state_hash(fresh.state()));
    EXPECT_NE(session.current_file(), recorded);
    EXPECT_FALSE(session.current_file().empty());
    live(100);
    std::ifstream fresh_file(session.current_file());
    const std::string fresh_text{std::istreambuf_iterator<char>(fresh_file), {}};
    EXPECT_TRUE(fresh_text.ends_with("# stage 0\n")) << fresh_text;
}

TEST_F(TrainerSessionTest, PlaysASessionTheHistoryKeepsFromAnotherPc)
{
    const std::string text = "# program: zun-trainer test\nadvance 3000\nnewcoil\nadvance 2000\n";
    session.replay_stored("2026-01-02_03-04-05.zs", text);
    ASSERT_TRUE(session.replaying());
    EXPECT_EQ(session.replay_length(), 5000);
    std::ifstream written(folder / "from-history" / "2026-01-02_03-04-05.zs");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), text);
    EXPECT_TRUE(session.sessions_window().isVisible());
}

// "воспроизвести" in the journal rebuilds the windows, the journal among them: after its click,
// not inside it.
TEST(TrainerSessionJournal, PlaysTheChosenSessionOnceTheClickIsOver)
{
    const std::filesystem::path folder = fresh_folder();
    // Gone only after the session and the history's thread, which still write into it.
    const RemovedAtEnd cleanup{folder};
    const std::filesystem::path sessions = folder / "sessions";
    {
        std::tm started{};
        started.tm_year = 126;
        started.tm_mday = 2;
        zun::RecordingUiPort port;
        zun::Dispatcher dispatcher(port);
        zun::SessionRecorder recorder(
            dispatcher, sessions, started,
            {"zun-trainer test", "2026-01-02 00:00:00", "Пётр", "", "pc", "petr", "0a"});
        dispatcher.advance_by(3000);
        dispatcher.apply(zun::input::NewCoil{});
        dispatcher.advance_by(2000);
        recorder.end();
    }
    const QSettings settings(QString::fromStdString((folder / "settings.ini").string()),
                             QSettings::IniFormat);
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    HistoryService history(settings, sessions,
                           QString::fromStdString((folder / "history.sqlite").string()), reference);
    zun::RecordingUiPort port;
    ErrorReporter errors;
    TrainerSession session(port, errors, {sessions, "zun-trainer test", "", [] { return 0.0; }, "pc", "petr"},
                           [&history, &reference](Forms &forms) {
                               forms.use_history(history, reference);
                           });
    session.forms().show_journal();
    QSignalSpy stored(&history, &HistoryService::stored);
    ASSERT_TRUE(stored.wait());
    HistoryWindow &journal = session.forms().journal();
    ASSERT_GE(journal.sessions().rowCount(), 1);
    journal.sessions().selectRow(0);
    QPushButton *play = nullptr;
    for (QPushButton *button : journal.findChildren<QPushButton *>())
        if (button->text() == "воспроизвести")
            play = button;
    ASSERT_NE(play, nullptr);
    play->click();
    EXPECT_FALSE(session.replaying());
    for (int turn = 0; turn < 100 && !session.replaying(); ++turn)
        stored.wait(10); // the text comes from the history's thread, then the click is over
    EXPECT_TRUE(session.replaying());
    EXPECT_EQ(session.replay_length(), 5000);
}

TEST_F(TrainerSessionTest, ABadFileGivesTheRunnersMessageAndOpensNothing)
{
    const std::filesystem::path bad = folder / "bad.zs";
    std::ofstream(bad) << "# program: zun-trainer test\nadvance 10\nnewcoil\nfwd 250\n";
    const std::filesystem::path live_file = session.current_file();
    const std::string error = session.open_replay(bad);
    EXPECT_EQ(error, "line 4: mechanism 250 outside 0..199");
    EXPECT_EQ(error + "\n", replayed(bad, false).errors);
    EXPECT_FALSE(session.replaying());
    EXPECT_EQ(session.current_file(), live_file);
}

TEST_F(TrainerSessionTest, TheSessionsWindowPlaysAtTheChosenSpeedAndSaysTheInputIsIgnored)
{
    train(20000, 20000);
    session.end();
    SessionsWindow &window = session.sessions_window();
    window.show();
    ASSERT_EQ(window.sessions_list->rowCount(), 1);
    EXPECT_EQ(window.sessions_list->item(0, 1)->text(), "0:00:40");
    EXPECT_EQ(window.sessions_list->item(0, 2)->text(), "Пётр Иванов");
    EXPECT_FALSE(window.continue_button->isEnabled());
    window.sessions_list->setCurrentCell(0, 0);
    window.play_button->click();
    ASSERT_TRUE(session.replaying());
    EXPECT_TRUE(window.state_label->text().contains("не принимается"));
    EXPECT_FALSE(window.back_1_button->isEnabled());
    window.speed_box->setCurrentIndex(6); // ×16
    window.play_for(1000);
    EXPECT_EQ(session.replay_position(), 16000);
    window.play_for(10000);
    EXPECT_EQ(session.replay_position(), 40000);
    EXPECT_TRUE(window.paused()); // at the end
    window.close();
    EXPECT_FALSE(session.replaying());
    EXPECT_TRUE(window.back_1_button->isEnabled());
}

// The journal counts a trainee's steps by the name in each file: a session continued from a
// replay, or gone back in, is the same trainee's, whoever the account is.
TEST_F(TrainerSessionTest, AContinuedFileKeepsItsParentsTrainee)
{
    QStringList told;
    QObject::connect(&session, &TrainerSession::trainee_changed,
            [&told](const QString &name) { told.append(name); });
    session.set_trainee("Анна Петрова");
    train(5000, 5000);
    const std::filesystem::path annas = session.current_file();
    ASSERT_EQ(session.open_replay(annas), "");
    session.close_replay();
    session.set_trainee("Борис Котов"); // the next trainee at this PC

    ASSERT_EQ(session.open_replay(annas), "");
    EXPECT_EQ(session.trainee(), "Анна Петрова");
    session.close_replay();
    EXPECT_EQ(session.trainee(), "Борис Котов") << "a closed replay leaves the live trainee";
    ASSERT_EQ(session.open_replay(annas), "");
    session.replay_seek(8000);
    session.continue_from_here();
    const std::filesystem::path continued = session.current_file();
    EXPECT_EQ(read(continued).header.trainee, "Анна Петрова");
    live(2000);
    session.go_back(1000);
    ASSERT_NE(session.current_file(), continued);
    EXPECT_EQ(read(session.current_file()).header.trainee, "Анна Петрова");
    EXPECT_EQ(told, QStringList({"Анна Петрова", "Анна Петрова", "Анна Петрова", "Борис Котов",
                                 "Анна Петрова", "Анна Петрова"}));
}

TEST_F(TrainerSessionTest, TheSessionsListShowsTheNewFileAfterGoingBackByKey)
{
    train(5000, 5000);
    SessionsWindow &window = session.sessions_window();
    window.show();
    ASSERT_EQ(window.sessions_list->rowCount(), 1);
    session.go_back(5000); // Ctrl+1 in the main window, the list in sight
    EXPECT_EQ(window.sessions_list->rowCount(), 2);
}

// During a replay the instructor sees the replayed session: its step, its times, its trainee;
// after it, the live one's again.
TEST_F(TrainerSessionTest, TheInstructorsWindowFollowsTheReplayedSession)
{
    session.set_trainee("Анна Петрова");
    train(5000, 20000);
    const std::filesystem::path annas = session.current_file();
    ASSERT_EQ(session.open_replay(annas), ""); // it ends Anna's session
    session.close_replay();
    session.set_trainee("Борис Котов");
    live(1000);

    InstructorStation station(session.clock());
    instructor = &station;
    const ExerciseLibrary library({}, folder);
    station.follow(session, library);
    InstructorWindow &window = station.window();
    window.show();
    const auto &stage = *window.findChild<QLabel *>(QStringLiteral("Label_Stage"));
    const auto &times = *window.findChild<QLabel *>(QStringLiteral("Label_Stage_Time"));
    auto &name = *window.findChild<QLineEdit *>(QStringLiteral("Edit_Trainee"));

    ASSERT_EQ(session.open_replay(annas), "");
    session.replay_play_to(3000);
    EXPECT_TRUE(times.text().endsWith("занятие идёт: 0:03")) << times.text().toStdString();
    EXPECT_EQ(window.trainee_name(), "Анна Петрова");
    EXPECT_TRUE(name.isReadOnly());
    session.replay_play_to(22000);
    const int replayed_stage = sim().Frame_LineMetal.Stadiya_Raboti;
    ASSERT_NE(replayed_stage, 0);
    const std::string_view line = zun::steps::lines()[static_cast<std::size_t>(replayed_stage)];
    EXPECT_EQ(stage.text(),
              QStringLiteral("Шаг ") + QString::fromUtf8(line.data(), qsizetype(line.size())).trimmed());
    EXPECT_TRUE(times.text().endsWith("занятие идёт: 0:22")) << times.text().toStdString();
    session.replay_seek(4000);
    EXPECT_TRUE(times.text().endsWith("занятие идёт: 0:04")) << times.text().toStdString();

    session.close_replay();
    EXPECT_EQ(window.trainee_name(), "Борис Котов");
    EXPECT_FALSE(name.isReadOnly());
    EXPECT_EQ(times.text(), "В этом шаге: 0:00, занятие идёт: 0:00");
    instructor = nullptr;
}

TEST_F(TrainerSessionTest, AFolderThatCannotBeWrittenIsToldOnceAndTrainingGoesOn)
{
    std::filesystem::create_directories(folder);
    const std::filesystem::path taken = folder / "taken";
    std::ofstream(taken) << "a file, not a folder";
    zun::RecordingUiPort quiet_port;
    TrainerSession unwritten(quiet_port, errors,
                             {taken, "zun-trainer test", "", [] { return 0.0; }, "pc", "petr"});
    unwritten.forms().main().show();
    unwritten.forms().main().commands->Button_Get_Rulon->click();
    QApplication::processEvents();
    unwritten.go_back(60000);
    unwritten.forms().main().commands->Button_Get_Rulon->click();
    QApplication::processEvents();
    int boxes = 0;
    for (const std::string &call : quiet_port.calls)
        boxes += call.starts_with("message_box Сеанс не записывается");
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(unwritten.forms().main().isVisible());
}

// A name pasted into "Обучаемый" with line breaks and inputs in it, typed in the window during a
// training (no PIN asked): the session's file checks, and its report shows only what happened
// (nobody touched the line: no score, no examination).
TEST_F(TrainerSessionTest, ATraineesNamePastedWithInputsInItForgesNothing)
{
    InstructorStation station(session.clock());
    station.attach(session.forms());
    QObject::connect(&station.window(), &InstructorWindow::trainee_name_changed, &session,
                     [this](const QString &name) { session.set_trainee(name.toStdString()); });
    station.window().show();
    live(2000);
    auto *name = station.window().findChild<QLineEdit *>(QStringLiteral("Edit_Trainee"));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("Пётр\nlesson exam\nnewcoil\nstep 99\n"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("Пётр lesson exam newcoil step 99 "));
    QTest::keyClick(name, Qt::Key_Return);
    live(3000);
    const std::filesystem::path file = session.current_file();
    session.end();

    const zun::SessionScript script = read(file);
    EXPECT_EQ(script.header.trainee, "Пётр lesson exam newcoil step 99");
    const Replayed checked = replayed(file, true);
    EXPECT_EQ(checked.status, SimRunner::Completed) << checked.errors;
    std::ifstream in(file);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("\n# trainee: Пётр lesson exam newcoil step 99\n"), std::string::npos)
        << text;
    AssessedReplay replay;
    std::ostringstream errors;
    ASSERT_EQ(replay.replay(script, errors), SimRunner::Completed) << errors.str();
    const std::string report =
        zun::report_lines(replay.report(zun::ReferenceTimes::human_pace()));
    EXPECT_TRUE(report.starts_with("score=-\n")) << report;
    EXPECT_EQ(report.find("lesson=exam"), std::string::npos) << report;
    EXPECT_FALSE(replay.record().trainee_operated());
}

// A file holding the longest advance the clock allows takes hours to replay: opening it shows a
// progress dialog while the windows go on, and giving it up opens nothing and keeps the session.
TEST_F(TrainerSessionTest, OpeningAFileThatReplaysForHoursCanBeGivenUp)
{
    const std::filesystem::path ten_years = folder / "ten_years.zs";
    std::ofstream(ten_years) << "# program: zun-trainer test\nnewcoil\nadvance 316224000000\n";
    const std::filesystem::path live_file = session.current_file();
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *progress = qobject_cast<QProgressDialog *>(window)) {
                asked = progress->labelText().contains("ten_years.zs");
                progress->findChild<QPushButton *>()->click(); // "отменить"
            }
    });
    EXPECT_EQ(session.open_replay(ten_years), "Открытие сеанса отменено.");
    EXPECT_TRUE(asked);
    EXPECT_FALSE(session.replaying());
    EXPECT_EQ(session.current_file(), live_file);
}

// A huge line in a file is quoted by a short beginning, so that the sessions window keeps its size.
TEST_F(TrainerSessionTest, AHugeLineIsQuotedShort)
{
    const std::filesystem::path huge = folder / "huge.zs";
    std::ofstream(huge) << std::string(10'000'000, 'x') << "\n";
    SessionsWindow &window = session.sessions_window();
    window.show();
    const int width = window.width();
    window.play_file(huge);
    EXPECT_LT(window.error_label->text().size(), 300);
    EXPECT_TRUE(window.error_label->text().startsWith("line 1: unknown command 'xxx"));
    EXPECT_LE(window.width(), std::max(width, 1280));
}

// A full disk mid-session: the trainee is told once that recording has paused and once that it
// has caught up, and the file ends whole. The file-size limit stands in for the full disk.
TEST_F(TrainerSessionTest, AFullDiskIsToldOnceEachWayAndTheFileEndsWhole)
{
    const auto boxes_saying = [this](const std::string &beginning) {
        return std::ranges::count_if(port.calls, [&beginning](const std::string &call) {
            return call.starts_with("message_box " + beginning);
        });
    };
    const std::filesystem::path file = session.current_file();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit full = before;
    full.rlim_cur = std::filesystem::file_size(file);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    train(10000, 5000);
    QApplication::processEvents();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &before), 0);
    live(10);
    QApplication::processEvents();
    std::signal(SIGXFSZ, SIG_DFL);
    session.end();
    EXPECT_EQ(boxes_saying("Запись сеанса приостановлена"), 1);
    EXPECT_EQ(boxes_saying("Запись сеанса возобновлена"), 1);
    EXPECT_EQ(boxes_saying("Сеанс не записывается"), 0);
    const Replayed checked = replayed(file, true);
    EXPECT_EQ(checked.status, SimRunner::Completed) << checked.errors;
    EXPECT_EQ(checked.hash, hash());
}

TEST(TraineeName, IsTheAccountsFullNameElseTheLogin)
{
    const struct {
        const char *gecos;
        const char *login;
        const char *name;
    } cases[] = {
        {"Пётр Иванов,room 12,,", "petr", "Пётр Иванов"},
        {"Anna Petrova", "anna", "Anna Petrova"},
        {"", "student7", "student7"},
        {" ,,,", "student8", "student8"},
        {"Пётр\nlesson exam\nnewcoil,,", "petr", "Пётр lesson exam newcoil"},
        {"\xff\x01", "student9", "\xef\xbf\xbd"},
    };
    for (const auto &each : cases)
        EXPECT_EQ(name_from_account(each.gecos, each.login), each.name) << each.gecos;
}

} // namespace

namespace {

// A fresh session of the exercise: its file begins in the start state, its malfunctions come in
// as inputs, and going back keeps what had come and what is still to come.
TEST_F(TrainerSessionTest, AnExerciseBeginsAFileOfItsOwnThatReplaysWithoutIt)
{
    const zun::ReadExercise read =
        zun::read_exercise("name: Отказ привода\nstart: step 3\nstep 3: fault 1 drive on\n"
                           "at 90 s: fault 1 drive off\ngoal: reach step 4 within 300 s\n");
    ASSERT_TRUE(read.exercise) << read.error;
    train(5000, 2000);
    InstructorStation station(session.clock());
    instructor = &station;
    const ExerciseLibrary library({}, folder);
    station.follow(session, library);
    station.window().show();
    const auto &times = *station.window().findChild<QLabel *>(QStringLiteral("Label_Stage_Time"));
    const std::filesystem::path before = session.current_file();
    ASSERT_EQ(session.start_exercise(*read.exercise, zun::automatic_run_at_step(3)), "");
    EXPECT_NE(session.current_file(), before);
    const zun::Millis began = now();
    live(1'000);
    station.follow_model();
    EXPECT_TRUE(times.text().endsWith("занятие идёт: 0:01")) << times.text().toStdString();
    EXPECT_EQ(sim().Frame_LineMetal.Stadiya_Raboti, 3);
    EXPECT_TRUE(sim().Mech_Array[1]->fault_drive);
    live(59'000);
    session.go_back(30'000); // the fault stays set; its clearing is still to come
    EXPECT_TRUE(sim().Mech_Array[1]->fault_drive);
    live(59'000);
    EXPECT_TRUE(sim().Mech_Array[1]->fault_drive);
    for (int second = 0; second < 11; ++second) // as the program's clock goes, in short steps
        live(1'000);
    EXPECT_FALSE(sim().Mech_Array[1]->fault_drive);
    EXPECT_EQ(now(), began + 100'000);
    const std::filesystem::path file = session.current_file();
    ASSERT_EQ(session.open_replay(file), "");
    session.replay_play_to(began + 2'000);
    EXPECT_TRUE(times.text().endsWith("занятие идёт: 0:02")) << times.text().toStdString();
    session.close_replay();
    instructor = nullptr;

    std::ifstream in(file);
    const zun::SessionScript script = zun::read_session(in);
    EXPECT_EQ(script.header.exercise, "Отказ привода");
    EXPECT_EQ(script.header.goal, "reach step 4 within 300 s, pass 0");
    AssessedReplay replayed;
    std::ostringstream errors;
    ASSERT_EQ(replayed.replay(script, errors, true), SimRunner::Completed) << errors.str();
    const std::string lines = zun::report_lines(replayed.report(zun::ReferenceTimes::human_pace()));
    EXPECT_NE(lines.find("fault=drive mech=1 set=" + std::to_string(began)), std::string::npos)
        << lines;
    EXPECT_NE(lines.find("cleared=" + std::to_string(began + 90'000)), std::string::npos) << lines;
    EXPECT_NE(lines.find("goal_met=no why=step 4 not reached"), std::string::npos) << lines;
}

} // namespace

namespace {

// The steps trained before an examination stay the training session's: the examination is a
// file of its own that begins where the line stood, and counts only its own steps.
TEST_F(TrainerSessionTest, AnExaminationBeginsAFileOfItsOwn)
{
    train(5000, 2000);
    const std::filesystem::path training = session.current_file();
    const zun::Millis began = now();
    const int stage = sim().Frame_LineMetal.Stadiya_Raboti;
    const std::uint64_t before = hash();
    session.begin_exam();
    EXPECT_TRUE(sim().lesson_is_exam());
    const std::filesystem::path exam = session.current_file();
    ASSERT_NE(exam, training);
    live(5000);
    session.end();

    const auto report_of = [](const std::filesystem::path &file) {
        std::ifstream in(file);
        const zun::SessionScript script = zun::read_session(in);
        AssessedReplay replayed;
        std::ostringstream errors;
        EXPECT_EQ(replayed.replay(script, errors, true), SimRunner::Completed) << errors.str();
        return zun::report_lines(replayed.report(zun::ReferenceTimes::human_pace()));
    };
    const std::string training_lines = report_of(training);
    EXPECT_EQ(training_lines.find("lesson=exam"), std::string::npos) << training_lines;
    const std::string exam_lines = report_of(exam);
    EXPECT_NE(exam_lines.find("lesson=exam"), std::string::npos) << exam_lines;
    EXPECT_EQ(exam_lines.find("stage=1 "), std::string::npos) << "no step before it";
    EXPECT_NE(exam_lines.find("stage=" + std::to_string(stage) + " began=" + std::to_string(began)),
              std::string::npos)
        << exam_lines;
    std::ifstream in(exam);
    const zun::ReadSnapshot start = zun::read_snapshot(zun::read_session(in).header.start);
    ASSERT_TRUE(start.simulator) << start.error;
    EXPECT_EQ(zun::state_hash(start.simulator->state()), before) << "where the line stood";
}

// The course's next exercise is offered when the program starts, once the history has told how
// far the trainee has come; accepted, it starts; with the history away nothing is offered.
TEST_F(TrainerSessionTest, TheCoursesNextExerciseIsOfferedAtTheStart)
{
    const std::filesystem::path data = folder / "data";
    std::filesystem::create_directories(data / "exercises");
    std::ofstream(data / "exercises" / "first.zex")
        << "name: Первое\nstart: step 3\ngoal: reach step 4 within 300 s\n";
    std::ofstream(data / "exercises" / "second.zex")
        << "name: Второе\nstart: step 5\ngoal: reach step 6 within 300 s\n";
    std::ofstream(data / "exercises" / "course.zcourse")
        << "name: Курс\nexercise (pass 50): Первое\nexercise (pass 60): Второе\n";
    const QString database = QString::fromStdString((folder / "history.sqlite").string());
    {
        HistoryConnection connection;
        connection.sqlite_file = database;
        HistoryDatabase kept(connection);
        HistorySession passed;
        passed.file_name = "earlier.zs";
        passed.trainee = "Пётр Иванов";
        passed.started = QDateTime::fromString("2026-12-01T09:00:00", Qt::ISODate);
        passed.modes = "0";
        passed.exercise = "Первое";
        passed.score = 70;
        passed.goal_reached = true;
        kept.add(passed, "");
        passed.file_name = "later.zs";
        passed.exercise = "Второе";
        passed.score = 50;
        kept.add(passed, "");
    }
    QSettings settings(QString::fromStdString((folder / "settings.ini").string()),
                       QSettings::IniFormat);
    const zun::ReferenceTimes reference = zun::ReferenceTimes::human_pace();
    const auto offer_with = [&](bool accept) {
        HistoryService history(settings, folder / "sessions", database, reference);
        const ExerciseLibrary library({QString::fromStdString(data.string())}, folder / "own",
                                      &history);
        QStringList questions;
        CourseGuide guide(library, history, session, "", [&questions, accept](const QString &q) {
            questions << q;
            return accept;
        });
        QSignalSpy done(&guide, &CourseGuide::offer_done);
        history.store_sessions(session.current_file());
        EXPECT_TRUE(done.wait());
        EXPECT_EQ(done.value(0).value(0).toString(), "");
        return questions;
    };

    const std::filesystem::path before = session.current_file();
    EXPECT_EQ(offer_with(false),
              QStringList({"Курс «Курс»: следующее упражнение — «Второе» (проходной балл 60). "
                           "Попыток: 1, лучший балл: 50.\n\nНачать его сейчас?"}));
    EXPECT_EQ(session.current_file(), before) << "declined: nothing starts";
    EXPECT_EQ(offer_with(true).size(), 1);
    EXPECT_EQ(read(session.current_file()).header.exercise, "Второе");
    EXPECT_EQ(sim().Frame_LineMetal.Stadiya_Raboti, 5);

    // A station of a class waits for the lesson the centre set, and offers nothing in an
    // examination.
    {
        HistoryService history(settings, folder / "sessions", database, reference);
        const ExerciseLibrary library({QString::fromStdString(data.string())}, folder / "own",
                                      &history);
        QStringList questions;
        CourseGuide guide(library, history, session, "", [&questions](const QString &q) {
            questions << q;
            return true;
        });
        guide.await_lesson();
        QSignalSpy done(&guide, &CourseGuide::offer_done);
        history.store_sessions(session.current_file());
        ASSERT_TRUE(QTest::qWaitFor([&] { return history.last() && guide.course(); }));
        EXPECT_EQ(done.count(), 0) << "nothing is offered before the lesson is known";
        dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
        guide.lesson_known();
        EXPECT_EQ(done.count(), 1);
        EXPECT_TRUE(questions.isEmpty());
    }

    settings.setValue("history/engine", "postgresql"); // a server that is not there
    settings.setValue("history/host", QString::fromStdString((folder / "no-server").string()));
    EXPECT_TRUE(offer_with(true).isEmpty());
}

// A starting point without an exercise: a new file from the step's state, that replays alone;
// not during an examination.
TEST_F(TrainerSessionTest, AStartingPointBeginsAFileOfItsOwnWithNoExercise)
{
    train(5000, 2000);
    const std::filesystem::path before = session.current_file();
    ASSERT_EQ(session.start_from_point(zun::automatic_run_at_step(12)), "");
    EXPECT_NE(session.current_file(), before);
    EXPECT_EQ(sim().Frame_LineMetal.Stadiya_Raboti, 12);
    EXPECT_TRUE(session.forms().main().isVisible()) << "the trainee stays at the line";
    EXPECT_EQ(session.began(), now());
    live(5'000);
    const std::filesystem::path file = session.current_file();
    const zun::SessionScript script = read(file);
    EXPECT_EQ(script.header.exercise, "");
    EXPECT_FALSE(script.header.start.empty());
    EXPECT_EQ(replayed(file, false).status, SimRunner::Completed);

    dispatcher().apply(zun::input::Lesson{zun::LessonKind::Exam});
    EXPECT_EQ(session.start_from_point(zun::automatic_run_at_step(3)),
              "Во время экзамена линия не перезапускается.");
    EXPECT_EQ(session.current_file(), file);
}

} // namespace
