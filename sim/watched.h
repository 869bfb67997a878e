#pragma once

#include <functional>
#include <utility>

namespace zun {

// A value that tells an observer of every write that changes it, as it happens. It reads and
// is written like the plain value.
template <typename T> class Watched {
public:
    using Observer = std::function<void(T before, T after)>;

    Watched(T value = T{}) : value_(value) {}
    Watched(const Watched &) = delete;
    Watched &operator=(const Watched &) = delete;

    operator T() const { return value_; }

    Watched &operator=(T value)
    {
        if (value != value_) {
            const T before = std::exchange(value_, value);
            if (observer_)
                observer_(before, value_);
        }
        return *this;
    }
    Watched &operator++() { return *this = static_cast<T>(value_ + 1); }

    // Puts back a saved value without telling: restoring a state is no change of it.
    void restore(T value) { value_ = value; }

    void set_observer(Observer observer) { observer_ = std::move(observer); }

private:
    T value_;
    Observer observer_;
};

} // namespace zun
