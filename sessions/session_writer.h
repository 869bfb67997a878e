#pragma once

#include "sessions/file_descriptor.h"
#include "sessions/session_file.h"

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace zun {

// Where session files go: $XDG_DATA_HOME (when absolute), else ~/.local/share, each under the
// program's folder; with neither, a folder beside the program.
std::filesystem::path sessions_folder(const char *xdg_data_home, const char *home,
                                      const std::filesystem::path &program_folder);

// "YYYY-MM-DD_HH-MM-SS.zs", with "-2", "-3" ... for the second and later files of that second.
std::string session_file_name(const std::tm &local_time, int occurrence);

// A new session's id: 32 random hexadecimal digits.
std::string new_session_id();

// Appends one session to its file, line by line: each line is written before the caller goes on,
// so a crash loses nothing written before it. The file stays locked while it is being written, so
// that another program storing the sessions leaves it alone. A file that cannot be created stops
// the writing; the error says why, and the session itself goes on without it. When a write fails
// (a full disk), the lines wait in memory and are written, in order, as soon as a write succeeds
// again: the file is never left cut for good.
class SessionWriter {
public:
    // Creates a new file in `folder` (made if missing) named from `local_time`, never overwriting
    // an existing one, and writes the header. The session's lines follow the virtual time
    // `began`: the time of its start state, 0 on a fresh line.
    SessionWriter(const std::filesystem::path &folder, const std::tm &local_time,
                  const SessionHeader &header, std::int64_t began = 0);

    // An input line applied at virtual `time` (never earlier than the last line written).
    void input(std::int64_t time, std::string_view line);
    // The work stage has changed to `stage` at `time`.
    void stage(std::int64_t time, int stage);
    // A comment such as where the session goes on; `text` is one line.
    void note(std::int64_t time, std::string_view text);
    // The line's time has run on to `time` with nothing to write there: the advance line alone.
    void advance_to(std::int64_t time);
    // The virtual time the file's lines have reached.
    std::int64_t written_until() const { return written_until_; }
    // The normal end: the state hash at `time`. Nothing is written after it.
    void end(std::int64_t time, std::string_view hash);

    // Writes what waits, when something does; true when nothing waits any more.
    bool catch_up();

    // While one lives, the lines written wait, and go to the file in one write when it ends
    // rather than one write a line: for the many earlier lines of a session continued.
    class Batch {
    public:
        explicit Batch(SessionWriter &writer) : writer_(writer) { writer_.batching_ = true; }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        ~Batch()
        {
            writer_.batching_ = false;
            writer_.catch_up();
        }

    private:
        SessionWriter &writer_;
    };

    // No file could be made.
    bool failed() const { return !created_; }
    // Lines wait in memory for the file; error() says why.
    bool paused() const { return !waiting_.empty(); }
    const std::string &error() const { return error_; }
    const std::filesystem::path &path() const { return path_; }
    bool ended() const { return ended_; }

private:
    void create(const std::filesystem::path &folder, const std::tm &local_time);
    void write_at(std::int64_t time, std::string_view text);
    void write(std::string_view text);
    void fail(const std::string &what, int error_number);

    FileDescriptor file_;
    std::string waiting_; // written to the file as soon as it takes it
    std::filesystem::path path_;
    std::string error_;
    std::int64_t written_until_ = 0;
    bool created_ = false;
    bool ended_ = false;
    bool batching_ = false;
};

} // namespace zun
