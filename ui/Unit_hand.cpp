#include "Unit_hand.h"

#include "assets/pointer_art.h"

TForm_Hand::TForm_Hand()
    : ShapedWindow(QStringLiteral("Form_Hand"), {104, 112}, art::draw_pointing_hand,
                   Qt::WindowDoesNotAcceptFocus)
{
}

QPoint TForm_Hand::fingertip()
{
    return art::pointing_hand_fingertip(QSizeF(104, 112)).toPoint();
}
