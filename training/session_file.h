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

struct SessionHeader {
    std::string program;   // the program's name and version
    std::string started;   // local date and time, "YYYY-MM-DD HH:MM:SS"
    std::string trainee;
    std::string continues; // the file this session continues, empty for a fresh start
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

// The comment lines the recorder writes, and their readers.
std::string header_lines(const SessionHeader &header);
std::string end_line(std::string_view hash);
std::string stage_note(int stage);
// A state hash as the end line writes it: sixteen hexadecimal digits.
std::string hash_text(std::uint64_t hash);

// Reads a whole session file. Only the layout is checked here; the runner checks each line.
SessionScript read_session(std::istream &in);

// What the list of recorded sessions shows of one file.
struct SessionSummary {
    std::filesystem::path path;
    SessionHeader header;
    std::int64_t length_ms = 0;
    std::optional<int> last_stage;
    bool ended = false; // it has its end line
};

// The session files (*.zs) of a folder, the newest first; a missing folder has none.
std::vector<SessionSummary> list_sessions(const std::filesystem::path &folder);

} // namespace zun
