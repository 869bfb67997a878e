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

inline constexpr int last_stage = 48;

// One test of a stage's completion condition, judged from the mechanisms, the strip and the
// coils. x(j) is mechanism j's Pos_X; h0 and t0 are the head and the tail of piece 0.
struct Test {
    enum class Kind {
        AtForwardEnd,       // KV_F(mech)
        AtReverseEnd,       // KV_R(mech)
        HeadReached,        // x(mech) >= h0: the head has come to the mechanism
        HeadWithin,         // h0 <= x(mech) + value
        HeadPastLeftGuide,  // h0 <= the left edge of the left-hand guide's picture
        HeadAtUncoiler,     // h0 = X_Razmativatela: a whole strip on the uncoiler
        TailLeftMech,       // t0 < x(mech)
        TailPictureReached, // the tail picture of piece 0 has reached x(mech)
        UncoilerCoilAt,     // Gde_Rulon_Razmativatela = value
        RecoilerCoilAt,     // Gde_Rulon_Motalki = value
        UncoilerCoilSize,   // Razmer_Rulona_Razmativatela = value
        HalfTurn,           // the rotating mechanism has turned half a turn (a detector)
        RunEnded,           // the mechanism has just stopped (a detector)
        ReverseRunEnded,    // its reverse run has just ended (a detector)
        BellPressed,        // the bell button is held down
    };
    Kind kind;
    int mech = 0;
    int value = 0;
};

// The tests of a stage's completion, all of which must hold, judged in order; judging stops at
// the first that fails, so a detector after it keeps its memory.
std::span<const Test> condition(int stage);
// Judges a stage's condition on the line; detectors among its tests update their memories.
bool condition_holds(int stage, TFrame_LineMetal &line);

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

enum class CloseUp { None, Drum5, Drum70 };

struct StageState {
    std::vector<int> forward; // of Commanded; the others are sent back
    UncoilerPlace uncoiler_place;
    RecoilerPlace recoiler_place;
    StripState strip;
    CloseUp shown;
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

// The drives that working speed starts forward, besides the line's own.
std::span<const int> working_speed_drives();

} // namespace stages
} // namespace zun
