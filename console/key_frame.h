#pragma once

#include "console/console_frame.h"

#include <QTimer>

class QLabel;

// A key of a console: it paints the model's state of its control (the row of the console
// layout it stands for) and forwards the mouse through the door. Left is forward ("туда"),
// right is reverse ("сюда"), upright is stop; the three kinds differ in how far they turn and
// whether they spring back.
class TKeyFrame : public ModelBoundFrame {
    Q_OBJECT

public:
    enum class Kind { Back, Fixed, Ninety };
    enum Position { Left_90, Left_45, Upright, Right_45, Right_90 };

    static constexpr int Width = 120;
    static constexpr int Height = 85;

    TKeyFrame(Kind kind, zun::Door door, int control, QWidget *parent);

    Kind kind() const { return kind_; }
    QLabel *Label2;
    QLabel *Label3;
    QTimer Timer1; // ends the highlight flash

    bool picture_visible(Position position) const;

    // Repaints when the model's state of the key has changed.
    void sync() override;
    // Flashes the caption red until Timer1 ticks once.
    void f_Highlight();
    void Timer1Timer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void apply_settings();
    void Label1MouseDown(Qt::MouseButton button);

    Kind kind_;
    std::int32_t painted_angle_ = 0;
};

// Spring-return key: turned only while the button is held.
class TFrame_45_Key_Back_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Back_(zun::Door door, int control, QWidget *parent)
        : TKeyFrame(Kind::Back, door, control, parent)
    {
    }
};

// Key with fixed positions at -45, 0, +45.
class TFrame_45_Key_Fix_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Fix_(zun::Door door, int control, QWidget *parent)
        : TKeyFrame(Kind::Fixed, door, control, parent)
    {
    }
};

// Key with two 45-degree steps to each side; the 90-degree positions send no command.
class TFrame_90_Key_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_90_Key_(zun::Door door, int control, QWidget *parent)
        : TKeyFrame(Kind::Ninety, door, control, parent)
    {
    }
};
