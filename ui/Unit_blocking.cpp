#include "Unit_blocking.h"

#include "ui/window_setup.h"

TForm_Blocking::TForm_Blocking(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Blocking"), {426, 216});
}
