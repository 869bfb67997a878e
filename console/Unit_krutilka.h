#pragma once

#include "console/console_frame.h"

// A rotary knob of a console: three positions, stepped by the mouse, regulating nothing. Its
// position lives in the model.
class TFrame_Krutilka final : public ModelBoundFrame {
    Q_OBJECT

public:
    TFrame_Krutilka(zun::Door door, int control, QWidget *parent);

    int Knob_Pos() const { return state().Knob_Pos; }

    // Repaints when the model's state of the knob has changed.
    void sync() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int painted_position_ = 0;
};
