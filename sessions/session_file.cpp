#include "session_file.h"

#include "sessions/file_descriptor.h"
#include "sessions/text_line.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <istream>
#include <iterator>
#include <limits>
#include <sstream>
#include <utility>

namespace zun {
namespace {

constexpr std::string_view program_key = "# program: ";
constexpr std::string_view started_key = "# started: ";
constexpr std::string_view trainee_key = "# trainee: ";
constexpr std::string_view continues_key = "# continues: ";
constexpr std::string_view station_key = "# station: ";
constexpr std::string_view account_key = "# account: ";
constexpr std::string_view id_key = "# id: ";
constexpr std::string_view exercise_key = "# exercise: ";
constexpr std::string_view goal_key = "# goal: ";
constexpr std::string_view stage_key = "# stage ";
constexpr std::string_view advance_key = "advance ";

std::optional<std::int64_t> number_after(std::string_view line, std::string_view key)
{
    if (!line.starts_with(key))
        return std::nullopt;
    std::int64_t value = 0;
    const std::string_view digits = line.substr(key.size());
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end == digits.data())
        return std::nullopt;
    return value;
}

std::int64_t saturated_sum(std::int64_t total, std::int64_t positive)
{
    constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max();
    return total > most - positive ? most : total + positive;
}

bool is_blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

void read_comment(std::string_view line, SessionScript &script)
{
    const auto value_after = [line](std::string_view key) {
        return one_line(line.substr(key.size()));
    };
    if (line.starts_with(program_key))
        script.header.program = value_after(program_key);
    else if (line.starts_with(started_key))
        script.header.started = value_after(started_key);
    else if (line.starts_with(trainee_key))
        script.header.trainee = value_after(trainee_key);
    else if (line.starts_with(continues_key))
        script.header.continues = value_after(continues_key);
    else if (line.starts_with(station_key))
        script.header.station = value_after(station_key);
    else if (line.starts_with(account_key))
        script.header.account = value_after(account_key);
    else if (line.starts_with(id_key))
        script.header.id = value_after(id_key);
    else if (line.starts_with(exercise_key))
        script.header.exercise = value_after(exercise_key);
    else if (line.starts_with(goal_key))
        script.header.goal = value_after(goal_key);
    else if (line.starts_with(start_state_mark))
        script.header.start.append(line.substr(start_state_mark.size())).append("\n");
    else if (line.starts_with(end_line_mark))
        script.end_hash = value_after(end_line_mark);
    else if (const auto stage = number_after(line, stage_key))
        script.last_stage = static_cast<int>(*stage);
}

// Names begin with the start's date and time; "-N" numbers the later files of one second.
std::pair<std::string, std::int64_t> start_order(const std::filesystem::path &path)
{
    constexpr std::size_t date_time_length = std::string_view("YYYY-MM-DD_HH-MM-SS").size();
    const std::string stem = path.stem().string();
    const std::string date_time = stem.substr(0, date_time_length);
    const std::optional<std::int64_t> occurrence =
        number_after(std::string_view(stem).substr(date_time.size()), "-");
    return {date_time, occurrence.value_or(1)};
}

} // namespace

std::string header_lines(const SessionHeader &header)
{
    std::string text;
    const auto add = [&text](std::string_view key, std::string_view value) {
        text.append(key).append(one_line(value)).append("\n");
    };
    const auto add_given = [&add](std::string_view key, std::string_view value) {
        if (!value.empty())
            add(key, value);
    };
    add(program_key, header.program);
    add(started_key, header.started);
    add_given(station_key, header.station);
    add_given(account_key, header.account);
    add_given(id_key, header.id);
    add(trainee_key, header.trainee);
    add_given(continues_key, header.continues);
    add_given(exercise_key, header.exercise);
    add_given(goal_key, header.goal);
    for (std::string_view start = header.start; !start.empty();) {
        const std::size_t newline = start.find('\n');
        text.append(start_state_mark).append(start.substr(0, newline)).append("\n");
        start = newline == std::string_view::npos ? std::string_view{} : start.substr(newline + 1);
    }
    return text;
}

std::string end_line(std::string_view hash)
{
    return std::string(end_line_mark).append(hash).append("\n");
}

bool is_end_line(std::string_view line)
{
    return line.starts_with(end_line_mark);
}

std::string stage_note(int stage)
{
    return std::string(stage_key).append(std::to_string(stage)).append("\n");
}

std::string hash_text(std::uint64_t hash)
{
    constexpr std::size_t width = 16;
    char digits[width];
    const char *end = std::to_chars(digits, digits + width, hash, 16).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    return std::string(width - count, '0') + std::string(digits, count);
}

SessionScript read_session(std::istream &in)
{
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    SessionScript script;
    std::string_view rest = content;
    for (int number = 1; !rest.empty(); ++number) {
        const std::size_t newline = rest.find('\n');
        if (newline == std::string_view::npos) {
            // A write cut short by a crash: the half line is no input.
            script.last_line_cut = !is_blank(rest);
            break;
        }
        std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.starts_with('#')) {
            read_comment(line, script);
            continue;
        }
        if (is_blank(line))
            continue;
        if (const auto duration = number_after(line, advance_key); duration && *duration > 0)
            script.length_ms = saturated_sum(script.length_ms, *duration);
        script.lines.push_back({number, std::string(line)});
    }
    return script;
}

SessionFileText read_session_file(const std::filesystem::path &path)
{
    SessionFileText read;
    const auto refuse = [&read, &path](std::string_view why) {
        read.error = "cannot read " + path.string() + ": " + std::string(why);
        return read;
    };
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return refuse(error.message());
    if (!std::filesystem::is_regular_file(status))
        return refuse("not a regular file");
    // Without blocking: a pipe put in its place since would block the open.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat opened {};
    if (!file || ::fstat(file.get(), &opened) != 0)
        return refuse(std::strerror(errno));
    if (!S_ISREG(opened.st_mode))
        return refuse("not a regular file");
    read.being_written = ::flock(file.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            return read;
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            read.text.clear();
            return refuse(std::strerror(errno));
        }
        read.text.append(buffer, static_cast<std::size_t>(count));
    }
}

std::vector<SessionSummary> list_sessions(const std::filesystem::path &folder)
{
    std::vector<SessionSummary> sessions;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || entry.path().extension() != ".zs")
            continue;
        const SessionFileText file = read_session_file(entry.path());
        if (!file.error.empty())
            continue;
        std::istringstream in(file.text);
        const SessionScript script = read_session(in);
        sessions.push_back({entry.path(), script.header, script.length_ms, script.last_stage,
                            script.end_hash.has_value(), file.text.size()});
    }
    std::ranges::sort(sessions, std::ranges::greater{},
                      [](const SessionSummary &session) { return start_order(session.path); });
    return sessions;
}

} // namespace zun
