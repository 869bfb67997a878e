#include "frame_composer.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace video {

namespace {

const QColor desktop{0x2b, 0x3a, 0x4a};
const QColor caption_band{0x12, 0x37, 0x6b};

void draw_window(QPainter &painter, QWidget &window)
{
    const QRect place = window.geometry();
    const QRegion mask = window.mask();
    if (mask.isEmpty()) {
        // A thin frame, as a window manager would draw, tells the windows apart.
        painter.setPen(QPen(QColor(0x10, 0x18, 0x20), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
    }
    window.render(&painter, place.topLeft(), mask,
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

QPainterPath arrow()
{
    QPainterPath path;
    path.moveTo(0, 0);
    path.lineTo(0, 19);
    path.lineTo(4.5, 14.5);
    path.lineTo(8, 22);
    path.lineTo(11, 20.5);
    path.lineTo(7.5, 13.5);
    path.lineTo(13.5, 13.5);
    path.closeSubpath();
    return path;
}

// A small mouse beside the pointer with the held button lit: the videos teach which button
// turns a key which way.
void draw_mouse(QPainter &painter, QPointF at, Held held)
{
    const QRectF body(at.x() + 16, at.y() + 16, 16, 24);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(body, 7, 7);
    QRectF button(body.left(), body.top(), body.width() / 2, body.height() * 0.42);
    if (held == Held::Right)
        button.moveLeft(body.center().x());
    QPainterPath lit;
    lit.addRoundedRect(body, 7, 7);
    QPainterPath half;
    half.addRect(button);
    painter.setBrush(QColor(0xe0, 0x20, 0x20));
    painter.drawPath(lit.intersected(half));
    painter.drawLine(QPointF(body.center().x(), body.top()),
                     QPointF(body.center().x(), button.bottom()));
}

void draw_pointer(QPainter &painter, const Overlay &overlay)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (overlay.held != Held::None) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 210, 0, 120));
        painter.drawEllipse(overlay.pointer, 16, 16);
        draw_mouse(painter, overlay.pointer, overlay.held);
    }
    painter.translate(overlay.pointer);
    painter.setPen(QPen(Qt::black, 1.3));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow());
    painter.restore();
}

void draw_caption(QPainter &painter, const QString &caption)
{
    if (caption.isEmpty())
        return;
    const QRect band(0, caption_top, frame_size.width(), frame_size.height() - caption_top);
    painter.fillRect(band, caption_band);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(band.adjusted(12, 0, -12, 0), Qt::AlignCenter | Qt::TextSingleLine, caption);
}

} // namespace

QImage compose_frame(const std::vector<QWidget *> &windows, const Overlay &overlay)
{
    QImage frame(frame_size, QImage::Format_RGB32);
    frame.fill(desktop);
    QPainter painter(&frame);
    for (QWidget *window : windows)
        if (window && window->isVisible())
            draw_window(painter, *window);
    draw_caption(painter, overlay.caption);
    draw_pointer(painter, overlay);
    return frame;
}

QImage compose_frame(const Scene &scene)
{
    return compose_frame(scene.windows, scene.overlay);
}

} // namespace video
