#include "Unit_target.h"

#include "ui/window_setup.h"

TForm_Target::TForm_Target(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Target"), {105, 105},
                 Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
}
