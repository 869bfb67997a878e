#include "mechanism_table.h"

namespace zun::mechanism_table {

namespace {

constexpr std::optional<Bounds> none = std::nullopt;
constexpr KindMove Rot = KindMove::Rotation;
constexpr KindMove Ph = KindMove::Phases;
constexpr KindMove Tr = KindMove::Travel;

constexpr MechanismConfig configuration_table[] = {
    // no., kind, step x, y, z, x bounds, y bounds, drive ms, Co_Mech, Follow_Mech, auto-return
    {1, Tr, -1, 1, 1, Bounds{-40, 0}, Bounds{0, 40}, 100, {0, 0, 0, 0}, {2, 0, 0, 0}, false},
    {2, Tr, 0, 1, 0, none, Bounds{0, 13}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {3, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {4, Tr, -1, 1, 0, Bounds{-5, 0}, Bounds{0, 5}, 100, {0, 0, 0, 0}, {3, 6, 7, 0}, false},
    {5, Ph, 0, 0, 0, none, none, 400, {105, 106, 107, 108}, {0, 0, 0, 0}, false},
    {6, Tr, -1, 1, 1, Bounds{0, 15}, Bounds{-15, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {7, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {8, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {9, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {10, Ph, 0, 0, 0, none, none, 300, {0, 0, 0, 0}, {110, 111, 0, 0}, false},
    {11, Tr, 0, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {14, Tr, 0, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {15, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {16, Tr, 0, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {17, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {18, Tr, 0, 4, 0, none, Bounds{0, 10}, 200, {0, 0, 0, 0}, {0, 0, 0, 0}, true},
    {19, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {20, Tr, 0, 1, 0, none, Bounds{0, 20}, 10, {0, 0, 0, 0}, {19, 0, 0, 0}, false},
    {21, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {22, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {24, Tr, 1, -1, 1, Bounds{0, 20}, Bounds{-20, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {25, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {27, 0, 0, 0}, false},
    {26, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {27, Tr, 0, 1, 0, none, Bounds{0, 5}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {28, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {31, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {131, 0, 0, 0}, false},
    {38, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {46, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {48, 0, 0, 0}, false},
    {47, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {48, Tr, 0, -4, 0, none, Bounds{0, 5}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {49, Tr, 1, 1, 0, Bounds{0, 5}, Bounds{0, 5}, 100, {149, 0, 0, 0}, {0, 0, 0, 0}, false},
    {51, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {53, 0, 0, 0}, false},
    {52, Tr, 1, 1, 0, Bounds{0, 25}, Bounds{0, 25}, 100, {0, 0, 0, 0}, {51, 0, 0, 0}, false},
    {53, Tr, 0, 3, 0, none, Bounds{-30, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {54, Tr, 1, 0, 0, Bounds{-10, 0}, none, 100, {0, 0, 0, 0}, {55, 0, 0, 0}, false},
    {55, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {56, Tr, 0, 2, 0, none, Bounds{0, 150}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {57, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {58, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {59, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {60, Tr, -1, 0, 0, Bounds{-60, 20}, none, 30, {0, 0, 0, 0}, {62, 64, 65, 61}, false},
    {61, Tr, 0, 1, 0, none, Bounds{0, 10}, 100, {0, 0, 0, 0}, {0, 64, 65, 0}, false},
    {62, Tr, 0, 1, 0, none, Bounds{0, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {64, Tr, 0, -4, 0, none, Bounds{-10, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, true},
    {65, Tr, 0, 1, 0, none, Bounds{0, 10}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {66, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {67, Ph, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {69, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {70, Ph, 0, 0, 0, none, none, 400, {170, 171, 172, 173}, {0, 0, 0, 0}, false},
    {71, Tr, 1, 1, 1, Bounds{-20, 0}, Bounds{-20, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {72, Tr, 1, 1, 1, Bounds{-80, 0}, Bounds{-80, 0}, 100, {0, 0, 0, 0}, {73, 0, 0, 0}, false},
    {73, Tr, 0, 1, 0, none, Bounds{0, 10}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {74, Tr, -2, 0, 0, Bounds{-80, 0}, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {75, Tr, -2, 0, 0, Bounds{-80, 0}, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {76, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {79, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {105, Tr, -1, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {106, Tr, 1, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {107, Tr, -1, -1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {108, Tr, 1, -1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {109, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {110, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {111, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {118, Rot, 0, 0, 0, none, none, 200, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {131, Rot, 0, 0, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {149, Tr, -1, -1, 0, Bounds{-5, 0}, Bounds{-5, 0}, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {170, Tr, -1, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {171, Tr, 1, 1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {172, Tr, -1, -1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
    {173, Tr, 1, -1, 0, none, none, 100, {0, 0, 0, 0}, {0, 0, 0, 0}, false},
};

} // namespace

std::span<const MechanismConfig> configuration()
{
    return configuration_table;
}

} // namespace zun::mechanism_table
