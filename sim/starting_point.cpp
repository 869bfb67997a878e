#include "starting_point.h"

#include "sim/stage_tables.h"

#include <stdexcept>
#include <string>

namespace zun {

std::unique_ptr<Simulator> automatic_run_at_step(int step)
{
    if (step < 1 || step > stages::last_stage)
        throw std::out_of_range("step " + std::to_string(step) + " outside 1.." +
                                std::to_string(stages::last_stage));
    auto simulator = std::make_unique<Simulator>();
    simulator->apply(input::SelectMode{WorkingMode::Automatic});
    simulator->apply(input::Pass{});
    // One due moment at a time, so that the run stops at the very tick the step begins.
    while (simulator->state().Frame_LineMetal.Stadiya_Raboti != step) {
        if (simulator->next_due() > starting_point_limit)
            throw std::logic_error("the automatic run did not reach step " + std::to_string(step));
        simulator->advance_to(simulator->next_due());
    }
    simulator->hand_over_to_trainee();
    simulator->take_happenings();
    return simulator;
}

} // namespace zun
