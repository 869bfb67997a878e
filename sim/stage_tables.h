#pragma once

#include "sim/coil_places.h"

#include <array>
#include <span>
#include <vector>

namespace zun {

class TFrame_LineMetal;

// The 48-step scenario as data: what completes each stage, the state of the whole line at each
// stage, and the commands that carry a stage out.
namespace stages {

inline constexpr int Last_Stage = 48;

// The condition that completes a stage, judged from the mechanisms, the strip and the coils. It
// may call the line's detectors, whose memories it changes.
using Condition = bool (*)(TFrame_LineMetal &line);
Condition completion(int stage);

// The mechanisms every stage state commands, each to one of its ends.
inline constexpr std::array<int, 20> Commanded{1,  2,  5,  7,  9,  10, 20, 22, 27, 49,
                                               60, 61, 64, 65, 66, 70, 72, 73, 74, 75};

// The strip after the line's reset, as a stage state lays it.
struct StripState {
    enum class Kind {
        AsReset,           // one whole strip at the uncoiler
        Head,              // its head at x(mech) + offset
        TailAtUncoiler,    // its tail exactly at the uncoiler
        TailAtUncoilerCut, // likewise, cut at the device's shears
        WindingDone,       // a whole coil wound, the rest from the device's shears on
        RestOnly,          // only the rest from the device's shears on
    };
    Kind kind;
    int mech = 0;
    int offset = 0;
};

enum class Close_Up { None, Drum_5, Drum_70 };

struct StageState {
    std::vector<int> forward; // of Commanded; the others are sent back
    UncoilerPlace uncoiler_place;
    RecoilerPlace recoiler_place;
    StripState strip;
    Close_Up shown;
    int target; // 0: none
    bool reset_removal_car_phase = false;
    int also_forward = 0; // one more mechanism sent forward
};
const StageState &state(int stage);

struct Command {
    enum class Op {
        Forward,
        Reverse,
        ResetLine,
        CoilOnCar,
        DelayedStop,
        Bell,
        WorkingSpeed,
        StopAll,
    };
    Op op;
    int mech = 0;
};
std::span<const Command> commands(int stage);

} // namespace stages
} // namespace zun
