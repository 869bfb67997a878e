#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zun {

class LineModel;

// One field of the simulated state, named by where it lives ("mech[5].Pos_X") and written as
// text.
struct StateField {
    std::string name;
    std::string value;
    bool operator==(const StateField &) const = default;
};

// Every field of the simulated state, in a fixed order: the clock and every timer's next tick,
// every mechanism, the strip, the coils, the stage and the detectors' memory, every panel and
// picture of the description, the consoles, the pages in front, the windows' state the line
// depends on, and what the main window and the steps window show of the model. What belongs to
// the views alone (a key's flash, the lamps, the ammeters) is not in it.
std::vector<StateField> state_fields(const LineModel &sim);

// A hash of state_fields: two runs that did the same things at the same virtual times have the
// same hash.
std::uint64_t state_hash(const LineModel &sim);

} // namespace zun
