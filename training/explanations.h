#pragma once

#include "sim/console_layout.h"

#include <string>

// The explanation pages of the steps window and the key tip, in Russian: facts from the model's
// tables in hand-written sentences.
namespace zun::training {

// The page of line 0..49 of the steps list: what to do, where, which way, what the line then
// does, what completes the step, and the habit the real line expects. Empty beyond the list.
std::string explanation(int line);

// Which mouse button turns the key which way, and whether it springs back.
std::string key_tip(const console::Control &key);

} // namespace zun::training
