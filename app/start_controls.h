#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>

// A control of the start window that reports a press and the release that follows it; the
// release comes wherever the pointer is let go, since the control holds the pointer meanwhile.
class PressableControl : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    std::function<void()> on_press;
    std::function<void()> on_release;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A filled shape with an outline, drawn inside its rectangle.
class TShape final : public PressableControl {
    Q_OBJECT

public:
    enum class Outline { Ellipse, RoundRect };

    TShape(Outline outline, QColor fill, QWidget *parent);

    int pen_width() const { return pen_width_; }
    void set_pen_width(int width);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Outline outline_;
    QColor fill_;
    int pen_width_ = 1;
};

// A text turned counter-clockwise by a few degrees, on no background.
class TRotatedLabel final : public PressableControl {
    Q_OBJECT

public:
    TRotatedLabel(const QString &text, int pixel_size, double degrees, QWidget *parent);

    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    int pixel_size_;
    double degrees_;
};
