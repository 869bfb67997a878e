#pragma once

#include "console/key_frame.h"

// Spring-return key: turned only while the button is held.
class TFrame_45_Key_Back_ final : public KeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Back_(zun::Door door, int control, ViewClock &clock, QWidget *parent)
        : KeyFrame(Kind::Back, door, control, clock, parent)
    {
    }
};
