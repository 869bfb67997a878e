#include "shaped_window.h"

#include "ui/window_setup.h"

#include <QBitmap>
#include <QPainter>

ShapedWindow::ShapedWindow(const QString &name, QSize size, Drawing drawing, Qt::WindowFlags flags)
    : QWidget(nullptr), drawing_(std::move(drawing))
{
    setup_window(*this, name, size, Qt::FramelessWindowHint | flags);
    setFixedSize(size);
    // The shape is cut in device-independent pixels from the picture drawn at scale 1.
    QPixmap shape(size);
    shape.fill(Qt::white);
    {
        QPainter painter(&shape);
        drawing_(painter, QSizeF(size));
    }
    setMask(shape.createMaskFromColor(Qt::white, Qt::MaskInColor));
}

void ShapedWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawing_(painter, QSizeF(size()));
}
