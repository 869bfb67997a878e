#pragma once

#include <QWidget>

class CaptionLabel;

namespace zun::console {
struct Control;
}

// A push-button of a console: its face's outline thickens while the mouse holds it. Only the
// bell button's held state means anything to the line; it lives in the model.
class TFrame_Button final : public QWidget {
    Q_OBJECT

public:
    explicit TFrame_Button(QWidget *parent);

    void apply(const zun::console::Control &control);
    // Keeps the held state in `flag` instead of the frame's own.
    void bind_pressed_flag(bool &flag) { b_Pressed = &flag; }

    CaptionLabel *Label1;
    bool *b_Pressed;
    int face_outline() const { return outline_; }

    void Label1MouseDown();
    void Label1MouseUp();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool own_pressed_ = false;
    int outline_ = 4;
    int header_width_ = 70;
    int face_top_ = 20;
    bool red_face_ = false;
};
