#include "Unit_hand.h"

#include "assets/pointer_art.h"

TForm_Hand::TForm_Hand()
    : TShapedWindow(QStringLiteral("Form_Hand"), {104, 112}, art::draw_pointing_hand,
                    Qt::WindowDoesNotAcceptFocus)
{
}
