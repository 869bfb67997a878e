#include "session_writer.h"

#include "sessions/text_line.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <stdexcept>
#include <system_error>

namespace zun {
namespace {

constexpr std::string_view program_folder_name = "zun-trainer";
constexpr int most_files_in_one_second = 1000;

std::string two_digits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::filesystem::path sessions_folder(const char *xdg_data_home, const char *home,
                                      const std::filesystem::path &program_folder)
{
    // A relative XDG_DATA_HOME is invalid and to be ignored.
    if (xdg_data_home && std::filesystem::path(xdg_data_home).is_absolute())
        return std::filesystem::path(xdg_data_home) / program_folder_name / "sessions";
    if (home && *home)
        return std::filesystem::path(home) / ".local/share" / program_folder_name / "sessions";
    return program_folder / "sessions";
}

std::string session_file_name(const std::tm &local_time, int occurrence)
{
    std::string name = std::to_string(local_time.tm_year + 1900) + "-" +
                       two_digits(local_time.tm_mon + 1) + "-" + two_digits(local_time.tm_mday) +
                       "_" + two_digits(local_time.tm_hour) + "-" + two_digits(local_time.tm_min) +
                       "-" + two_digits(local_time.tm_sec);
    if (occurrence > 1)
        name += "-" + std::to_string(occurrence);
    return name + ".zs";
}

std::string new_session_id()
{
    std::random_device source;
    std::string id;
    constexpr std::string_view digits = "0123456789abcdef";
    std::uniform_int_distribution<std::size_t> digit(0, digits.size() - 1);
    for (int i = 0; i < 32; ++i)
        id += digits[digit(source)];
    return id;
}

SessionWriter::SessionWriter(const std::filesystem::path &folder, const std::tm &local_time,
                             const SessionHeader &header, std::int64_t began)
    : written_until_(began)
{
    create(folder, local_time);
    write(header_lines(header));
}

void SessionWriter::create(const std::filesystem::path &folder, const std::tm &local_time)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        fail("cannot create " + folder.string(), error.value());
        return;
    }
    for (int occurrence = 1; occurrence <= most_files_in_one_second; ++occurrence) {
        path_ = folder / session_file_name(local_time, occurrence);
        // Created here or not at all, so two programs never share a file; locked before a byte
        // is in it, so that no other program stores it unfinished.
        file_ = FileDescriptor(
            ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644));
        if (file_) {
            ::flock(file_.get(), LOCK_EX | LOCK_NB);
            created_ = true;
            return;
        }
        if (errno != EEXIST) {
            fail("cannot create " + path_.string(), errno);
            return;
        }
    }
    fail("too many sessions started in one second in " + folder.string(), EEXIST);
}

void SessionWriter::input(std::int64_t time, std::string_view line)
{
    write_at(time, std::string(line) + "\n");
}

void SessionWriter::stage(std::int64_t time, int stage)
{
    write_at(time, stage_note(stage));
}

void SessionWriter::advance_to(std::int64_t time)
{
    write_at(time, {});
}

void SessionWriter::note(std::int64_t time, std::string_view text)
{
    write_at(time, "# " + one_line(text, text.size()) + "\n");
}

// The file is closed, and so unlocked, only once everything is in it: lines still waiting keep it
// open to be written when they can.
void SessionWriter::end(std::int64_t time, std::string_view hash)
{
    write_at(time, end_line(hash));
    ended_ = true;
    catch_up();
}

void SessionWriter::write_at(std::int64_t time, std::string_view text)
{
    if (ended_)
        throw std::logic_error("session file written after its end");
    if (time < written_until_)
        throw std::logic_error("session time going backwards");
    if (time > written_until_)
        write("advance " + std::to_string(time - written_until_) + "\n");
    written_until_ = time;
    write(text);
}

void SessionWriter::write(std::string_view text)
{
    if (!file_)
        return;
    waiting_.append(text);
    if (!batching_)
        catch_up();
}

bool SessionWriter::catch_up()
{
    while (file_ && !waiting_.empty()) {
        const ssize_t written = ::write(file_.get(), waiting_.data(), waiting_.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            error_ = "cannot write " + path_.string() + ": " +
                     std::strerror(written < 0 ? errno : ENOSPC);
            return false;
        }
        waiting_.erase(0, static_cast<std::size_t>(written));
    }
    if (waiting_.empty() && ended_)
        file_.close();
    return waiting_.empty();
}

void SessionWriter::fail(const std::string &what, int error_number)
{
    if (error_.empty())
        error_ = what + ": " + std::strerror(error_number);
}

} // namespace zun
