#include "qt_ui_port.h"

#include "app/forms.h"
#include "ui/Unit_main.h"
#include "ui/Unit_target.h"

#include <QMessageBox>

// The marker window is made after the main window: calls from the main window's construction
// find no marker to move.
void QtUiPort::show_target()
{
    if (!Form_Target)
        return;
    Form_Target->show();
    Form_Target->raise();
}

void QtUiPort::hide_target()
{
    if (Form_Target)
        Form_Target->hide();
}

void QtUiPort::message_box(const std::string &text)
{
    QMessageBox::information(Form_Main_ZUN, QStringLiteral("Project_ZUN"),
                             QString::fromStdString(text));
}
