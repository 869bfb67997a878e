#include "window_setup.h"

#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>

void setup_window(QWidget &window, const QString &name, QSize client_size, Qt::WindowFlags flags)
{
    window.setObjectName(name);
    window.setWindowTitle(name);
    window.setWindowFlags(Qt::Window | flags);
    window.setGeometry(0, 0, client_size.width(), client_size.height());
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
