#pragma once

#include "console/key_frame.h"

// Key with fixed positions at -45, 0, +45.
class TFrame_45_Key_Fix_ final : public KeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Fix_(zun::Door door, int control, ViewClock &clock, QWidget *parent)
        : KeyFrame(Kind::Fixed, door, control, clock, parent)
    {
    }
};
