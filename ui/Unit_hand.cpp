#include "Unit_hand.h"

#include "ui/window_setup.h"

TForm_Hand::TForm_Hand(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Hand"), {104, 112}, Qt::FramelessWindowHint);
}
