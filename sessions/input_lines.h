#pragma once

#include "sim/inputs.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zun {
class PictureStore;
}

// Every input as one line of the headless runner's script language, and back: a session file is
// such a script, and a line read back gives the same input.
namespace zun::script {

// A line that cannot be read: the message says why.
class BadLine : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The words of a line, split at blanks, and joined again with one blank between them.
std::vector<std::string_view> split(std::string_view line);
std::string joined(const std::vector<std::string_view> &words);

// A signed 64-bit number, the whole word; "malformed number ..." otherwise.
long long parse_number(std::string_view word);
// A number from `lowest` to `highest`; "WHAT N outside LOWEST..HIGHEST" otherwise.
long long number_in_range(std::string_view word, long long lowest, long long highest,
                          const char *what);

// The word of a malfunction in its line: drive, permit, fwd_end, rws_end.
std::string_view fault_word(FaultKind kind);

// The line of an input, in the words the parser reads.
std::string line_of(const Input &input);

// The input the words of a line give, or nothing when they begin no input's line; a line that
// begins one but is malformed throws BadLine. Pictures and panels must exist in `pictures`.
std::optional<Input> parse_input(const std::vector<std::string_view> &words,
                                 const PictureStore &pictures);

} // namespace zun::script
