#pragma once

#include <QWidget>

class CaptionLabel;

namespace zun::console {
struct Control;
}

// A rotary knob of a console: three positions, stepped by the mouse, regulating nothing.
class TFrame_Krutilka final : public QWidget {
    Q_OBJECT

public:
    explicit TFrame_Krutilka(QWidget *parent);

    void apply(const zun::console::Control &control);

    CaptionLabel *Label1;
    int Knob_Pos = 2;

    void Label1MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
};
