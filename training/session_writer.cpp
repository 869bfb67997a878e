#include "session_writer.h"

#include <cerrno>
#include <cstring>
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

SessionWriter::SessionWriter(const std::filesystem::path &folder, const std::tm &local_time,
                             const SessionHeader &header)
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
        // "x": created here or not at all, so two programs never share a file.
        file_.reset(std::fopen(path_.c_str(), "wx"));
        if (file_)
            return;
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

void SessionWriter::note(std::int64_t time, std::string_view text)
{
    write_at(time, "# " + std::string(text) + "\n");
}

void SessionWriter::end(std::int64_t time, std::string_view hash)
{
    write_at(time, end_line(hash));
    ended_ = true;
    file_.reset();
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
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size() ||
        std::fflush(file_.get()) != 0) {
        fail("cannot write " + path_.string(), errno);
        file_.reset();
    }
}

void SessionWriter::fail(const std::string &what, int error_number)
{
    if (error_.empty())
        error_ = what + ": " + std::strerror(error_number);
}

} // namespace zun
