#include "stage_tables.h"

#include "sim/Unit_linemetal.h"

#include <stdexcept>
#include <string>

namespace zun::stages {

namespace {

using L = TFrame_LineMetal;
using UC = UncoilerPlace;
using RC = RecoilerPlace;

// Completion conditions, stage by stage. KV_F / KV_R: a mechanism at its forward / reverse end;
// h0, t0: the head and the tail of piece 0.
constexpr Condition condition_table[] = {
    [](L &l) { // 0: the initial state
        return l.KV_F(7) && l.KV_R(1) && l.KV_R(2) && l.KV_F(5) && l.h0() == l.X_Razmativatela &&
               l.Gde_Rulon_Motalki == RC::None && l.Gde_Rulon_Razmativatela == UC::None;
    },
    [](L &l) { return l.Gde_Rulon_Razmativatela == UC::CarTable; },            // 1
    [](L &l) { return l.KV_R(5); },                                            // 2
    [](L &l) { return l.KV_F(1); },                                            // 3
    [](L &l) { return l.KV_R(7); },                                            // 4
    [](L &l) { return l.KV_R(2); },                                            // 5
    [](L &l) { return l.KV_R(1); },                                            // 6
    [](L &l) { return l.KV_F(5); },                                            // 7
    [](L &l) { return l.f_Half_Turn(3); },                                     // 8
    [](L &l) { return l.KV_F(10); },                                           // 9
    [](L &l) { return l.f_X(10) >= l.h0(); },                                  // 10
    [](L &l) { return l.KV_R(10); },                                           // 11
    [](L &l) { return l.f_X(15) >= l.h0(); },                                  // 12
    [](L &l) { return l.KV_F(20); },                                           // 13
    [](L &l) { return l.KV_F(22); },                                           // 14
    [](L &l) { return l.f_X(18) >= l.h0(); },                                  // 15
    [](L &l) { return l.KV_R(9); },                                            // 16
    [](L &l) { return l.f_X(19) >= l.h0(); },                                  // 17
    [](L &l) { return l.f_RWS_Run_Ended(18); },                                // 18
    [](L &l) { return l.f_Run_Ended(19); },                                    // 19
    [](L &l) { return l.KV_R(22); },                                           // 20
    [](L &l) { return l.h0() <= l.f_Left_Guide_Left(); },                      // 21
    [](L &l) { return l.KV_F(27); },                                           // 22
    [](L &l) { return l.f_Half_Turn(31); },                                    // 23
    [](L &l) { return l.KV_F(49); },                                           // 24
    [](L &l) { return l.f_X(49) >= l.h0(); },                                  // 25
    [](L &l) { return l.f_X(31) >= l.h0(); },                                  // 26
    [](L &l) { return l.h0() <= l.f_X(60) - 20 && l.KV_R(60) && l.KV_F(61); }, // 27
    [](L &l) { return l.KV_R(61); },                                           // 28
    [](L &l) { return l.h0() <= l.f_X(69) + 5 && l.KV_F(60); },                // 29
    [](L &l) { return l.KV_F(70); },                                           // 30
    [](L &l) { return l.KV_F(65); },                                           // 31
    [](L &l) { return l.KV_F(61); },                                           // 32
    [](L &l) { return l.KV_R(60); },                                           // 33
    [](L &l) { return l.f_Half_Turn(31); },                                    // 34
    [](L &l) { return l.KV_R(65); },                                           // 35
    [](L &l) { return l.KV_F(66); },                                           // 36
    [](L &l) { return l.f_Half_Turn(69); },                                    // 37
    [](L &l) { return l.KV_F(65) && l.KV_R(66); },                             // 38
    [](L &l) { return l.f_Bell_Pressed(); },                                   // 39
    [](L &l) { return l.t0() < l.f_X(3); },                                    // 40
    [](L &l) { return l.Razmer_Rulona_Razmativatela == 0; },                   // 41
    [](L &l) { return l.f_RWS_Run_Ended(64); },                                // 42
    [](L &l) { return l.Line_Images[5]->left() <= l.f_X(69); },                // 43
    [](L &l) { return l.KV_F(74) && l.KV_F(75) && l.KV_R(70); },               // 44
    [](L &l) { return l.Gde_Rulon_Motalki == RC::RemovalTable; },              // 45
    [](L &l) { return l.Gde_Rulon_Motalki == RC::RemovalTable && l.KV_R(72); }, // 46
    [](L &l) { return l.Gde_Rulon_Motalki == RC::RotatingTable && l.KV_R(73); }, // 47
    [](L &l) { return l.f_Half_Turn(76); },                                    // 48
};
static_assert(std::size(condition_table) == Last_Stage + 1);

StripState as_reset()
{
    return {StripState::Kind::AsReset};
}
StripState head_at(int mech, int offset = 0)
{
    return {StripState::Kind::Head, mech, offset};
}
StripState tail_at_uncoiler()
{
    return {StripState::Kind::TailAtUncoiler};
}
StripState tail_at_uncoiler_cut()
{
    return {StripState::Kind::TailAtUncoilerCut};
}
StripState winding_done()
{
    return {StripState::Kind::WindingDone};
}
StripState rest_only()
{
    return {StripState::Kind::RestOnly};
}

// One row per stage: a row more or less does not compile.
template <typename Row, std::size_t Rows>
constexpr std::span<const Row, Last_Stage + 1> one_row_per_stage(const Row (&rows)[Rows])
{
    static_assert(Rows == Last_Stage + 1, "a stage table has one row per stage");
    return std::span<const Row, Last_Stage + 1>(rows);
}

std::span<const StageState, Last_Stage + 1> state_table()
{
    // forward of Commanded, uncoiler coil place, recoiler coil place, strip, close-up shown,
    // target[, removal car's phase reset, one more sent forward]
    static const StageState table[] = {
        {{5, 7, 9, 72}, UC::None, RC::None, as_reset(), Close_Up::None, 0},                    // 0
        {{5, 7, 9, 72}, UC::CarTable, RC::None, as_reset(), Close_Up::None, 0},                // 1
        {{7, 9, 72}, UC::CarTable, RC::None, as_reset(), Close_Up::Drum_5, 5},                 // 2
        {{1, 2, 5, 7, 9, 72}, UC::CarTable, RC::None, as_reset(), Close_Up::None, 1},          // 3
        {{1, 2, 5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::None, 7},             // 4
        {{1, 5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::None, 2},                // 5
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::None, 1},                   // 6
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::Drum_5, 5},                 // 7
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::None, 3},                   // 8
        {{5, 9, 10, 72}, UC::Uncoiler, RC::None, as_reset(), Close_Up::None, 10},              // 9
        {{5, 9, 10, 72}, UC::Uncoiler, RC::None, head_at(10), Close_Up::None, 3},              // 10
        {{5, 9, 72}, UC::Uncoiler, RC::None, head_at(10), Close_Up::None, 10},                 // 11
        {{5, 9, 72}, UC::Uncoiler, RC::None, head_at(15), Close_Up::None, 3},                  // 12
        {{5, 9, 20, 72}, UC::Uncoiler, RC::None, head_at(15), Close_Up::None, 19},             // 13
        {{5, 9, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(15), Close_Up::None, 22},         // 14
        {{5, 9, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(18), Close_Up::None, 3},          // 15
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(18), Close_Up::None, 9},             // 16
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), Close_Up::None, 3},             // 17
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), Close_Up::None, 18, false, 18}, // 18
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), Close_Up::None, 19},            // 19
        {{5, 20, 72}, UC::Uncoiler, RC::None, head_at(19), Close_Up::None, 22},                // 20
        {{5, 20, 72}, UC::Uncoiler, RC::None, head_at(49), Close_Up::None, 25},                // 21
        {{5, 20, 27, 72}, UC::Uncoiler, RC::None, head_at(49), Close_Up::None, 27},            // 22
        {{5, 20, 27, 72}, UC::Uncoiler, RC::None, head_at(49), Close_Up::None, 31},            // 23
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(49), Close_Up::None, 49},        // 24
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(46), Close_Up::None, 25},        // 25
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(31), Close_Up::None, 25},        // 26
        {{5, 20, 27, 49, 61, 72}, UC::Uncoiler, RC::None, head_at(60), Close_Up::None, 46},    // 27
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(60), Close_Up::None, 61},        // 28
        {{5, 20, 27, 49, 60, 72}, UC::Uncoiler, RC::None, head_at(69), Close_Up::None, 60},    // 29
        {{5, 20, 27, 49, 60, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::Drum_70,
         70}, // 30
        {{5, 20, 27, 49, 60, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         65}, // 31
        {{5, 20, 27, 49, 60, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         61}, // 32
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         60}, // 33
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         31}, // 34
        {{5, 20, 27, 49, 61, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         65}, // 35
        {{5, 20, 27, 49, 61, 66, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         Close_Up::None,
         66}, // 36
        {{5, 20, 27, 49, 61, 66, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         Close_Up::None,
         69}, // 37
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         Close_Up::None,
         65}, // 38
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         Close_Up::None,
         0}, // 39
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler(),
         Close_Up::None,
         0}, // 40
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler(),
         Close_Up::None,
         0}, // 41
        {{5, 20, 27, 49, 61, 64, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler_cut(),
         Close_Up::None,
         64}, // 42
        {{5, 20, 27, 49, 61, 64, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         winding_done(),
         Close_Up::None,
         69}, // 43
        {{5, 20, 27, 49, 61, 64, 65, 70, 72, 74, 75},
         UC::Uncoiler,
         RC::Recoiler,
         winding_done(),
         Close_Up::None,
         75}, // 44
        {{5, 20, 27, 49, 61, 64, 65, 72, 73, 74, 75},
         UC::Uncoiler,
         RC::RemovalTable,
         winding_done(),
         Close_Up::None,
         73}, // 45
        {{5, 20, 27, 49, 61, 64, 65, 73, 74, 75},
         UC::Uncoiler,
         RC::RemovalTable,
         winding_done(),
         Close_Up::None,
         72,
         true}, // 46
        {{5, 20, 27, 49, 61, 64, 65, 74, 75},
         UC::Uncoiler,
         RC::RotatingTable,
         winding_done(),
         Close_Up::None,
         72}, // 47
        {{5, 20, 27, 49, 61, 64, 65, 74, 75},
         UC::Uncoiler,
         RC::RotatingTable,
         rest_only(),
         Close_Up::None,
         76}, // 48
    };
    return one_row_per_stage(table);
}

