#pragma once

#include "sim/simulator.h"
#include "training/exercise.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zun {

// A snapshot's text by its name, or nothing when none is kept under it.
using SnapshotFinder = std::function<std::optional<std::string>(std::string_view name)>;

// The state an exercise begins in, or why it cannot begin.
struct StartState {
    std::unique_ptr<Simulator> simulator; // null when it cannot
    std::string error;
};

// A step's starting point (see automatic_run_at_step), or the snapshot kept under the start's
// name, read back whole.
StartState start_state(const ExerciseStart &start, const SnapshotFinder &find_snapshot);

} // namespace zun
