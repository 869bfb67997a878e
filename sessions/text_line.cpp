#include "text_line.h"

#include <cstdint>
#include <utility>

namespace zun {
namespace {

constexpr char32_t replacement = U'\uFFFD';

// The code point at the front of `text` and its length in bytes; an invalid, overlong or cut
// sequence is one byte that stands for U+FFFD.
std::pair<char32_t, std::size_t> next_code_point(std::string_view text)
{
    const auto byte = [text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t point = 0;
    char32_t lowest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07, lowest = 0x10000;
    } else {
        return {replacement, 1};
    }
    if (text.size() < length)
        return {replacement, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {replacement, 1};
        point = (point << 6) | (byte(i) & 0x3F);
    }
    if (point < lowest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return {replacement, 1};
    return {point, length};
}

bool is_control(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == U'\u2028' ||
           point == U'\u2029';
}

void append_utf8(std::string &text, char32_t point)
{
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
}

// The line made of `text` and whether characters were left out beyond `most_characters`.
std::pair<std::string, bool> cleaned(std::string_view text, std::size_t most_characters)
{
    std::string line;
    std::size_t characters = 0;
    bool space_pending = false;
    while (!text.empty()) {
        const auto [point, length] = next_code_point(text);
        text.remove_prefix(length);
        if (is_control(point) || point == U' ') {
            space_pending = !line.empty();
            continue;
        }
        if (characters + (space_pending ? 2 : 1) > most_characters)
            return {line, true};
        if (std::exchange(space_pending, false)) {
            line += ' ';
            ++characters;
        }
        append_utf8(line, point);
        ++characters;
    }
    return {line, false};
}

} // namespace

std::string one_line(std::string_view text, std::size_t most_characters)
{
    return cleaned(text, most_characters).first;
}

std::string excerpt(std::string_view text, std::size_t most_characters)
{
    auto [line, cut] = cleaned(text, most_characters);
    return cut ? line + "…" : line;
}

} // namespace zun
