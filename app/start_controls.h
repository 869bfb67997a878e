#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

class QMouseEvent;

// A control of the start window that reports a press and the release that follows it; the
// release comes wherever the pointer is let go, since the control holds the pointer meanwhile.
class PressableControl : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    std::function<void(QMouseEvent &)> on_press;
    std::function<void(QMouseEvent &)> on_move;
    std::function<void(QMouseEvent &)> on_release;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A filled shape with an outline, drawn inside its rectangle without antialiasing, so that white
// keys out cleanly around it.
class ShapeWidget final : public PressableControl {
    Q_OBJECT

public:
    enum class Outline { Ellipse, Circle, RoundRect };

    ShapeWidget(Outline outline, QColor fill, QColor pen, QWidget *parent);

    int pen_width() const { return pen_width_; }
    void set_pen_width(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Outline outline_;
    QColor fill_;
    QColor pen_;
    int pen_width_ = 1;
};

// A text turned counter-clockwise by a few degrees, on no background.
class RotatedLabel final : public PressableControl {
    Q_OBJECT

public:
    RotatedLabel(const QString &text, int pixel_size, double degrees, QWidget *parent);

    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    int pixel_size_;
    double degrees_;
};

// A picture drawn by a function, that reports the pointer.
class DrawnPicture final : public PressableControl {
    Q_OBJECT

public:
    using Drawing = std::function<void(QPainter &, QSizeF)>;

    DrawnPicture(Drawing drawing, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing drawing_;
};
