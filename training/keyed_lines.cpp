#include "keyed_lines.h"

#include "sessions/input_lines.h"
#include "sessions/text_line.h"

namespace zun {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string quoted(std::string_view word)
{
    return "'" + excerpt(word) + "'";
}

KeyedLine split_key(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        throw script::BadLine("expected KEY: VALUE, not " + quoted(line));
    return {trimmed(line.substr(0, colon)), trimmed(line.substr(colon + 1))};
}

std::string read_lines(std::string_view text, const std::function<void(std::string_view)> &read,
                       const std::function<void()> &finish)
{
    int number = 0;
    try {
        while (!text.empty()) {
            ++number;
            const std::size_t newline = text.find('\n');
            const std::string_view line = trimmed(text.substr(0, newline));
            text =
                newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
            if (!line.empty() && !line.starts_with('#'))
                read(line);
        }
        ++number;
        finish();
        return {};
    } catch (const script::BadLine &bad) {
        return "line " + std::to_string(number) + ": " + bad.what();
    }
}

} // namespace zun
