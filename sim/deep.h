#pragma once

#include <cstddef>

namespace zun {

// A pointer from one part of the model into another that passes the holder's constness on: a
// window holding the model as const reaches only const parts through it. It owns nothing.
template <typename T> class Deep {
public:
    constexpr Deep() = default;
    constexpr Deep(std::nullptr_t) {}
    constexpr Deep(T *pointee) : pointee_(pointee) {}
    constexpr Deep &operator=(T *pointee)
    {
        pointee_ = pointee;
        return *this;
    }

    constexpr T *get() { return pointee_; }
    constexpr const T *get() const { return pointee_; }
    constexpr T &operator*() { return *pointee_; }
    constexpr const T &operator*() const { return *pointee_; }
    constexpr T *operator->() { return pointee_; }
    constexpr const T *operator->() const { return pointee_; }
    // As a plain pointer, with the holder's constness.
    constexpr operator T *() { return pointee_; }
    constexpr operator const T *() const { return pointee_; }
    constexpr explicit operator bool() const { return pointee_ != nullptr; }

private:
    T *pointee_ = nullptr;
};

} // namespace zun
