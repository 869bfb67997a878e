#include "main_commands.h"

#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/window_setup.h"
#include "ui/wrapped_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString find_hint = QStringLiteral("поиск механизма");
constexpr int find_box_lines = 40;

QPushButton *button(const QString &caption, QRect place, QWidget *client)
{
    auto *pressed = new QPushButton(caption, client);
    pressed->setGeometry(QRect(TForm_Main_ZUN::on_client(place.left(), place.top()), place.size()));
    return pressed;
}

void show_in_front(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// Sets a text only when it differs, so that an idle window repaints nothing; says whether it did.
bool set_text(QLabel &label, const std::string &text)
{
    const QString wanted = QString::fromStdString(text);
    if (label.text() == wanted)
        return false;
    label.setText(wanted);
    return true;
}

} // namespace

MainCommands::MainCommands(zun::Door door, Windows windows, QWidget *client)
    : QObject(client), door_(door), sim_(door.model())
{
    Button_Steps = button(QStringLiteral("что делать"), {-44, 9, 97, 25}, client);
    Button_Steps->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    connect(Button_Steps, &QPushButton::clicked, this,
            [windows] { show_in_front(&windows.steps); });

    build_find_box();

    Label_Current_Step = new QLabel(QStringLiteral("Label_Current_Step"), client);
    Label_Current_Step->move(TForm_Main_ZUN::on_client(309, 14));
    Label_Current_Step->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    fit_label_to_text(*Label_Current_Step);

    mistake_label = new QLabel(client);
    mistake_label->move(TForm_Main_ZUN::on_client(309, 28));
    QFont notice_font = mistake_label->font();
    notice_font.setPixelSize(11);
    mistake_label->setFont(notice_font);
    mistake_label->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    mistake_label->hide();

    Button_Get_Rulon = button(QStringLiteral("поставить новый рулон"), {755, 286, 124, 25}, client);
    Button_Get_Rulon->setStyleSheet(QStringLiteral("background: rgb(0, 160, 0); color: white;"));
    connect(Button_Get_Rulon, &QPushButton::clicked, this,
            [this] { door_.apply(zun::input::NewCoil{}); });

    Button_Form_Status_Mech_Array =
        button(QStringLiteral("состояние механизмов"), {755, 317, 124, 25}, client);
    connect(Button_Form_Status_Mech_Array, &QPushButton::clicked, this, [windows] {
        show_in_front(&windows.status);
        windows.status.Timer_Status.start();
    });

    // Presses the steps window's button by program: it works while that window is hidden.
    Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu = new WrappedButton(client);
    Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu->setGeometry(
        QRect(TForm_Main_ZUN::on_client(754, 386), QSize(124, 57)));
    connect(Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu, &QPushButton::clicked, this,
            [this] { door_.apply(zun::input::Pass{}); });

    build_panel1();
    refresh();
}

void MainCommands::build_find_box()
{
    QWidget *client = qobject_cast<QWidget *>(parent());
    ComboBox_Find_Mech = new QComboBox(client);
    ComboBox_Find_Mech->setGeometry(QRect(TForm_Main_ZUN::on_client(59, 8), QSize(236, 24)));
    ComboBox_Find_Mech->setEditable(true);
    ComboBox_Find_Mech->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_Find_Mech->setCompleter(nullptr); // completion is the box's own, by item order
    ComboBox_Find_Mech->setMaxVisibleItems(find_box_lines);
    ComboBox_Find_Mech->setToolTip(find_hint);
    QFont font = ComboBox_Find_Mech->font();
    font.setPixelSize(13);
    ComboBox_Find_Mech->setFont(font);
    for (const std::string &name : sim_.find_mech_list)
        ComboBox_Find_Mech->addItem(QString::fromStdString(name));
    ComboBox_Find_Mech->setCurrentIndex(-1);
    ComboBox_Find_Mech->setEditText(find_hint);
    connect(ComboBox_Find_Mech, &QComboBox::activated, this, &MainCommands::pick);
    connect(ComboBox_Find_Mech->lineEdit(), &QLineEdit::textEdited, this,
            &MainCommands::find_text_edited);
}

// A typed beginning is completed to the first item that starts with it, whatever the case, and
// that item counts as picked; a beginning no item has picks nothing.
void MainCommands::find_text_edited(const QString &text)
{
    if (text.isEmpty())
        return;
    for (int index = 0; index < ComboBox_Find_Mech->count(); ++index) {
        const QString item = ComboBox_Find_Mech->itemText(index);
        if (!item.startsWith(text, Qt::CaseInsensitive))
            continue;
        ComboBox_Find_Mech->setCurrentIndex(index);
        QLineEdit *edit = ComboBox_Find_Mech->lineEdit();
        edit->setText(item);
        edit->setSelection(static_cast<int>(text.size()), static_cast<int>(item.size()));
        pick(index);
        return;
    }
}

void MainCommands::pick(int index)
{
    door_.apply(zun::input::FindPick{index});
}

void MainCommands::build_panel1()
{
    QWidget *client = qobject_cast<QWidget *>(parent());
    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(QRect(TForm_Main_ZUN::on_client(754, 450), QSize(150, 110)));
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { border: 8px solid rgb(200, 196, 188); }"));
    QFont caption_font = Panel1->font();
    caption_font.setPixelSize(11);
    panel1_caption = new QLabel(Panel1);
    panel1_caption->setGeometry(9, 9, 132, 40);
    panel1_caption->setFont(caption_font);
    panel1_caption->setWordWrap(true);
    panel1_caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = Panel1->font();
    small.setPixelSize(9);
    const auto indicator = [this, &small](const char *caption, int top, int width) {
        auto *box = new QCheckBox(QString::fromUtf8(caption), Panel1);
        box->setGeometry(20, top, width, 14);
        box->setFont(small);
        return box;
    };
    CheckBox_bi_KV_RWS = indicator("В \"ИСХОДНОМ\"", 50, 129);
    CheckBox_b_KM_RWS = indicator("ИДЁТ В \"ИСХОДНОЕ\"", 64, 145);
    CheckBox_b_KM_FWD = indicator("ИДЁТ В \"КОНЕЧНОЕ\"", 78, 129);
    CheckBox_bi_KV_FWD = indicator("В \"КОНЕЧНОМ\"", 91, 129);
}

void MainCommands::show_mistake_notice(const QString &text)
{
    if (mistake_label->text() == text)
        return;
    mistake_label->setText(text);
    fit_label_to_text(*mistake_label);
    mistake_label->setVisible(!text.isEmpty());
    mistake_label->raise();
}

void MainCommands::refresh()
{
    if (set_text(*Label_Current_Step, sim_.Label_Current_Step))
        fit_label_to_text(*Label_Current_Step);
    WrappedButton *pass = Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    pass->set_caption(QString::fromStdString(sim_.pass_button_caption));
    pass->setEnabled(sim_.pass_button_enabled);
    set_text(*panel1_caption, sim_.panel1_caption);
    CheckBox_bi_KV_RWS->setChecked(sim_.CheckBox_bi_KV_RWS);
    CheckBox_b_KM_RWS->setChecked(sim_.CheckBox_b_KM_RWS);
    CheckBox_b_KM_FWD->setChecked(sim_.CheckBox_b_KM_FWD);
    CheckBox_bi_KV_FWD->setChecked(sim_.CheckBox_bi_KV_FWD);
}