Command F(int mech)
{
    return {Command::Op::Forward, mech};
}
Command R(int mech)
{
    return {Command::Op::Reverse, mech};
}
Command reset_line()
{
    return {Command::Op::ResetLine};
}
Command coil_on_car()
{
    return {Command::Op::CoilOnCar};
}
Command delayed_stop()
{
    return {Command::Op::DelayedStop};
}
Command bell()
{
    return {Command::Op::Bell};
}
Command working_speed()
{
    return {Command::Op::WorkingSpeed};
}
Command stop_all()
{
    return {Command::Op::StopAll};
}

// F j / R j: a forward / reverse pulse to mechanism j at normal speed, in the order listed.
std::span<const std::vector<Command>, Last_Stage + 1> command_table()
{
    static const std::vector<Command> table[] = {
        {reset_line(), F(5), F(7), R(1), R(2), F(72), F(71), F(61), R(60)}, // 0
        {coil_on_car()},                                                    // 1
        {R(5)},                                                             // 2
        {F(1), F(2)},                                                       // 3
        {R(7)},                                                             // 4
        {R(2)},                                                             // 5
        {R(1)},                                                             // 6
        {F(5)},                                                             // 7
        {R(3)},                                                             // 8
        {F(10)},                                                            // 9
        {F(3)},                                                             // 10
        {R(10)},                                                            // 11
        {F(3), F(15)},                                                      // 12
        {F(20)},                                                            // 13
        {F(22)},                                                            // 14
        {F(3), F(15)},                                                      // 15
        {R(9)},                                                             // 16
        {F(3), F(15)},                                                      // 17
        {R(20), F(18)},                                                     // 18
        {F(19), delayed_stop()},                                            // 19
        {R(22)},                                                            // 20
        {F(3), F(15), F(25)},                                               // 21
        {F(27)},                                                            // 22
        {F(46), R(25), F(31)},                                              // 23
        {F(49)},                                                            // 24
        {F(25), F(31), F(46), F(62)},                                       // 25
        {F(25), F(31), F(46), F(61)},                                       // 26
        {F(25), F(31), F(46)},                                              // 27
        {R(61)},                                                            // 28
        {F(25), F(31), F(46), F(71), F(60)},                                // 29
        {F(70)},                                                            // 30
        {F(65)},                                                            // 31
        {F(61)},                                                            // 32
        {R(60)},                                                            // 33
        {F(31)},                                                            // 34
        {R(65)},                                                            // 35
        {F(66)},                                                            // 36
        {F(69)},                                                            // 37
        {F(65), R(66)},                                                     // 38
        {bell()},                                                           // 39
        {working_speed()},                                                  // 40
        {stop_all()},                                                       // 41
        {F(64)},                                                            // 42
        {F(69)},                                                            // 43
        {R(70), F(74), F(75)},                                              // 44
        {F(73)},                                                            // 45
        {R(72)},                                                            // 46
        {R(73)},                                                            // 47
        {F(72), R(73), R(76)},                                              // 48
    };
    return one_row_per_stage(table);
}

void check_stage(int stage)
{
    if (stage < 0 || stage > Last_Stage)
        throw std::out_of_range("no stage " + std::to_string(stage));
}

} // namespace

Condition completion(int stage)
{
    check_stage(stage);
    return condition_table[stage];
}

const StageState &state(int stage)
{
    check_stage(stage);
    return state_table()[static_cast<std::size_t>(stage)];
}

std::span<const Command> commands(int stage)
{
    check_stage(stage);
    return command_table()[static_cast<std::size_t>(stage)];
}

} // namespace zun::stages
