#include "sessions/session_file.h"
#include "sessions/session_writer.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zun {
namespace {

std::tm local_time(int year, int month, int day, int hour, int minute, int second)
{
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

class SessionFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  (std::string("zun_sessions_") +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    static std::string content(const std::filesystem::path &path)
    {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
    std::tm start_ = local_time(2026, 3, 7, 9, 4, 5);
    SessionHeader header_{"zun-trainer 0.1", "2026-03-07 09:04:05", "Пётр Иванов", "", "", "", ""};
};

TEST_F(SessionFolder, WritesInputsWithAdvancesAndReadsThemBack)
{
    SessionWriter writer(folder_, start_, header_);
    writer.input(0, "mode 0");
    writer.input(1500, "newcoil");
    writer.stage(1500, 1);
    writer.input(1500, "key Frame_45_Key_Fix_1 press right");
    writer.end(4000, "00ab");
    ASSERT_FALSE(writer.failed()) << writer.error();
    EXPECT_EQ(writer.path().filename(), "2026-03-07_09-04-05.zs");

    EXPECT_EQ(content(writer.path()), "# program: zun-trainer 0.1\n"
                                      "# started: 2026-03-07 09:04:05\n"
                                      "# trainee: Пётр Иванов\n"
                                      "mode 0\n"
                                      "advance 1500\n"
                                      "newcoil\n"
                                      "# stage 1\n"
                                      "key Frame_45_Key_Fix_1 press right\n"
                                      "advance 2500\n"
                                      "# end hash=00ab\n");

    std::ifstream in(writer.path());
    const SessionScript script = read_session(in);
    EXPECT_EQ(script.header.trainee, "Пётр Иванов");
    EXPECT_EQ(script.header.started, "2026-03-07 09:04:05");
    EXPECT_EQ(script.end_hash, "00ab");
    EXPECT_EQ(script.length_ms, 4000);
    EXPECT_EQ(script.last_stage, 1);
    ASSERT_EQ(script.lines.size(), 5u);
    EXPECT_EQ(script.lines[2].number, 6);
    EXPECT_EQ(script.lines[2].text, "newcoil");
    EXPECT_FALSE(script.last_line_cut);
}

TEST_F(SessionFolder, NeverOverwritesASessionStartedInTheSameSecond)
{
    const SessionWriter first(folder_, start_, header_);
    const SessionWriter second(folder_, start_, header_);
    const SessionWriter third(folder_, start_, header_);
    EXPECT_EQ(first.path().filename(), "2026-03-07_09-04-05.zs");
    EXPECT_EQ(second.path().filename(), "2026-03-07_09-04-05-2.zs");
    EXPECT_EQ(third.path().filename(), "2026-03-07_09-04-05-3.zs");
}

TEST_F(SessionFolder, ListsTheSessionsNewestFirstWithWhatTheyHold)
{
    EXPECT_TRUE(list_sessions(folder_).empty());
    for (int i = 0; i < 11; ++i) {
        SessionWriter writer(folder_, start_, header_);
        writer.stage(i * 1000, i);
        if (i == 10)
            writer.end(12000, "00");
    }
    std::ofstream(folder_ / "notes.txt") << "not a session";
    const std::vector<SessionSummary> sessions = list_sessions(folder_);
    ASSERT_EQ(sessions.size(), 11u);
    EXPECT_EQ(sessions[0].path.filename(), "2026-03-07_09-04-05-11.zs");
    EXPECT_EQ(sessions[1].path.filename(), "2026-03-07_09-04-05-10.zs");
    EXPECT_EQ(sessions[10].path.filename(), "2026-03-07_09-04-05.zs");
    EXPECT_EQ(sessions[0].length_ms, 12000);
    EXPECT_EQ(sessions[0].last_stage, 10);
    EXPECT_TRUE(sessions[0].ended);
    EXPECT_FALSE(sessions[1].ended);
    EXPECT_EQ(sessions[1].header.trainee, "Пётр Иванов");
}

TEST_F(SessionFolder, AFolderThatCannotBeMadeIsReportedAndTheSessionGoesOn)
{
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "taken") << "a file, not a folder";
    SessionWriter writer(folder_ / "taken" / "sessions", start_, header_);
    EXPECT_TRUE(writer.failed());
    EXPECT_NE(writer.error().find("taken"), std::string::npos) << writer.error();
    writer.input(10, "newcoil");
    writer.end(20, "00");
    EXPECT_TRUE(writer.ended());
}

TEST_F(SessionFolder, TimeNeverGoesBackwards)
{
    SessionWriter writer(folder_, start_, header_);
    writer.input(100, "newcoil");
    EXPECT_THROW(writer.input(99, "newcoil"), std::logic_error);
}

TEST(SessionScript, AHalfWrittenLastLineIsDroppedAndTheRestKept)
{
    std::istringstream in("# trainee: A\r\nnewcoil\n\nadvance 30\nkey Frame_Butt");
    const SessionScript script = read_session(in);
    EXPECT_TRUE(script.last_line_cut);
    EXPECT_FALSE(script.end_hash);
    ASSERT_EQ(script.lines.size(), 2u);
    EXPECT_EQ(script.lines[1].text, "advance 30");
    EXPECT_EQ(script.lines[1].number, 4);
    EXPECT_EQ(script.header.trainee, "A");
    EXPECT_EQ(script.length_ms, 30);
}

TEST(SessionScript, LengthSaturatesInsteadOfOverflowing)
{
    std::istringstream in("advance 9223372036854775807\nadvance 9223372036854775807\n");
    EXPECT_EQ(read_session(in).length_ms, std::numeric_limits<std::int64_t>::max());
}

TEST(SessionFiles, AreNamedByTheirStartAndFoundInTheDataFolder)
{
    const std::tm new_year = local_time(1999, 12, 31, 23, 59, 59);
    EXPECT_EQ(session_file_name(new_year, 1), "1999-12-31_23-59-59.zs");
    EXPECT_EQ(session_file_name(new_year, 12), "1999-12-31_23-59-59-12.zs");

    const std::filesystem::path program = "/opt/zun";
    struct Case {
        const char *xdg_data_home;
        const char *home;
        const char *expected;
    };
    for (const Case &c :
         {Case{"/data", "/home/a", "/data/zun-trainer/sessions"},
          Case{"relative", "/home/a", "/home/a/.local/share/zun-trainer/sessions"},
          Case{nullptr, "/home/a", "/home/a/.local/share/zun-trainer/sessions"},
          Case{nullptr, nullptr, "/opt/zun/sessions"}, Case{nullptr, "", "/opt/zun/sessions"}})
        EXPECT_EQ(sessions_folder(c.xdg_data_home, c.home, program), c.expected)
            << (c.xdg_data_home ? c.xdg_data_home : "-") << " " << (c.home ? c.home : "-");
}

} // namespace
} // namespace zun

