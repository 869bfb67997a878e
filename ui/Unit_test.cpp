#include "Unit_test.h"

#include "ui/window_setup.h"

TForm_Test::TForm_Test(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Test"), {426, 216});
}
