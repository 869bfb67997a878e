#include "start_controls.h"

#include <QMouseEvent>
#include <QPainter>

void PressableControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (on_press)
        on_press(*event);
}

void PressableControl::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (on_move)
        on_move(*event);
}

void PressableControl::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (on_release)
        on_release(*event);
}

ShapeWidget::ShapeWidget(Outline outline, QColor fill, QColor pen, QWidget *parent)
    : PressableControl(parent), outline_(outline), fill_(fill), pen_(pen)
{
}

void ShapeWidget::set_pen_width(int width)
{
    if (width == pen_width_)
        return;
    pen_width_ = width;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(pen_, pen_width_));
    painter.setBrush(fill_);
    // The pen is centred on the outline: keep all of it inside the rectangle.
    const double inset = pen_width_ / 2.0;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset - 1, -inset - 1);
    if (outline_ == Outline::Circle) { // the largest circle of the box, centred
        const double side = std::min(area.width(), area.height());
        area = QRectF(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    }
    if (outline_ == Outline::RoundRect)
        painter.drawRoundedRect(area, area.width() / 4, area.height() / 4);
    else
        painter.drawEllipse(area);
}

RotatedLabel::RotatedLabel(const QString &text, int pixel_size, double degrees, QWidget *parent)
    : PressableControl(parent), text_(text), pixel_size_(pixel_size), degrees_(degrees)
{
}

void RotatedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont text_font = font();
    text_font.setPixelSize(pixel_size_);
    painter.setFont(text_font);
    // Turned about the centre of its box, so that both ends of the text stay inside it.
    painter.translate(rect().center());
    painter.rotate(-degrees_);
    const QFontMetrics metrics = painter.fontMetrics();
    const QPointF baseline(-metrics.horizontalAdvance(text_) / 2.0,
                           (metrics.ascent() - metrics.descent()) / 2.0);
    painter.drawText(baseline, text_);
}

DrawnPicture::DrawnPicture(Drawing drawing, QWidget *parent)
    : PressableControl(parent), drawing_(std::move(drawing))
{
}

void DrawnPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawing_(painter, QSizeF(size()));
}
