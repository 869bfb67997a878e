#include "chm_stamp.h"

#include <stdexcept>
#include <string_view>

namespace zun::manual {

namespace {

// The header: its stamp (big-endian), where the directory starts, where the uncompressed
// section's contents start.
constexpr std::size_t header_stamp_at = 0x10;
constexpr std::size_t directory_at_field = 0x48;
constexpr std::size_t contents_at_field = 0x58;
// The directory's header: its length, the size of its chunks, how many there are.
constexpr std::size_t directory_length_field = 0x08;
constexpr std::size_t chunk_size_field = 0x10;
constexpr std::size_t chunk_count_field = 0x2c;
// A listing chunk: its free space at the end, its entries after its header.
constexpr std::size_t free_space_field = 0x04;
constexpr std::size_t entries_at = 0x14;
// The file the viewer reads the stamp from: a version, then entries of a code and a length.
constexpr std::string_view system_file = "/#SYSTEM";
constexpr std::uint16_t stamp_code = 10;

[[noreturn]] void refuse(const std::string &why)
{
    throw std::runtime_error("not a compiled help file of the kind expected: " + why);
}

std::size_t checked_end(const std::string &file, std::size_t at, std::size_t size)
{
    if (at > file.size() || size > file.size() - at)
        refuse("a field past the file's end");
    return at + size;
}

// A little-endian number of `size` bytes.
std::uint64_t number_at(const std::string &file, std::size_t at, std::size_t size)
{
    checked_end(file, at, size);
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(file[at + i]);
    return value;
}

std::size_t offset_at(const std::string &file, std::size_t at, std::size_t size)
{
    const std::uint64_t value = number_at(file, at, size);
    if (value > file.size())
        refuse("an offset past the file's end");
    return static_cast<std::size_t>(value);
}

void expect_tag(const std::string &file, std::size_t at, std::string_view tag)
{
    checked_end(file, at, tag.size());
    if (std::string_view(file).substr(at, tag.size()) != tag)
        refuse("no " + std::string(tag) + " where it belongs");
}

// Reads a listing chunk's entries: names with their section, offset and length, the numbers
// in the compiler's variable-length form (seven bits a byte, the highest first).
class Entries {
public:
    Entries(const std::string &file, std::size_t at, std::size_t end)
        : file_(file), at_(at), end_(end)
    {
    }

    bool more() const { return at_ < end_; }
    std::string_view name()
    {
        const std::size_t length = static_cast<std::size_t>(encoded());
        if (length > end_ - at_)
            refuse("a name past its chunk's end");
        const std::string_view name = std::string_view(file_).substr(at_, length);
        at_ += length;
        return name;
    }
    std::uint64_t encoded()
    {
        std::uint64_t value = 0;
        for (int read = 0; read < 9; ++read) {
            if (at_ >= end_)
                refuse("a number past its chunk's end");
            const auto byte = static_cast<unsigned char>(file_[at_++]);
            value = (value << 7) | (byte & 0x7fu);
            if ((byte & 0x80u) == 0)
                return value;
        }
        refuse("a number too long");
    }

private:
    const std::string &file_;
    std::size_t at_;
    std::size_t end_;
};

struct Place {
    std::size_t at;
    std::size_t length;
};

// Where the directory puts a file of the uncompressed section.
Place find_uncompressed(const std::string &file, std::string_view wanted)
{
    expect_tag(file, 0, "ITSF");
    const std::size_t directory = offset_at(file, directory_at_field, 8);
    const std::size_t contents = offset_at(file, contents_at_field, 8);
    expect_tag(file, directory, "ITSP");
    const std::size_t first_chunk =
        checked_end(file, directory, offset_at(file, directory + directory_length_field, 4));
    const std::size_t chunk_size = offset_at(file, directory + chunk_size_field, 4);
    const std::size_t chunks = offset_at(file, directory + chunk_count_field, 4);
    if (chunk_size <= entries_at || (chunks > 0 && chunk_size > file.size() / chunks))
        refuse("directory chunks of no possible size");
    for (std::size_t chunk = 0; chunk < chunks; ++chunk) {
        const std::size_t start = first_chunk + chunk * chunk_size;
        checked_end(file, start, chunk_size);
        if (std::string_view(file).substr(start, 4) != "PMGL")
            continue; // an index chunk
        const std::size_t free_space = offset_at(file, start + free_space_field, 4);
        if (free_space > chunk_size - entries_at)
            refuse("a chunk with more free space than room");
        Entries entries(file, start + entries_at, start + chunk_size - free_space);
        while (entries.more()) {
            const std::string_view name = entries.name();
            const std::uint64_t section = entries.encoded();
            const std::uint64_t offset = entries.encoded();
            const std::uint64_t length = entries.encoded();
            if (name != wanted)
                continue;
            if (section != 0)
                refuse(std::string(wanted) + " compressed");
            if (offset > file.size() || length > file.size())
                refuse(std::string(wanted) + " past the file's end");
            const auto at = static_cast<std::size_t>(offset);
            const auto size = static_cast<std::size_t>(length);
            checked_end(file, checked_end(file, contents, at), size);
            return {contents + at, size};
        }
    }
    refuse("no " + std::string(wanted));
}

// Where the stamp's entry keeps its four bytes in the system file.
std::size_t stamp_place(const std::string &file)
{
    const Place system = find_uncompressed(file, system_file);
    const std::size_t end = system.at + system.length;
    std::size_t at = system.at + 4; // past the version
    while (at + 4 <= end) {
        const auto code = static_cast<std::uint16_t>(number_at(file, at, 2));
        const std::size_t length = offset_at(file, at + 2, 2);
        at += 4;
        if (length > end - at)
            refuse("an entry past the system file's end");
        if (code == stamp_code) {
            if (length != 4)
                refuse("a stamp of " + std::to_string(length) + " bytes");
            return at;
        }
        at += length;
    }
    refuse("no stamp in the system file");
}

} // namespace

std::uint32_t chm_stamp_of(std::int64_t unix_seconds)
{
    constexpr std::int64_t day = 24 * 60 * 60;
    return static_cast<std::uint32_t>((unix_seconds % day + day) % day * 1000);
}

void set_chm_stamps(std::string &file, std::uint32_t stamp)
{
    const std::size_t system_stamp = stamp_place(file);
    checked_end(file, header_stamp_at, 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const auto byte = static_cast<char>((stamp >> (8 * i)) & 0xffu);
        file[system_stamp + i] = byte;
        file[header_stamp_at + 3 - i] = byte;
    }
}

} // namespace zun::manual
