#pragma once

#include <span>
#include <string_view>

// The scenario as the steps window lists it: line N is the text of stage N.
namespace zun::steps {

inline constexpr int line_count = 50;

std::span<const std::string_view> lines();

} // namespace zun::steps
