#include "exercise_start.h"

#include "sim/snapshot.h"
#include "sim/starting_point.h"

namespace zun {

StartState start_state(const ExerciseStart &start, const SnapshotFinder &find_snapshot)
{
    if (const int *step = std::get_if<int>(&start.from))
        return {automatic_run_at_step(*step), {}};
    const std::string &name = std::get<std::string>(start.from);
    const std::optional<std::string> text = find_snapshot(name);
    if (!text)
        return {nullptr, "no snapshot named '" + name + "'"};
    ReadSnapshot read = read_snapshot(*text);
    if (!read.simulator)
        return {nullptr, "snapshot '" + name + "' refused: " + read.error};
    return {std::move(read.simulator), {}};
}

} // namespace zun
