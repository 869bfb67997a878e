#pragma once

#include <cstdint>
#include <string>

// The help compiler writes the time of day of its run into the compiled help file twice: in the
// file's header and in the entry the viewer reads it from. They are set to a time of our choice,
// so that one set of pages always gives the same file.
namespace zun::manual {

// A moment as the help file keeps it: milliseconds into its day (UTC).
std::uint32_t chm_stamp_of(std::int64_t unix_seconds);

// Sets both stamps of a compiled help file held in `file`. Throws std::runtime_error, leaving
// the bytes as they were, when they are no help file of the kind the compiler makes.
void set_chm_stamps(std::string &file, std::uint32_t stamp);

} // namespace zun::manual
