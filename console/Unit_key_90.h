#pragma once

#include "console/key_frame.h"

// Key with two 45-degree steps to each side; the 90-degree positions send no command.
class TFrame_90_Key_ final : public KeyFrame {
    Q_OBJECT
public:
    TFrame_90_Key_(zun::Door door, int control, ViewClock &clock, QWidget *parent)
        : KeyFrame(Kind::Ninety, door, control, clock, parent)
    {
    }
};
