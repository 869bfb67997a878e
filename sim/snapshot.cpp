#include "snapshot.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace zun {

namespace {

const std::string format_line = "# zun-trainer snapshot " + std::to_string(snapshot_format);
const std::string format_prefix = "# zun-trainer snapshot ";
const std::string program = "zun-trainer " ZUN_VERSION;
const std::string end_line = "# end";
// The header's lines after the format line, in their order.
constexpr int program_line = 2;
constexpr int time_line = 3;
constexpr int hash_line = 4;

// A refusal, where a line is to blame with its number.
class Refused : public std::runtime_error {
public:
    Refused(int line, const std::string &why)
        : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + why : why)
    {
    }
};

std::string hex(std::uint64_t value)
{
    constexpr std::size_t width = 16;
    char digits[width];
    const char *end = std::to_chars(digits, digits + width, value, 16).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    return std::string(width - count, '0') + std::string(digits, count);
}

std::string escaped(std::string_view text, bool name)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (const char byte : text) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '\\')
            out += "\\\\";
        else if (byte == '\n')
            out += "\\n";
        else if (byte == '\r')
            out += "\\r";
        else if (code < 0x20 || code == 0x7f || (name && byte == '='))
            out += {'\\', 'x', digits[code >> 4], digits[code & 0xf]};
        else
            out += byte;
    }
    return out;
}

int hex_digit(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// The text an escaped one stands for, or nothing when an escape is broken.
std::optional<std::string> unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\') {
            out += text[at];
            continue;
        }
        const std::string_view rest = text.substr(at + 1);
        if (rest.starts_with('\\') || rest.starts_with('n') || rest.starts_with('r')) {
            out += rest[0] == 'n' ? '\n' : rest[0] == 'r' ? '\r' : '\\';
            ++at;
        } else if (rest.size() >= 3 && rest[0] == 'x' && hex_digit(rest[1]) >= 0 &&
                   hex_digit(rest[2]) >= 0) {
            out += static_cast<char>(hex_digit(rest[1]) * 16 + hex_digit(rest[2]));
            at += 3;
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// The file's lines, numbered from 1; a line break ends every line, the last one included.
std::vector<std::string_view> lines_of(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            throw Refused(static_cast<int>(lines.size()) + 1,
                          "the snapshot is cut short: its last line has no end");
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

// The value after "key=" on a header line, or a refusal.
std::string_view header(const std::vector<std::string_view> &lines, int number,
                        std::string_view key)
{
    const std::string prefix = std::string(key) + "=";
    if (lines.size() < static_cast<std::size_t>(number) || !lines[number - 1].starts_with(prefix))
        throw Refused(number, "expected the header line '" + prefix + "...'");
    return lines[number - 1].substr(prefix.size());
}

void check_format(const std::vector<std::string_view> &lines)
{
    if (lines.empty() || !lines[0].starts_with(format_prefix))
        throw Refused(1, "not a zun-trainer snapshot");
    if (lines[0] != format_line)
        throw Refused(1, "snapshot format version '" +
                             std::string(lines[0].substr(format_prefix.size())) +
                             "'; this program reads version " +
                             std::to_string(snapshot_format));
    if (lines.back() != end_line)
        throw Refused(static_cast<int>(lines.size()),
                      "the snapshot is cut short: no end line '" + end_line + "'");
    const std::string_view saved_by = header(lines, program_line, "program");
    if (saved_by != program)
        throw Refused(program_line, "saved by '" + std::string(saved_by) + "', this is '" +
                                        program + "'");
}

// The fields of a snapshot by name, each given to the model once; those never asked for are
// unknown to it.
class SnapshotFields final : public FieldSource {
public:
    SnapshotFields(const std::vector<std::string_view> &lines, int first, int end)
    {
        for (int number = first; number < end; ++number)
            add(number, lines[static_cast<std::size_t>(number) - 1]);
    }

    std::string_view value(const std::string &name) override
    {
        const auto found = fields_.find(name);
        if (found == fields_.end())
            throw Refused(0, "missing field '" + name + "'");
        if (found->second.taken)
            throw Refused(found->second.line, "field '" + name + "' read twice");
        found->second.taken = true;
        return found->second.value;
    }
    int line_of(const std::string &name) const
    {
        const auto found = fields_.find(name);
        return found == fields_.end() ? 0 : found->second.line;
    }
    // Refuses the first field, in the file's order, that the model did not ask for.
    void check_all_taken() const
    {
        std::optional<std::pair<int, std::string>> first;
        for (const auto &[name, field] : fields_)
            if (!field.taken && (!first || field.line < first->first))
                first = {field.line, name};
        if (first)
            throw Refused(first->first, "unknown field '" + escaped(first->second, true) + "'");
    }

private:
    struct Field {
        std::string value;
        int line;
        bool taken = false;
    };

    void add(int number, std::string_view line)
    {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            throw Refused(number, "not a field: no '='");
        const std::optional<std::string> name = unescaped(line.substr(0, equals));
        const std::optional<std::string> value = unescaped(line.substr(equals + 1));
        if (!name || !value)
            throw Refused(number, "a broken escape");
        if (!fields_.try_emplace(*name, Field{*value, number}).second)
            throw Refused(number, "field '" + escaped(*name, true) + "' given twice");
    }

    std::unordered_map<std::string, Field> fields_;
};

std::unique_ptr<Simulator> restore(std::string_view text)
{
    const std::vector<std::string_view> lines = lines_of(text);
    check_format(lines);
    const std::string_view time = header(lines, time_line, "time");
    const std::string_view hash = header(lines, hash_line, "hash");
    SnapshotFields fields(lines, hash_line + 1, static_cast<int>(lines.size()));
    std::unique_ptr<Simulator> simulator;
    try {
        simulator = Simulator::restored(fields);
    } catch (const BadField &error) {
        throw Refused(fields.line_of(error.name), error.what());
    }
    fields.check_all_taken();
    if (time != std::to_string(simulator->now()))
        throw Refused(time_line, "the time " + std::string(time) + " is not the clock's " +
                                     std::to_string(simulator->now()));
    const std::string restored = hex(state_hash(simulator->state()));
    if (hash != restored)
        throw Refused(hash_line, "the state restored hashes " + restored + ", not " +
                                     std::string(hash) + " as saved: the file was altered");
    return simulator;
}

} // namespace

std::string write_snapshot(const LineModel &sim)
{
    std::string text = format_line + "\nprogram=" + program +
                       "\ntime=" + std::to_string(sim.scheduler.now()) +
                       "\nhash=" + hex(state_hash(sim)) + "\n";
    for (const StateField &field : snapshot_fields(sim))
        text += escaped(field.name, true) + "=" + escaped(field.value, false) + "\n";
    return text + end_line + "\n";
}

std::optional<Millis> snapshot_time(std::string_view text)
{
    constexpr std::string_view key = "\ntime=";
    const std::size_t found = text.find(key);
    if (found == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = text.substr(found + key.size());
    Millis time = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), time);
    if (error != std::errc() || end == digits.data())
        return std::nullopt;
    return time;
}

ReadSnapshot read_snapshot(std::string_view text)
{
    try {
        return {restore(text), {}};
    } catch (const Refused &refused) {
        return {nullptr, refused.what()};
    }
}

} // namespace zun
