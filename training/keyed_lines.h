#pragma once

#include <functional>
#include <string>
#include <string_view>

// The small texts an instructor reads and writes (exercises, courses): lines of "KEY: VALUE",
// blank lines and lines beginning with '#' skipped, a bad line named by its number.
namespace zun {

std::string_view trimmed(std::string_view text);

struct KeyedLine {
    std::string_view key;   // trimmed
    std::string_view value; // trimmed
};
// Splits a line at its first colon; throws script::BadLine when it has none.
KeyedLine split_key(std::string_view line);

// Hands `read` each trimmed line that is neither blank nor a comment, then calls `finish`. The
// first script::BadLine either throws is returned as "line N: why", N being the line after the
// last when `finish` throws; empty when every line read.
std::string read_lines(std::string_view text, const std::function<void(std::string_view)> &read,
                       const std::function<void()> &finish);

// A value in quotes for an error: 'value', cut when long.
std::string quoted(std::string_view word);

} // namespace zun
