#pragma once

#include <string>
#include <string_view>

// The code page the help compiler's contents and index need for Cyrillic.
namespace zun::manual {

// UTF-8 text in Windows-1251. A character the code page lacks becomes an HTML character
// reference, which the help viewer shows as the character; bytes that are no UTF-8 become "?".
std::string to_cp1251(std::string_view utf8);

} // namespace zun::manual
