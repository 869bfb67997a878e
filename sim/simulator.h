#pragma once

#include "sim/happenings.h"
#include "sim/inputs.h"
#include "sim/line_model.h"
#include "sim/scheduler.h"
#include "sim/state_hash.h"

#include <memory>

namespace zun {

// The model as every caller sees it: built whole, changed only by inputs and by its clock, and
// read as const. Neither `apply` nor an advance tells anyone anything: what they did besides
// changing the state waits until taken, so that no observer and no window runs inside them.
class Simulator {
public:
    Simulator() = default;
    // A fresh model with every field written from `source` (see restore_fields); throws what
    // restoring throws, and then nothing is left of the model.
    static std::unique_ptr<Simulator> restored(FieldSource &source);
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Applies one input at the present virtual time. Calling it from inside an input or a tick
    // is a programming error and throws.
    Answer apply(const Input &input) { return line_.apply(input); }
    // Runs every tick due up to `time`; time never goes back.
    void advance_to(Millis time) { line_.scheduler.advance_to(time); }
    void advance_by(Millis duration) { line_.scheduler.advance_by(duration); }
    Millis now() const { return line_.scheduler.now(); }
    Millis next_due() const { return line_.scheduler.next_due(); }

    // The whole simulated state, to paint, hash and show.
    const LineModel &state() const { return line_; }

    // What happened since the last call, in order.
    Happenings take_happenings();

private:
    friend struct LineModelInternals; // the model's own unit tests
    friend std::unique_ptr<Simulator> automatic_run_at_step(int step);

    // Ends an automatic run where it stands, for a starting point: see automatic_run_at_step.
    void hand_over_to_trainee() { line_.hand_over_to_trainee(); }

    LineModel line_;
};

} // namespace zun
