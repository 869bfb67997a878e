#pragma once

#include "sim/dispatcher.h"

#include <functional>
#include <utility>
#include <variant>

namespace zun {

// Keeps the windows' inputs out of the model while it is locked: a recorded session playing in
// the windows is the only one to change the model then.
class DoorLock {
public:
    bool locked() const { return locked_; }
    void set_locked(bool locked) { locked_ = locked; }

private:
    bool locked_ = false;
};

// Shuts the windows' door to the trainee's gestures while the instructor holds the line frozen.
// What the windows tell of themselves (shown, hidden, their width and scroll) still passes, so
// that the model keeps knowing its windows.
class DoorGate {
public:
    bool open() const { return open_; }
    void set_open(bool open) { open_ = open; }
    // Called for each input held back, so that the windows show the model again, not what the
    // gesture did to them.
    void set_on_held_back(std::function<void()> on_held_back)
    {
        on_held_back_ = std::move(on_held_back);
    }
    void held_back() const
    {
        if (on_held_back_)
            on_held_back_();
    }

    bool lets_through(const Input &input) const
    {
        return open_ || std::holds_alternative<input::StepsWindow>(input) ||
               std::holds_alternative<input::MainWindow>(input) ||
               std::holds_alternative<input::MainWindowWidth>(input) ||
               std::holds_alternative<input::MainWindowScroll>(input);
    }

private:
    bool open_ = true;
    std::function<void()> on_held_back_;
};

// What a window holds of the model: the model as const, to paint it, and the door, to change it.
// Nothing else a window holds can change the model. Through a locked door nothing passes; a door
// with a gate ignores what the gate holds back. Either way the answer is that nothing was
// commanded.
class Door {
public:
    explicit Door(Dispatcher &dispatcher) : dispatcher_(dispatcher) {}
    Door(Dispatcher &dispatcher, const DoorLock &lock) : dispatcher_(dispatcher), lock_(&lock) {}
    Door(Dispatcher &dispatcher, const DoorLock &lock, const DoorGate &gate)
        : dispatcher_(dispatcher), lock_(&lock), gate_(&gate)
    {
    }

    const LineModel &model() const { return dispatcher_.model(); }
    bool locked() const { return lock_ && lock_->locked(); }
    // How many message boxes the model has had shown: a box takes the mouse while it is open.
    std::uint64_t boxes_shown() const { return dispatcher_.boxes_shown(); }
    Answer apply(const Input &input) const
    {
        if (lock_ && lock_->locked())
            return {};
        if (gate_ && !gate_->lets_through(input)) {
            gate_->held_back();
            return {};
        }
        return dispatcher_.apply(input);
    }

private:
    Dispatcher &dispatcher_;
    const DoorLock *lock_ = nullptr;
    const DoorGate *gate_ = nullptr;
};

} // namespace zun
