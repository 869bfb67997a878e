#include "Unit_steps.h"

#include "ui/window_setup.h"

TForm_Steps::TForm_Steps(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Steps"), {772, 405}, Qt::WindowStaysOnTopHint);
}
