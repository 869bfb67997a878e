#pragma once

#include "console/console_frame.h"
#include "console/view_clock.h"

class QLabel;

// A key of a console: it paints the model's state of its control (the row of the console
// layout it stands for) and forwards the mouse through the door. Left is forward ("туда"),
// right is reverse ("сюда"), upright is stop; the three kinds differ in how far they turn and
// whether they spring back.
class KeyFrame : public ModelBoundFrame {
    Q_OBJECT

public:
    enum class Kind { Back, Fixed, Ninety };
    enum Position { Left_90, Left_45, Upright, Right_45, Right_90 };

    static constexpr int Width = 120;
    static constexpr int Height = 85;

    KeyFrame(Kind kind, zun::Door door, int control, ViewClock &clock, QWidget *parent);

    Kind kind() const { return kind_; }
    QLabel *Label2;
    QLabel *Label3;
    ViewTimer Timer1; // ends the highlight flash

    bool picture_visible(Position position) const;

    // Repaints when the model's state of the key has changed.
    void sync() override;
    // Flashes the caption red until Timer1 ticks once.
    void flash_caption();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void apply_settings();
    void Label1MouseDown(Qt::MouseButton button);

    Kind kind_;
    std::int32_t painted_angle_ = 0;
};
