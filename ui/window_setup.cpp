#include "window_setup.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cmath>

void setup_window(QWidget &window, const QString &name, QSize client_size, Qt::WindowFlags flags)
{
    window.setObjectName(name);
    window.setWindowTitle(name);
    window.setWindowFlags(Qt::Window | flags);
    window.resize(client_size);
    window.move(0, 0); // a window's place is that of its frame, title bar included
}

QScrollArea *fill_with_scroll_area(QWidget &window, QWidget *content)
{
    auto *area = new QScrollArea(&window);
    area->setWidget(content);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return area;
}

void fit_label_to_text(QLabel &label)
{
    const QFontMetricsF metrics(label.font());
    const QRectF ink = metrics.tightBoundingRect(label.text());
    constexpr double rounding = 1; // a device pixel's worth of room at ratios up to 2
    const auto room = [](double overhang) {
        return static_cast<int>(std::ceil(std::max(0.0, overhang) + rounding));
    };
    const int text_top = label.y() + label.contentsMargins().top();
    const int above = room(-ink.top() - metrics.ascent());
    label.setContentsMargins(0, above, 0, room(ink.bottom() - metrics.descent()));
    label.move(label.x(), text_top - above);
    label.adjustSize();
}
