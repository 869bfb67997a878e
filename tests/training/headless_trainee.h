#pragma once

#include "sim/dispatcher.h"
#include "training/step_facts.h"

#include <functional>
#include <optional>
#include <random>
#include <string>

namespace zun::training {

// How long a person takes before each action: a seeded random pause, so that a failing run
// reproduces from its seed.
struct Pace {
    unsigned seed = 0;
    Millis shortest = 1000;
    Millis longest = 8000;
};

// A trainee without a screen: reads each step's instruction from the same facts its page is
// written from, and gives the inputs a trainee gives with one mouse — press, hold, release, one
// control at a time — waiting for what the page says to wait for. Without a pace it acts at
// machine speed; with one it pauses before every action as a person does.
class HeadlessTrainee {
public:
    // One input of the trainee's mouse.
    struct Input {
        enum class Kind { KeyPress, KeyRelease, NewCoilClick, BellPress, BellRelease };
        Kind kind;
        const console::Control *key = nullptr;
        bool left_button = true;
    };

    explicit HeadlessTrainee(Dispatcher &dispatcher)
        : dispatcher_(dispatcher), sim_(dispatcher.model())
    {
    }
    HeadlessTrainee(Dispatcher &dispatcher, const Pace &pace)
        : dispatcher_(dispatcher), sim_(dispatcher.model()), pace_(pace), random_(pace.seed)
    {
    }

    // Does the current step as its page says; false if a key does not stand where the page says
    // or the stage has not advanced within `limit` of virtual time.
    bool do_current_step(Millis limit);

    // What went wrong last, for the failure message.
    const std::string &trouble() const { return trouble_; }

private:
    void turn(const KeyAction &action);
    void hold(const KeyAction &action, int stage);
    // Gives the model the input through its door, as the console frames and buttons do.
    void apply(const Input &input);
    void wait_for(const std::function<bool()> &done);
    // A person's pause before the next action; none at machine speed.
    void think();
    bool stage_left(int stage) const;
    int angle_of(const console::Control &key) const;

    Dispatcher &dispatcher_;
    const LineModel &sim_;
    std::optional<Pace> pace_;
    std::mt19937 random_;
    Millis deadline_ = 0;
    std::string trouble_;
};

} // namespace zun::training
