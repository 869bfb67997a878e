#include "stage_tables.h"

#include "sim/Unit_linemetal.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zun::stages {

namespace {

using T = Test::Kind;
using UC = UncoilerPlace;
using RC = RecoilerPlace;

Test fwd_end(int mech)
{
    return {T::AtForwardEnd, mech};
}
Test rws_end(int mech)
{
    return {T::AtReverseEnd, mech};
}
Test head_reached(int mech)
{
    return {T::HeadReached, mech};
}
Test half_turn(int mech)
{
    return {T::HalfTurn, mech};
}

Test uncoiler_coil(UncoilerPlace place)
{
    return {T::UncoilerCoilAt, 0, static_cast<int>(place)};
}
Test recoiler_coil(RecoilerPlace place)
{
    return {T::RecoilerCoilAt, 0, static_cast<int>(place)};
}

// Completion conditions, stage by stage: every test of a row must hold.
const std::vector<std::vector<Test>> &condition_table()
{
    static const std::vector<Test> initial_state{fwd_end(7),
                                                 rws_end(1),
                                                 rws_end(2),
                                                 fwd_end(5),
                                                 {T::HeadAtUncoiler},
                                                 recoiler_coil(RecoilerPlace::None),
                                                 uncoiler_coil(UncoilerPlace::None)};
    static const std::vector<std::vector<Test>> table{
        initial_state,                                              // 0
        {uncoiler_coil(UncoilerPlace::CarTable)},                   // 1
        {rws_end(5)},                                               // 2
        {fwd_end(1)},                                               // 3
        {rws_end(7)},                                               // 4
        {rws_end(2)},                                               // 5
        {rws_end(1)},                                               // 6
        {fwd_end(5)},                                               // 7
        {half_turn(3)},                                             // 8
        {fwd_end(10)},                                              // 9
        {head_reached(10)},                                         // 10
        {rws_end(10)},                                              // 11
        {head_reached(15)},                                         // 12
        {fwd_end(20)},                                              // 13
        {fwd_end(22)},                                              // 14
        {head_reached(18)},                                         // 15
        {rws_end(9)},                                               // 16
        {head_reached(19)},                                         // 17
        {{T::ReverseRunEnded, 18}},                                 // 18
        {{T::RunEnded, 19}},                                        // 19
        {rws_end(22)},                                              // 20
        {{T::HeadPastLeftGuide}},                                   // 21
        {fwd_end(27)},                                              // 22
        {half_turn(31)},                                            // 23
        {fwd_end(49)},                                              // 24
        {head_reached(49)},                                         // 25
        {head_reached(31)},                                         // 26
        {{T::HeadWithin, 60, -20}, rws_end(60), fwd_end(61)},       // 27
        {rws_end(61)},                                              // 28
        {{T::HeadWithin, 69, 5}, fwd_end(60)},                      // 29
        {fwd_end(70)},                                              // 30
        {fwd_end(65)},                                              // 31
        {fwd_end(61)},                                              // 32
        {rws_end(60)},                                              // 33
        {half_turn(31)},                                            // 34
        {rws_end(65)},                                              // 35
        {fwd_end(66)},                                              // 36
        {half_turn(69)},                                            // 37
        {fwd_end(65), rws_end(66)},                                 // 38
        {{T::BellPressed}},                                         // 39
        {{T::TailLeftMech, 3}},                                     // 40
        {{T::UncoilerCoilSize, 0, 0}},                              // 41
        {{T::ReverseRunEnded, 64}},                                 // 42
        {{T::TailPictureReached, 69}},                              // 43
        {fwd_end(74), fwd_end(75), rws_end(70)},                    // 44
        {recoiler_coil(RecoilerPlace::RemovalTable)},               // 45
        {recoiler_coil(RecoilerPlace::RemovalTable), rws_end(72)},  // 46
        {recoiler_coil(RecoilerPlace::RotatingTable), rws_end(73)}, // 47
        {half_turn(76)},                                            // 48
    };
    return table;
}

bool holds(const Test &test, TFrame_LineMetal &l)
{
    switch (test.kind) {
    case T::AtForwardEnd:
        return l.KV_F(test.mech);
    case T::AtReverseEnd:
        return l.KV_R(test.mech);
    case T::HeadReached:
        return l.x_of(test.mech) >= l.h0();
    case T::HeadWithin:
        return l.h0() <= l.x_of(test.mech) + test.value;
    case T::HeadPastLeftGuide:
        return l.h0() <= l.left_guide_left();
    case T::HeadAtUncoiler:
        return l.h0() == l.X_Razmativatela;
    case T::TailLeftMech:
        return l.t0() < l.x_of(test.mech);
    case T::TailPictureReached:
        return l.Line_Images[5]->left() <= l.x_of(test.mech);
    case T::UncoilerCoilAt:
        return static_cast<int>(l.Gde_Rulon_Razmativatela) == test.value;
    case T::RecoilerCoilAt:
        return static_cast<int>(l.Gde_Rulon_Motalki) == test.value;
    case T::UncoilerCoilSize:
        return l.Razmer_Rulona_Razmativatela == test.value;
    case T::HalfTurn:
        return l.f_Half_Turn(test.mech);
    case T::RunEnded:
        return l.f_Run_Ended(test.mech);
    case T::ReverseRunEnded:
        return l.f_RWS_Run_Ended(test.mech);
    case T::BellPressed:
        return l.bell_pressed();
    }
    return false;
}

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
constexpr std::span<const Row, last_stage + 1> one_row_per_stage(const Row (&rows)[Rows])
{
    static_assert(Rows == last_stage + 1, "a stage table has one row per stage");
    return std::span<const Row, last_stage + 1>(rows);
}

std::span<const StageState, last_stage + 1> state_table()
{
    // forward of Commanded, uncoiler coil place, recoiler coil place, strip, close-up shown,
    // target[, removal car's phase reset, one more sent forward]
    static const StageState table[] = {
        {{5, 7, 9, 72}, UC::None, RC::None, as_reset(), CloseUp::None, 0},                    // 0
        {{5, 7, 9, 72}, UC::CarTable, RC::None, as_reset(), CloseUp::None, 0},                // 1
        {{7, 9, 72}, UC::CarTable, RC::None, as_reset(), CloseUp::Drum5, 5},                  // 2
        {{1, 2, 5, 7, 9, 72}, UC::CarTable, RC::None, as_reset(), CloseUp::None, 1},          // 3
        {{1, 2, 5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::None, 7},             // 4
        {{1, 5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::None, 2},                // 5
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::None, 1},                   // 6
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::Drum5, 5},                  // 7
        {{5, 9, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::None, 3},                   // 8
        {{5, 9, 10, 72}, UC::Uncoiler, RC::None, as_reset(), CloseUp::None, 10},              // 9
        {{5, 9, 10, 72}, UC::Uncoiler, RC::None, head_at(10), CloseUp::None, 3},              // 10
        {{5, 9, 72}, UC::Uncoiler, RC::None, head_at(10), CloseUp::None, 10},                 // 11
        {{5, 9, 72}, UC::Uncoiler, RC::None, head_at(15), CloseUp::None, 3},                  // 12
        {{5, 9, 20, 72}, UC::Uncoiler, RC::None, head_at(15), CloseUp::None, 19},             // 13
        {{5, 9, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(15), CloseUp::None, 22},         // 14
        {{5, 9, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(18), CloseUp::None, 3},          // 15
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(18), CloseUp::None, 9},             // 16
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), CloseUp::None, 3},             // 17
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), CloseUp::None, 18, false, 18}, // 18
        {{5, 20, 22, 72}, UC::Uncoiler, RC::None, head_at(19), CloseUp::None, 19},            // 19
        {{5, 20, 72}, UC::Uncoiler, RC::None, head_at(19), CloseUp::None, 22},                // 20
        {{5, 20, 72}, UC::Uncoiler, RC::None, head_at(49), CloseUp::None, 25},                // 21
        {{5, 20, 27, 72}, UC::Uncoiler, RC::None, head_at(49), CloseUp::None, 27},            // 22
        {{5, 20, 27, 72}, UC::Uncoiler, RC::None, head_at(49), CloseUp::None, 31},            // 23
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(49), CloseUp::None, 49},        // 24
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(46), CloseUp::None, 25},        // 25
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(31), CloseUp::None, 25},        // 26
        {{5, 20, 27, 49, 61, 72}, UC::Uncoiler, RC::None, head_at(60), CloseUp::None, 46},    // 27
        {{5, 20, 27, 49, 72}, UC::Uncoiler, RC::None, head_at(60), CloseUp::None, 61},        // 28
        {{5, 20, 27, 49, 60, 72}, UC::Uncoiler, RC::None, head_at(69), CloseUp::None, 60},    // 29
        {{5, 20, 27, 49, 60, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::Drum70,
         70}, // 30
        {{5, 20, 27, 49, 60, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::None,
         65}, // 31
        {{5, 20, 27, 49, 60, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::None,
         61}, // 32
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::None,
         60}, // 33
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::None,
         31},                                                                                  // 34
        {{5, 20, 27, 49, 61, 70, 72}, UC::Uncoiler, RC::None, head_at(69), CloseUp::None, 65}, // 35
        {{5, 20, 27, 49, 61, 66, 70, 72},
         UC::Uncoiler,
         RC::None,
         head_at(69),
         CloseUp::None,
         66}, // 36
        {{5, 20, 27, 49, 61, 66, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         CloseUp::None,
         69}, // 37
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         CloseUp::None,
         65}, // 38
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         head_at(69, -20),
         CloseUp::None,
         0}, // 39
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler(),
         CloseUp::None,
         0}, // 40
        {{5, 20, 27, 49, 61, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler(),
         CloseUp::None,
         0}, // 41
        {{5, 20, 27, 49, 61, 64, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         tail_at_uncoiler_cut(),
         CloseUp::None,
         64}, // 42
        {{5, 20, 27, 49, 61, 64, 65, 70, 72},
         UC::Uncoiler,
         RC::Recoiler,
         winding_done(),
         CloseUp::None,
         69}, // 43
        {{5, 20, 27, 49, 61, 64, 65, 70, 72, 74, 75},
         UC::Uncoiler,
         RC::Recoiler,
         winding_done(),
         CloseUp::None,
         75}, // 44
        {{5, 20, 27, 49, 61, 64, 65, 72, 73, 74, 75},
         UC::Uncoiler,
         RC::RemovalTable,
         winding_done(),
         CloseUp::None,
         73}, // 45
        {{5, 20, 27, 49, 61, 64, 65, 73, 74, 75},
         UC::Uncoiler,
         RC::RemovalTable,
         winding_done(),
         CloseUp::None,
         72,
         true}, // 46
        {{5, 20, 27, 49, 61, 64, 65, 74, 75},
         UC::Uncoiler,
         RC::RotatingTable,
         winding_done(),
         CloseUp::None,
         72}, // 47
        {{5, 20, 27, 49, 61, 64, 65, 74, 75},
         UC::Uncoiler,
         RC::RotatingTable,
         rest_only(),
         CloseUp::None,
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
std::span<const std::vector<Command>, last_stage + 1> command_table()
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
    if (stage < 0 || stage > last_stage)
        throw std::out_of_range("no stage " + std::to_string(stage));
}

} // namespace

std::span<const Test> condition(int stage)
{
    check_stage(stage);
    return condition_table()[static_cast<std::size_t>(stage)];
}

bool condition_holds(int stage, TFrame_LineMetal &line)
{
    const std::span<const Test> tests = condition(stage);
    return std::all_of(tests.begin(), tests.end(),
                       [&line](const Test &test) { return holds(test, line); });
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

std::span<const int> working_speed_drives()
{
    static constexpr int drives[] = {3, 25, 31, 46, 69};
    return drives;
}

} // namespace zun::stages
