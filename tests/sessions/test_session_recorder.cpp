#include "sessions/session_player.h"
#include "sessions/session_recorder.h"

#include "sim/state_hash.h"
#include "sim/ui_port.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zun {
namespace {

std::string content(const std::filesystem::path &path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Sees the file as it stands when the model has applied an input.
class FileWatcher final : public InputObserver {
public:
    explicit FileWatcher(const std::filesystem::path &path) : path_(path) {}
    void input_applied(Millis, const Input &, const Answer &) override { seen = content(path_); }

    std::string seen;

private:
    const std::filesystem::path &path_;
};

class SessionRecorderTest : public testing::Test {
protected:
    SessionRecorderTest()
        : folder_(std::filesystem::temp_directory_path() /
                  (std::string("zun_recorder_") +
                   testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(folder_);
    }
    ~SessionRecorderTest() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path folder_;
    std::tm start_ = [] {
        std::tm time{};
        time.tm_year = 126;
        time.tm_mon = 2;
        time.tm_mday = 7;
        time.tm_hour = 9;
        time.tm_min = 4;
        time.tm_sec = 5;
        return time;
    }();
    SessionHeader header_{"zun-trainer 0.1", "2026-03-07 09:04:05", "Пётр Иванов", "", "", "", ""};
    RecordingUiPort port_;
    Dispatcher dispatcher_{port_};
    const LineModel &sim_ = dispatcher_.model();
};

TEST_F(SessionRecorderTest, WritesEachInputBeforeItIsApplied)
{
    SessionRecorder recorder(dispatcher_, folder_, start_, header_);
    FileWatcher watcher(recorder.path());
    dispatcher_.add_observer(watcher);
    dispatcher_.advance_by(1200);
    dispatcher_.apply(input::NewCoil{});
    EXPECT_NE(watcher.seen.find("advance 1200\nnewcoil\n"), std::string::npos) << watcher.seen;
    // An input the model cannot apply is in the file all the same: it is what was given.
    EXPECT_ANY_THROW(dispatcher_.apply(input::CloseUpClick{"Panel_None"}));
    dispatcher_.remove_observer(watcher);
    EXPECT_TRUE(content(recorder.path()).ends_with("closeup Panel_None click\n"));
}

TEST_F(SessionRecorderTest, NotesStagesAndEndsWithTheStateHash)
{
    SessionRecorder recorder(dispatcher_, folder_, start_, header_);
    dispatcher_.apply(input::SelectMode{WorkingMode::StageByClick});
    dispatcher_.apply(input::StepClick{12});
    dispatcher_.advance_by(500);
    recorder.set_trainee("Анна Петрова");
    recorder.end("that is all");
    std::ifstream in(recorder.path());
    const SessionScript script = read_session(in);
    EXPECT_EQ(script.end_hash, hash_text(state_hash(sim_)));
    EXPECT_EQ(script.last_stage, int{sim_.Frame_LineMetal.Stadiya_Raboti});
    EXPECT_EQ(script.header.trainee, "Анна Петрова");
    EXPECT_EQ(script.length_ms, 500);
    EXPECT_NE(content(recorder.path()).find("# that is all\n# end hash="), std::string::npos);
    // Nothing after the end.
    dispatcher_.apply(input::NewCoil{});
    EXPECT_EQ(recorder.inputs().size(), 2U);
}

TEST_F(SessionRecorderTest, MarksTheTimeWhileNobodyTouchesTheLine)
{
    SessionRecorder recorder(dispatcher_, folder_, start_, header_);
    // The clock runs on in steps, as the program's does, and the file is asked after each.
    for (int step = 0; step < 25; ++step) {
        dispatcher_.advance_by(100);
        recorder.mark_time(1000);
    }
    dispatcher_.apply(input::NewCoil{});
    recorder.end();
    const std::string text = content(recorder.path());
    EXPECT_NE(text.find("advance 1000\nadvance 1000\nadvance 500\nnewcoil\n"), std::string::npos)
        << text;
    std::istringstream in(text);
    EXPECT_EQ(read_session(in).length_ms, 2500);
}

TEST_F(SessionRecorderTest, ContinuesFromEarlierInputsInASelfContainedFile)
{
    InputTimeline earlier;
    {
        SessionRecorder first(dispatcher_, folder_, start_, header_);
        dispatcher_.apply(input::MainWindow{true});
        dispatcher_.advance_by(2000);
        dispatcher_.apply(input::NewCoil{});
        dispatcher_.advance_by(3000);
        dispatcher_.apply(input::Command{1, MechCommand::Forward});
        dispatcher_.advance_by(1000);
        earlier = first.inputs_until(5000);
        ASSERT_EQ(earlier.size(), 3U);
    }
    Dispatcher rebuilt(port_);
    SessionPlayer(rebuilt, earlier).play_to(5000);
    SessionHeader continued = header_;
    continued.continues = "2026-03-07_09-04-05.zs";
    SessionRecorder second(rebuilt, folder_, start_, continued, earlier);
    EXPECT_EQ(second.path().filename(), "2026-03-07_09-04-05-2.zs");
    std::ifstream in(second.path());
    const SessionScript script = read_session(in);
    EXPECT_EQ(script.header.continues, "2026-03-07_09-04-05.zs");
    // It holds the inputs up to that moment and the time after them.
    Dispatcher replayed(port_);
    SessionPlayer(replayed, second.inputs()).play_to(script.length_ms);
    EXPECT_EQ(script.length_ms, 5000);
    EXPECT_EQ(state_hash(replayed.model()), state_hash(rebuilt.model()));
}

TEST_F(SessionRecorderTest, ReportsAFolderThatCannotBeWrittenOnceAndKeepsTheInputs)
{
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "taken") << "a file, not a folder";
    std::vector<std::string> reports;
    SessionRecorder recorder(dispatcher_, folder_ / "taken", start_, header_, {},
                             [&reports](SessionRecorder::Writing what, const std::string &error) {
                                 EXPECT_EQ(what, SessionRecorder::Writing::CannotCreate);
                                 reports.push_back(error);
                             });
    dispatcher_.apply(input::NewCoil{});
    dispatcher_.apply(input::MainWindow{true});
    ASSERT_EQ(reports.size(), 1U);
    EXPECT_NE(reports[0].find("taken"), std::string::npos) << reports[0];
    EXPECT_EQ(recorder.inputs().size(), 2U);
    recorder.end();
    EXPECT_EQ(reports.size(), 1U);
}

// A name pasted with line breaks would put input lines into the file that the model never
// received; written as one line, the file replays to the live state and checks.
TEST_F(SessionRecorderTest, ATraineesNameWithLineBreaksStaysOneHeaderLine)
{
    const std::string pasted = "Пётр\nlesson exam\r\nnewcoil\nstep 99\n";
    header_.trainee = pasted;
    SessionRecorder recorder(dispatcher_, folder_, start_, header_);
    dispatcher_.advance_by(700);
    recorder.set_trainee(pasted);
    dispatcher_.advance_by(300);
    recorder.end();
    std::ifstream in(recorder.path());
    const SessionScript script = read_session(in);
    EXPECT_EQ(script.header.trainee, "Пётр lesson exam newcoil step 99");
    std::vector<std::string> lines;
    for (const SessionLine &line : script.lines)
        lines.push_back(line.text);
    EXPECT_EQ(lines, (std::vector<std::string>{"advance 700", "advance 300"}));
    Dispatcher replayed(port_);
    SessionPlayer(replayed, recorder.inputs()).play_to(script.length_ms);
    EXPECT_EQ(script.end_hash, hash_text(state_hash(replayed.model())));
}

// A full disk: the lines wait in memory, the trainee is told once that recording has paused and
// once that it has caught up, and the file ends whole, as if the disk had never filled. The
// file-size limit makes writes fail past a size, as a full disk does, and lifting it frees space.
TEST_F(SessionRecorderTest, AFullDiskPausesTheRecordingWhichCatchesUpWhenSpaceReturns)
{
    std::vector<SessionRecorder::Writing> reports;
    SessionRecorder recorder(dispatcher_, folder_, start_, header_, {},
                             [&reports](SessionRecorder::Writing what, const std::string &) {
                                 reports.push_back(what);
                             });
    const std::uintmax_t header_size = std::filesystem::file_size(recorder.path());
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit full = before;
    full.rlim_cur = header_size + 20; // "advance 100" fits, "newcoil" only in part
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    dispatcher_.advance_by(100);
    dispatcher_.apply(input::NewCoil{});
    dispatcher_.advance_by(100);
    dispatcher_.apply(input::MainWindow{true});
    recorder.catch_up();
    EXPECT_TRUE(recorder.paused());
    EXPECT_EQ(std::filesystem::file_size(recorder.path()), header_size + 20);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &before), 0);
    dispatcher_.advance_by(100);
    recorder.catch_up();
    EXPECT_FALSE(recorder.paused());
    dispatcher_.apply(input::Command{1, MechCommand::Forward});
    recorder.end();
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(reports, (std::vector<SessionRecorder::Writing>{SessionRecorder::Writing::Paused,
                                                              SessionRecorder::Writing::CaughtUp}));
    const std::string text = content(recorder.path());
    EXPECT_NE(text.find("advance 100\nnewcoil\nadvance 100\nwindow shown\nadvance 100\nfwd 1\n"),
              std::string::npos)
        << text;
    std::ifstream in(recorder.path());
    const SessionScript script = read_session(in);
    Dispatcher replayed(port_);
    SessionPlayer(replayed, recorder.inputs()).play_to(script.length_ms);
    EXPECT_EQ(script.end_hash, hash_text(state_hash(replayed.model())));
}

TEST(SessionPlayer, AppliesEachInputAtItsTimeAndNeverGoesBack)
{
    RecordingUiPort port;
    Dispatcher recorded(port);
    const InputTimeline inputs{{0, input::MainWindow{true}},
                               {1500, input::NewCoil{}},
                               {1500, input::Command{1, MechCommand::Forward}},
                               {4000, input::Command{1, MechCommand::Stop}}};
    for (const TimedInput &timed : inputs) {
        recorded.advance_to(timed.time);
        recorded.apply(timed.input);
    }
    recorded.advance_to(6000);

    Dispatcher played(port);
    SessionPlayer player(played, inputs);
    player.play_to(1500);
    EXPECT_EQ(player.played().size(), 3U); // those at the moment itself included
    player.play_to(6000);
    player.play_to(100);
    EXPECT_EQ(player.position(), 6000);
    EXPECT_EQ(state_hash(played.model()), state_hash(recorded.model()));
}

} // namespace
} // namespace zun
