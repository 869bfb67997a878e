#pragma once

#include "sim/scheduler.h"

#include <QWidget>

#include <array>
#include <functional>

class CaptionLabel;
class QLabel;

namespace zun {
class TSimulator;
namespace console {
struct Control;
}
} // namespace zun

// A key of a console: turned 45 degrees per click, it commands the mechanism whose number its
// caption label carries. Left is forward ("туда"), right is reverse ("сюда"), upright is stop.
// The three kinds differ in how far they turn and whether they spring back.
class TKeyFrame : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Back, Fixed, Ninety };
    enum Position { Left_90, Left_45, Upright, Right_45, Right_90 };

    static constexpr int Width = 120;
    static constexpr int Height = 85;

    TKeyFrame(Kind kind, zun::TSimulator &sim, QWidget *parent);

    // The console's settings: tag, caption, hint, direction inscriptions.
    void apply(const zun::console::Control &control);

    Kind kind() const { return kind_; }
    CaptionLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    zun::Timer Timer1; // ends the highlight flash

    int Angle = 0;
    bool b_Left_45 = false;
    bool b_Right_45 = false;
    bool b_Angle_0 = true;
    bool b_Left_90 = false;
    bool b_Right_90 = false;
    bool picture_visible(Position position) const { return pictures_visible_[position]; }

    // Extra work a console binds to the caption label after the key's own handling.
    std::function<void()> after_mouse_down;
    std::function<void()> after_mouse_move;

    void Label1MouseDown(Qt::MouseButton button);
    void Label1MouseUp();
    void Label1MouseMove();
    void Timer1Timer();
    void f_Show_Angle();
    void f_Send_Command();
    // Flashes the caption red for one tick of Timer1.
    void f_Highlight();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int max_angle() const { return kind_ == Kind::Ninety ? 90 : 45; }

    Kind kind_;
    zun::TSimulator &sim_;
    std::array<bool, 5> pictures_visible_{false, false, true, false, false};
};

// Spring-return key: turned only while the button is held.
class TFrame_45_Key_Back_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Back_(zun::TSimulator &sim, QWidget *parent) : TKeyFrame(Kind::Back, sim, parent)
    {
    }
};

// Key with fixed positions at -45, 0, +45.
class TFrame_45_Key_Fix_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_45_Key_Fix_(zun::TSimulator &sim, QWidget *parent) : TKeyFrame(Kind::Fixed, sim, parent)
    {
    }
};

// Key with two 45-degree steps to each side; the 90-degree positions send no command.
class TFrame_90_Key_ final : public TKeyFrame {
    Q_OBJECT
public:
    TFrame_90_Key_(zun::TSimulator &sim, QWidget *parent) : TKeyFrame(Kind::Ninety, sim, parent) {}
};
