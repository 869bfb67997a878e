#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zun {

// Text that a session file holds on one line of its own (the trainee's name, a file's name in a
// note) or that a message quotes: valid UTF-8 (each invalid byte becomes U+FFFD), every control
// character, line breaks included, a space, runs of spaces one, no space at either end, and at
// most `most_characters` characters. A line break inside a name would otherwise start a line of
// its own, which the runner reads as an input.
std::string one_line(std::string_view text, std::size_t most_characters = 200);

// A short, printable quote of what may be a huge or binary line, for a message: its first
// `most_characters` characters made one line, with "…" when something was left out.
std::string excerpt(std::string_view text, std::size_t most_characters = 60);

} // namespace zun
