#pragma once

#include "sim/door.h"

#include <QWidget>

class CaptionLabel;

// A rotary knob of a console: three positions, stepped by the mouse, regulating nothing. Its
// position lives in the model.
class TFrame_Krutilka final : public QWidget {
    Q_OBJECT

public:
    TFrame_Krutilka(zun::Door door, int control, QWidget *parent);

    CaptionLabel *Label1;
    int Knob_Pos() const { return state().Knob_Pos; }
    const zun::TControl_State &state() const;

    // Repaints when the model's state of the knob has changed.
    void sync();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    zun::Door door_;
    int control_;
    int painted_position_ = 0;
};
