#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
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

// The same list made whole for saving: the fields state_fields names only while set are always
// named, and so are the training aids, which the hash leaves to the lesson they follow. Read back by restore_fields, it gives the model back exactly.
std::vector<StateField> snapshot_fields(const LineModel &sim);

// Where restored values come from, each asked for once by its name as snapshot_fields gives it.
class FieldSource {
public:
    // The value saved for the field; a source that has none throws.
    virtual std::string_view value(const std::string &name) = 0;

protected:
    ~FieldSource() = default;
};

// A value that does not fit its field.
class BadField : public std::runtime_error {
public:
    BadField(std::string field_name, const std::string &why)
        : std::runtime_error(why), name(std::move(field_name))
    {
    }
    std::string name;
};

// Writes every field of snapshot_fields from `source` into a freshly built model: the clock
// first, every timer queued at its saved due time. A value that does not fit throws BadField;
// the model is then half restored and must be thrown away.
void restore_fields(LineModel &sim, FieldSource &source);

} // namespace zun
