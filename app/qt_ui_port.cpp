#include "qt_ui_port.h"

#include "app/Unit_start.h"
#include "app/document_opener.h"
#include "app/documents.h"
#include "app/forms.h"
#include "ui/Unit_main.h"
#include "ui/Unit_target.h"
#include "ui/main_commands.h"

#include <QMessageBox>
#include <QPushButton>

void QtUiPort::show_target()
{
    if (!forms_)
        return;
    forms_->target().show();
    forms_->target().raise();
}

void QtUiPort::hide_target()
{
    if (forms_)
        forms_->target().hide();
}

void QtUiPort::show_keys_of(int mech)
{
    if (forms_)
        forms_->main().flash_keys_of(mech);
}

void QtUiPort::show_bell_page_and_hand()
{
    if (forms_)
        forms_->main().point_hand_at_bell();
}

void QtUiPort::show_hand_at_new_coil_button()
{
    if (forms_)
        forms_->main().point_hand_below(*forms_->main().commands->Button_Get_Rulon);
}

// The shell's "open": the manual as the desktop can show it, a video where one is found; a box
// over the start screen when the file is missing or nothing opens it.
void QtUiPort::open_document(const std::string &folder, const std::string &file)
{
    const auto tell = [this](const QString &text) {
        QMessageBox::information(forms_ ? &forms_->start() : nullptr,
                                 QStringLiteral("Project_ZUN"), text);
    };
    DocumentOpener(document_places(), open_with_desktop, tell, desktop_opens_chm)
        .open(QString::fromStdString(folder), QString::fromStdString(file));
}

void QtUiPort::message_box(const std::string &text)
{
    QMessageBox::information(forms_ ? &forms_->main() : nullptr, QStringLiteral("Project_ZUN"),
                             QString::fromStdString(text));
}
