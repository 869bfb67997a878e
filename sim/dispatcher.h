#pragma once

#include "sim/driven_clock.h"
#include "sim/inputs.h"
#include "sim/simulator.h"
#include "sim/ui_port.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

namespace zun {

// The one way into the model: it applies an input, or advances the clock, and once the model has
// returned tells what happened — to the observers first (the input applied, pages shown, stage
// changes, malfunctions shown, in order), then `dispatched` once to each, then the model's requests
// to the windows, message boxes among them. An input that arrives while a dispatch is under way
// (from a box's own loop, or from an observer) waits and is applied when that dispatch has
// finished. The clock may go on while a box is open, as the line runs on behind a box; what it asks
// of the windows then is handed over after the box.
class Dispatcher final : public DrivenClock {
public:
    explicit Dispatcher(UiPort &port) : port_(port) {}
    // Over a model brought to its moment elsewhere (a snapshot read back).
    Dispatcher(UiPort &port, std::unique_ptr<Simulator> simulator)
        : port_(port), simulator_(std::move(simulator))
    {
    }
    Dispatcher(const Dispatcher &) = delete;
    Dispatcher &operator=(const Dispatcher &) = delete;

    // The answer is that nothing was commanded for an input that has to wait.
    Answer apply(const Input &input);
    // Advancing from inside an observer is a programming error and throws.
    void advance_to(Millis time) override;
    void advance_by(Millis duration) { advance_to(now() + duration); }
    Millis now() const override { return simulator_->now(); }
    Millis next_due() const override { return simulator_->next_due(); }

    // The model as it is now; a model put in its place by `replace` is another one.
    const LineModel &model() const { return simulator_->state(); }
    // Puts a whole model in the place of this one, as when a saved state is loaded. Only
    // between dispatches, with nothing waiting; otherwise throws std::logic_error. Whoever keeps
    // a reference to the old model is left with nothing: observers read `model()` each time. A
    // model at another stage is told to the observers as a change of the stage at its time.
    void replace(std::unique_ptr<Simulator> simulator);

    void add_observer(InputObserver &observer);
    void remove_observer(InputObserver &observer);

    // How many message boxes have been handed to the windows: a box takes the mouse while open.
    std::uint64_t boxes_shown() const { return boxes_shown_; }

private:
    friend struct LineModelInternals; // the model's own unit tests

    enum class Phase { Idle, Telling, Delivering };

    Answer dispatch(const Input &input);
    void tell(Happenings happened);
    void deliver_requests();
    void apply_waiting();

    UiPort &port_;
    std::unique_ptr<Simulator> simulator_ = std::make_unique<Simulator>();
    std::vector<InputObserver *> observers_;
    std::deque<Input> waiting_;
    std::deque<WindowRequest> requests_; // not yet handed to the windows
    std::uint64_t boxes_shown_ = 0;
    Phase phase_ = Phase::Idle;
};

} // namespace zun
