#include "simulator.h"

#include <utility>

namespace zun {

Happenings Simulator::take_happenings()
{
    Happenings happened = std::exchange(line_.happenings_, {});
    happened.requests = line_.ui.take();
    return happened;
}

} // namespace zun
