#pragma once

#include <experimental/propagate_const>

namespace zun {

// A pointer from one part of the model into another that passes the holder's constness on: a
// window holding the model as const reaches only const parts through it.
template <typename T> using Deep = std::experimental::propagate_const<T *>;

} // namespace zun
