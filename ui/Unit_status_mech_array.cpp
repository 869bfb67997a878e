#include "Unit_status_mech_array.h"

#include "ui/window_setup.h"

TForm_Status_Mech_Array::TForm_Status_Mech_Array(QWidget *parent) : QWidget(parent)
{
    setup_window(*this, QStringLiteral("Form_Status_Mech_Array"), {900, 700});
}
