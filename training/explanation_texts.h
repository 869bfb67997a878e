#pragma once

#include <string_view>

// The hand-written sentences of the explanation pages, one row per line of the steps list.
namespace zun::training {

struct StepText {
    std::string_view what;  // what the step is for, and the naming a trainee might miss
    std::string_view then;  // what the line then does; may be empty
    std::string_view habit; // what the real line expects besides; may be empty
};

// Lines 0..49.
const StepText &step_text(int line);

} // namespace zun::training
