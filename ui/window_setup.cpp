#include "window_setup.h"

#include <QWidget>

void setup_window(QWidget &window, const QString &name, QSize client_size, Qt::WindowFlags flags)
{
    window.setObjectName(name);
    window.setWindowTitle(name);
    window.setWindowFlags(Qt::Window | flags);
    window.setGeometry(0, 0, client_size.width(), client_size.height());
}
