#include "cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zun::manual {

namespace {

// The code points of bytes 0x80..0xBF; 0 marks the one byte the code page leaves unused.
constexpr std::array<char32_t, 64> upper_half{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

std::optional<char> byte_of(char32_t code)
{
    if (code < 0x80)
        return static_cast<char>(code);
    if (code >= 0x0410 && code <= 0x044F) // А..я fill 0xC0..0xFF in order
        return static_cast<char>(0xC0 + (code - 0x0410));
    for (std::size_t i = 0; i < upper_half.size(); ++i)
        if (upper_half[i] == code)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

// The code point starting at `at`, and how many bytes it takes; nothing for a malformed one.
std::optional<std::pair<char32_t, std::size_t>> decode(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead < 0x80)
        return std::pair{char32_t{lead}, std::size_t{1}};
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (at + length > text.size())
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    return std::pair{code, length};
}

} // namespace

std::string to_cp1251(std::string_view utf8)
{
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto decoded = decode(utf8, at);
        if (!decoded) {
            result += '?';
            ++at;
            continue;
        }
        const auto [code, length] = *decoded;
        if (const auto byte = byte_of(code))
            result += *byte;
        else
            result += "&#" + std::to_string(static_cast<std::uint32_t>(code)) + ';';
        at += length;
    }
    return result;
}

} // namespace zun::manual
