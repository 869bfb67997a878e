#include "demo_script.h"

#include <charconv>
#include <istream>
#include <sstream>
#include <string_view>

namespace zun::video {

namespace {

constexpr std::string_view caption_key = "# caption:";
constexpr std::string_view place_key = "# place ";
constexpr std::string_view point_key = "# point ";
constexpr std::string_view advance_key = "advance ";
constexpr const char *windows[] = {"start", "main", "steps", "status", "videos"};

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::int64_t number(std::string_view word, int line)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size())
        throw BadDemo("line " + std::to_string(line) + ": malformed number '" + std::string(word) +
                      "'");
    return value;
}

Place place(std::string_view rest, int line)
{
    std::istringstream words{std::string(rest)};
    std::string window, x, y, more;
    words >> window >> x >> y;
    if (y.empty() || (words >> more))
        throw BadDemo("line " + std::to_string(line) + ": '# place WINDOW X Y'");
    bool known = false;
    for (const char *name : windows)
        known = known || window == name;
    if (!known)
        throw BadDemo("line " + std::to_string(line) + ": no window called '" + window + "'");
    return {window, static_cast<int>(number(x, line)), static_cast<int>(number(y, line))};
}

Point point(std::string_view rest, int line)
{
    std::istringstream words{std::string(rest)};
    std::string x, y, more;
    words >> x >> y;
    if (y.empty() || (words >> more))
        throw BadDemo("line " + std::to_string(line) + ": '# point X Y'");
    return {static_cast<int>(number(x, line)), static_cast<int>(number(y, line))};
}

} // namespace

DemoScript read_demo(std::istream &in)
{
    DemoScript script;
    int number_of_line = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number_of_line;
        const std::string_view line = trimmed(raw);
        if (line.starts_with(caption_key)) {
            script.steps.emplace_back(
                Caption{std::string(trimmed(line.substr(caption_key.size())))});
        } else if (line.starts_with(place_key)) {
            script.steps.emplace_back(place(line.substr(place_key.size()), number_of_line));
        } else if (line.starts_with(point_key)) {
            script.steps.emplace_back(point(line.substr(point_key.size()), number_of_line));
        } else if (line.empty() || line.front() == '#') {
            continue;
        } else if (line.starts_with(advance_key) || line == trimmed(advance_key)) {
            const std::int64_t ms = number(
                trimmed(line.substr(std::min(line.size(), advance_key.size()))), number_of_line);
            if (ms < 0)
                throw BadDemo("line " + std::to_string(number_of_line) + ": advance backwards");
            script.steps.emplace_back(Advance{ms});
            script.length_ms += ms;
        } else {
            script.steps.emplace_back(InputLine{number_of_line, std::string(line)});
        }
    }
    return script;
}

} // namespace zun::video
