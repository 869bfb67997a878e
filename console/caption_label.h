#pragma once

#include "sim/inputs.h"

#include <QLabel>

#include <functional>

namespace zun::console {
struct Control;
}

// The model's name of a mouse button; buttons other than left and right count as the middle one.
zun::MouseButton mouse_button_of(Qt::MouseButton button);

// The caption label `Label1` of a console frame: it covers the frame, carries the console's text
// and the mechanism number (its tag), and receives all of the frame's mouse events. A press keeps
// the pointer until its release, wherever that happens.
class CaptionLabel final : public QLabel {
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *frame);

    int tag = 0;
    std::function<void(Qt::MouseButton)> on_press;
    std::function<void(Qt::MouseButton)> on_release;
    std::function<void()> on_move;

    // Shows the control's caption and, where the table gives one, its hint.
    void show_caption(const zun::console::Control &control);

    // Opaque in `colour` while flashed; transparent otherwise.
    void set_flashed(bool flashed);
    bool flashed() const { return autoFillBackground(); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