namespace zun {
namespace {

// What is not a regular file is refused before it is opened: a folder cannot be read, a device
// never ends and a pipe blocks.
TEST_F(SessionFolder, RefusesWhatIsNotARegularFileUnread)
{
    std::filesystem::create_directories(folder_);
    const std::filesystem::path pipe = folder_ / "pipe.zs";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::filesystem::path &path :
         {folder_, std::filesystem::path("/dev/zero"), pipe, folder_ / "missing.zs"}) {
        const SessionFileText file = read_session_file(path);
        EXPECT_NE(file.error.find(path.string()), std::string::npos) << file.error;
        EXPECT_TRUE(file.text.empty()) << path;
    }
    EXPECT_NE(read_session_file(pipe).error.find("not a regular file"), std::string::npos);
    EXPECT_TRUE(list_sessions(folder_).empty());
}

// The file being recorded is locked: another program storing sessions sees that it is still
// being written, and no longer once it has ended.
TEST_F(SessionFolder, AFileIsSaidToBeBeingWrittenUntilItEnds)
{
    SessionWriter writer(folder_, start_, header_);
    writer.input(100, "newcoil");
    const SessionFileText open = read_session_file(writer.path());
    EXPECT_TRUE(open.error.empty()) << open.error;
    EXPECT_TRUE(open.being_written);
    EXPECT_TRUE(open.text.ends_with("newcoil\n"));
    writer.end(200, "00ab");
    EXPECT_FALSE(read_session_file(writer.path()).being_written);
}

// Whatever a header value holds, it is one line, written and read; the station, the account and
// the id come back as they were given.
TEST_F(SessionFolder, HeaderValuesAreOneLineEachWayAndTheIdentityComesBack)
{
    SessionHeader hostile = header_;
    hostile.trainee = "Пётр\nlesson exam\nnewcoil";
    hostile.station = "pc-07";
    hostile.account = "petr";
    hostile.id = new_session_id();
    SessionWriter writer(folder_, start_, hostile);
    writer.note(0, "a replay of evil\nstep 99.zs was opened");
    writer.end(0, "00");
    std::ifstream in(writer.path());
    const SessionScript script = read_session(in);
    EXPECT_TRUE(script.lines.empty());
    EXPECT_EQ(script.header.trainee, "Пётр lesson exam newcoil");
    EXPECT_EQ(script.header.station, "pc-07");
    EXPECT_EQ(script.header.account, "petr");
    EXPECT_EQ(script.header.id, hostile.id);
    EXPECT_EQ(script.header.id.size(), 32U);
    EXPECT_NE(new_session_id(), hostile.id);

    std::istringstream raw("# trainee: a\x01"
                           "b\xff\n");
    EXPECT_EQ(read_session(raw).header.trainee, "a b\xef\xbf\xbd");
}

} // namespace
} // namespace zun
