#include "qt_ui_port.h"

#include "app/Unit_start.h"
#include "app/documents.h"
#include "app/forms.h"
#include "ui/Unit_main.h"
#include "ui/Unit_main_commands.h"
#include "ui/Unit_posts.h"
#include "ui/Unit_target.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

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

void QtUiPort::show_key_of_cur_mech()
{
    if (Form_Main_ZUN)
        Form_Main_ZUN->f_Show_Key_Of_Cur_Mech();
}

void QtUiPort::show_bell_page_and_hand()
{
    if (Form_Main_ZUN)
        Form_Main_ZUN->f_Show_Bell_Page_And_Hand();
}

void QtUiPort::show_hand_at_new_coil_button()
{
    if (Form_Main_ZUN)
        Form_Main_ZUN->f_Point_Hand_Below(*Form_Main_ZUN->commands->Button_Get_Rulon);
}

void QtUiPort::show_page(const std::string &page)
{
    if (Form_Main_ZUN)
        Form_Main_ZUN->Panel_Posts->bring_forward(*Form_Main_ZUN->Panel_Posts->page(page));
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
            QMessageBox::information(Form_Start, QStringLiteral("Project_ZUN"), help.text);
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
    QMessageBox::information(Form_Main_ZUN, QStringLiteral("Project_ZUN"),
                             QString::fromStdString(text));
}
