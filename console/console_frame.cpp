#include "console_frame.h"

#include "console/caption_label.h"
#include "sim/console_layout.h"

ConsoleFrame::ConsoleFrame(QWidget *parent, QSize size) : QWidget(parent), Label1(nullptr)
{
    resize(size);
    Label1 = new CaptionLabel(this);
}

ModelBoundFrame::ModelBoundFrame(zun::Door door, int control, QWidget *parent, QSize size)
    : ConsoleFrame(parent, size), door_(door), control_(control)
{
    Label1->on_press = [this](Qt::MouseButton button) { press(button); };
}

const zun::ControlState &ModelBoundFrame::state() const
{
    return door_.model().Controls[static_cast<std::size_t>(control_)];
}

const zun::console::Control &ModelBoundFrame::layout() const
{
    return zun::console::controls()[static_cast<std::size_t>(control_)];
}

void ModelBoundFrame::press(Qt::MouseButton button) const
{
    door_.apply(zun::input::ControlPress{control_, mouse_button_of(button)});
}

void ModelBoundFrame::release(Qt::MouseButton button) const
{
    door_.apply(zun::input::ControlRelease{control_, mouse_button_of(button)});
}
