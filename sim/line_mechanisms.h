#pragma once

// The mechanisms that the strip line's rules name, by their numbers.
namespace zun::line_mech {

enum : int {
    Coil_Car = 1,
    Car_Table = 2,
    Uncoiler = 3,
    Uncoiler_Drum = 5,
    Peeler = 10,
    Feed_Roll = 15,
    Shears = 18,
    Delivery_Roll = 19,
    Tilting_Table = 22,
    Disc_Shears = 31,
    Device = 60,
    Device_Shears = 64,
    Recoiler = 69,
    Recoiler_Drum = 70,
    Removal_Car = 72,
    Removal_Table = 73,
    Rotating_Table = 76,
    Working_Speed_Key = 79,
};

} // namespace zun::line_mech
