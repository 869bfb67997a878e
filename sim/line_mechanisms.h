#pragma once

// The mechanisms that the strip line's rules name, by their numbers.
namespace zun::line_mech {

enum : int {
    CoilCar = 1,
    CarTable = 2,
    Uncoiler = 3,
    UncoilerDrum = 5,
    Peeler = 10,
    FeedRoll = 15,
    Shears = 18,
    DeliveryRoll = 19,
    TiltingTable = 22,
    DiscShears = 31,
    Device = 60,
    DeviceShears = 64,
    Recoiler = 69,
    RecoilerDrum = 70,
    RemovalCar = 72,
    RemovalTable = 73,
    RotatingTable = 76,
    WorkingSpeedKey = 79,
};

} // namespace zun::line_mech
