#pragma once

#include <cstdint>

namespace zun {

// Where the coil of the uncoiler side is: `Gde_Rulon_Razmativatela`.
enum class UncoilerPlace : std::int8_t {
    None = 0,     // no coil
    CarTable = 1, // on the coil car's lifting table
    Uncoiler = 2, // on the uncoiler
};

// Where the coil of the recoiler side is: `Gde_Rulon_Motalki`.
enum class RecoilerPlace : std::int8_t {
    None = 0,
    Recoiler = 1,      // on the recoiler's drum
    RemovalTable = 2,  // on the removal table
    RotatingTable = 3, // on the rotating table
};

} // namespace zun
