#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zun {

// A session file is a script of the headless runner: a header of comment lines, the inputs with
// `advance` lines between them, and at a normal end a last line with the state hash.

// The mark that begins each comment line holding a line of a session's start state.
inline constexpr std::string_view start_state_mark = "#| ";
// The mark that begins the end line of a session that ended normally.
inline constexpr std::string_view end_line_mark = "# end hash=";

struct SessionHeader {
    std::string program; // the program's name and version
    std::string started; // local date and time, "YYYY-MM-DD HH:MM:SS"
    std::string trainee;
    std::string continues; // the file this session continues, empty for a fresh start
    // Who recorded it where: with the start, what tells this session from any other of a
    // centre's history, whatever its file is named.
    std::string station = {}; // the PC's host name
    std::string account = {}; // the user's login
    std::string id = {};      // random, made when the recording starts
    // An exercise's session: its name, its goal in the words of its line ("reach step 5 within
    // 600 s, pass 70"), and the snapshot of the state it begins in, which the session's inputs
    // follow; all empty for a session that begins on a fresh line.
    std::string exercise = {};
    std::string goal = {};
    std::string start = {};
};

// One line of a session's script with its number in the file (from 1).
struct SessionLine {
    int number = 0;
    std::string text;
};

struct SessionScript {
    SessionHeader header;
    std::vector<SessionLine> lines;      // the script's lines, comments and blank lines left out
    std::optional<std::string> end_hash; // from the end line, when the session ended normally
    std::int64_t length_ms = 0;          // the sum of its `advance` lines
    std::optional<int> last_stage;       // from the last stage note
    bool last_line_cut = false;          // a last line without its newline was dropped
};

// The comment lines the recorder writes, and their readers. Every header value is written and read
// as one line (see one_line), so that no value starts a line of its own.
std::string header_lines(const SessionHeader &header);
std::string end_line(std::string_view hash);
bool is_end_line(std::string_view line);
std::string stage_note(int stage);
// A state hash as the end line writes it: sixteen hexadecimal digits.
std::string hash_text(std::uint64_t hash);

// Reads a whole session file. Only the layout is checked here; the runner checks each line.
SessionScript read_session(std::istream &in);

// A session file's bytes as read from the disk, or why they were not.
struct SessionFileText {
    std::string text;
    std::string error;          // empty when read
    bool being_written = false; // a recording program holds it locked
};

// Reads a session file whole. What is not a regular file (a folder, a device, a pipe) is refused
// unopened: reading it could fail, never end or block. A file that a recording program holds
// locked is read all the same and said to be still being written.
SessionFileText read_session_file(const std::filesystem::path &path);

// What the list of recorded sessions shows of one file.
struct SessionSummary {
    std::filesystem::path path;
    SessionHeader header;
    std::int64_t length_ms = 0;
    std::optional<int> last_stage;
    bool ended = false;      // it has its end line
    std::uintmax_t size = 0; // in bytes, when it was listed
};

// The session files (*.zs) of a folder, the newest first; a missing folder has none.
std::vector<SessionSummary> list_sessions(const std::filesystem::path &folder);

} // namespace zun
