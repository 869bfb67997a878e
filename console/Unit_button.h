#pragma once

#include "console/console_frame.h"

// A push-button of a console: its face's outline thickens while the mouse holds it. The held
// state lives in the model; only the bell button's means anything to the line.
class TFrame_Button final : public ModelBoundFrame {
    Q_OBJECT

public:
    TFrame_Button(zun::Door door, int control, QWidget *parent);

    int face_outline() const { return state().face_outline(); }

    // Repaints when the model's state of the button has changed.
    void sync() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int header_width_ = 70;
    int face_top_ = 20;
    bool red_face_ = false;
    bool painted_pressed_ = false;
};
