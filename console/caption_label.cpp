#include "caption_label.h"

#include "sim/console_layout.h"

#include <QMouseEvent>

zun::MouseButton mouse_button_of(Qt::MouseButton button)
{
    return button == Qt::LeftButton    ? zun::MouseButton::Left
           : button == Qt::RightButton ? zun::MouseButton::Right
                                       : zun::MouseButton::Middle;
}

CaptionLabel::CaptionLabel(QWidget *frame) : QLabel(frame)
{
    setGeometry(frame->rect());
    setWordWrap(true);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setMouseTracking(true);
    set_flashed(false);
}

void CaptionLabel::show_caption(const zun::console::Control &control)
{
    setText(
        QString::fromUtf8(control.caption.data(), static_cast<qsizetype>(control.caption.size())));
    if (control.hint)
        setToolTip(QString::fromUtf8(control.hint));
}

void CaptionLabel::set_flashed(bool flashed)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, flashed ? QColor(255, 0, 0) : QColor(180, 180, 180));
    setPalette(colours);
    setAutoFillBackground(flashed);
    update();
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (on_press)
        on_press(event->button());
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (on_release)
        on_release(event->button());
}

// Accepted, so that the page behind the frame does not take the move for its own.
void CaptionLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (on_move)
        on_move();
}
