#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QPainter;

// A borderless window that takes the shape of its picture: white is keyed out, invisible and
// letting the pointer through.
class ShapedWindow : public QWidget {
    Q_OBJECT

public:
    using Drawing = std::function<void(QPainter &, QSizeF)>;

    ShapedWindow(const QString &name, QSize size, Drawing drawing, Qt::WindowFlags flags);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing drawing_;
};
