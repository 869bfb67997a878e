#include "simulator.h"

#include <utility>

namespace zun {

std::unique_ptr<Simulator> Simulator::restored(FieldSource &source)
{
    auto simulator = std::make_unique<Simulator>();
    restore_fields(simulator->line_, source);
    // Writing the fields is no happening: the model goes on from here as it went on from there.
    simulator->take_happenings();
    return simulator;
}

Happenings Simulator::take_happenings()
{
    Happenings happened = std::exchange(line_.happenings_, {});
    happened.requests = line_.ui.take();
    return happened;
}

} // namespace zun
