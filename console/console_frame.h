#pragma once

#include "sim/door.h"

#include <QWidget>

class CaptionLabel;

namespace zun::console {
struct Control;
}

// A control of a console as its page shows it: a frame covered by its caption label `Label1`,
// which takes the frame's mouse events.
class ConsoleFrame : public QWidget {
    Q_OBJECT

public:
    CaptionLabel *Label1;

    // Repaints what changed of the model's state of the control; a frame with no state in the
    // model has nothing to follow.
    virtual void sync() {}

protected:
    // The caption label covers the frame at the size it is made with.
    ConsoleFrame(QWidget *parent, QSize size);
};

// A control whose state lives in the model (a key, a button, a knob): it paints that state and
// hands the mouse on through the door as inputs naming its row of the console layout.
class ModelBoundFrame : public ConsoleFrame {
    Q_OBJECT

public:
    int control() const { return control_; }
    const zun::ControlState &state() const;

protected:
    ModelBoundFrame(zun::Door door, int control, QWidget *parent, QSize size);

    const zun::console::Control &layout() const;
    const zun::Door &door() const { return door_; }
    void press(Qt::MouseButton button) const;
    void release(Qt::MouseButton button) const;

private:
    zun::Door door_;
    int control_;
};
