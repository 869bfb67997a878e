#pragma once

#include "sim/simulator.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zun {

// The version of the snapshot format written; a snapshot of another version is refused.
inline constexpr int snapshot_format = 1;

// The whole simulated state as text, one line each:
//   # zun-trainer snapshot 1          the format and its version
//   program=zun-trainer 0.1           the program that saved it
//   time=123450                       the virtual time, ms
//   hash=0123456789abcdef             state_hash of the saved state
//   name=value                        every field of snapshot_fields, in its order
//   # end
// Names and values are escaped: a backslash, line breaks and other control bytes are written
// as \\, \n, \r and \xHH, and an '=' in a name as \x3d, so that every line is one field.
std::string write_snapshot(const LineModel &sim);

// The virtual time a snapshot's header says it was saved at; nothing when it says none.
std::optional<Millis> snapshot_time(std::string_view text);

// A snapshot read back: the model, or why it was refused.
struct ReadSnapshot {
    std::unique_ptr<Simulator> simulator; // null when refused
    std::string error;                    // "line N: ..." where a line is to blame
};

// Restores a snapshot into a fresh model and hands it over only when every field has been
// read and the restored state hashes as saved; otherwise there is no model, and the error says
// why: another format version or program version, a cut file, an unknown, repeated or missing
// field, a bad value, or a state that is not the one saved.
ReadSnapshot read_snapshot(std::string_view text);

} // namespace zun
