#pragma once

#include "sim/door.h"

#include <QWidget>

class CaptionLabel;

// A push-button of a console: its face's outline thickens while the mouse holds it. The held
// state lives in the model; only the bell button's means anything to the line.
class TFrame_Button final : public QWidget {
    Q_OBJECT

public:
    TFrame_Button(zun::Door door, int control, QWidget *parent);

    CaptionLabel *Label1;
    int face_outline() const { return state().face_outline(); }
    const zun::TControl_State &state() const;

    // Repaints when the model's state of the button has changed.
    void sync();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    zun::Door door_;
    int control_;
    int header_width_ = 70;
    int face_top_ = 20;
    bool red_face_ = false;
    bool painted_pressed_ = false;
};
