#include "Unit_hand.h"

#include "assets/pointer_art.h"

TForm_Hand::TForm_Hand()
    : TShapedWindow(QStringLiteral("Form_Hand"), {104, 112}, art::draw_pointing_hand,
                    Qt::WindowDoesNotAcceptFocus)
{
}

// The art draws the finger's tip at about 0.68 of the width, 0.03 of the height.
QPoint TForm_Hand::fingertip()
{
    return {71, 3};
}
