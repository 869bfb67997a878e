// Cost of a scheduler tick with a few running timers among many idle ones: the idle ones must
// not make a tick dearer.
#include "sim/scheduler.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

void tick_with_idle_timers(benchmark::State &state)
{
    constexpr int running = 10;
    zun::Scheduler scheduler;
    std::vector<std::unique_ptr<zun::Timer>> timers;
    std::int64_t fired = 0;
    for (int i = 0; i < running + state.range(0); ++i) {
        auto &timer =
            timers.emplace_back(std::make_unique<zun::Timer>(scheduler, 10, [&fired] { ++fired; }));
        timer->set_enabled(i < running);
    }
    for (auto _ : state)
        scheduler.advance_by(10);
    benchmark::DoNotOptimize(fired);
    state.SetItemsProcessed(fired);
}
BENCHMARK(tick_with_idle_timers)->Arg(0)->Arg(190)->Arg(10000);

} // namespace
