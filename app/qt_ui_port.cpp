#include "qt_ui_port.h"

#include "app/Unit_start.h"
#include "app/documents.h"
#include "app/forms.h"
#include "ui/Unit_main.h"
#include "ui/Unit_main_commands.h"
#include "ui/Unit_target.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

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
        forms_->main().f_Show_Keys_Of(mech);
}

void QtUiPort::show_bell_page_and_hand()
{
    if (forms_)
        forms_->main().f_Show_Bell_Page_And_Hand();
}

void QtUiPort::show_hand_at_new_coil_button()
{
    if (forms_)
        forms_->main().f_Point_Hand_Below(*forms_->main().commands->Button_Get_Rulon);
}

// The shell's "open": the manual as the desktop can show it, a video where one is found. A
// video that is nowhere changes nothing, as with the folder missing.
void QtUiPort::open_document(const std::string &folder, const std::string &file)
{
    const QString name = QString::fromStdString(file);
    const QStringList places = document_places();
    if (folder == "help") {
        const HelpChoice help = choose_help(places, name, desktop_opens_chm);
        if (help.kind == HelpChoice::Kind::Message)
            QMessageBox::information(forms_ ? &forms_->start() : nullptr,
                                     QStringLiteral("Project_ZUN"), help.text);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(help.text));
        return;
    }
    const QString found = find_document(places, QString::fromStdString(folder), name);
    if (!found.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(found));
}

void QtUiPort::message_box(const std::string &text)
{
    QMessageBox::information(forms_ ? &forms_->main() : nullptr, QStringLiteral("Project_ZUN"),
                             QString::fromStdString(text));
}
