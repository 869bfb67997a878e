#include "Unit_videomenu.h"

#include "ui/window_setup.h"

TVideoMenu::TVideoMenu(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("VideoMenu"), {353, 215});
}
