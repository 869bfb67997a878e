#include "Unit_steps.h"

#include "sim/line_model.h"
#include "sim/steps_texts.h"
#include "training/explanations.h"
#include "ui/window_setup.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>

namespace {

constexpr int line_height = 13;
// Taller than the list needs, so that a whole explanation fits below it.
constexpr int window_height = 520;
constexpr int explanation_height = 232;

// The modes in the order of their numbers.
const char *const mode_items[] = {
    "с текущего места проходить стадии  кнопой \"Пройти Стадию\"",
    " при щелчке по стадии показывать состояние всего агрегата в результате  правильного "
    "выполнения  всех пройденных стадий",
    "полный автомат",
};

// Pages are stacked in the order of their names as text, each above those before it.
constexpr int page_stacking[] = {0,  1,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2,  20, 21, 22, 23,
                                 24, 25, 26, 27, 28, 29, 3,  30, 31, 32, 33, 34, 35, 36, 37, 38, 39,
                                 4,  40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 5,  50, 6,  7,  8,  9};

// Pages 0 to 49 explain their lines; the spare last page keeps its filler.
QString page_text(int number)
{
    if (number < zun::steps::line_count)
        return QString::fromStdString(zun::training::explanation(number));
    return QStringLiteral("Memo0\nForm_Main_ZUN->Mech_Array[5]->f_Start_FWD_Pulse();\n"
                          "Form_Main_ZUN->Mech_Array[7]->f_Start_FWD_Pulse();\n"
                          " Form_Main_ZUN->Mech_Array[5]->f_Start_FWD_Pulse();\n");
}

} // namespace

void StepsList::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (itemAt(event->position().toPoint()) && on_click)
        on_click(currentRow());
}

void StepsList::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0 && on_click)
        on_click(currentRow());
}

TForm_Steps::TForm_Steps(zun::Door door) : QWidget(nullptr), door_(door), sim_(door.model())
{
    setup_window(*this, QStringLiteral("Form_Steps"), {772, window_height},
                 Qt::WindowStaysOnTopHint);
    auto *content = new QWidget;
    content->setFixedSize(772, window_height);
    fill_with_scroll_area(*this, content)->setFrameShape(QFrame::NoFrame);
    setMinimumSize(100, 100);

    ListBox_Steps = new StepsList(content);
    ListBox_Steps->setGeometry(3, 8, 753, 143);
    QFont lines = ListBox_Steps->font();
    lines.setPixelSize(11);
    ListBox_Steps->setFont(lines);
    for (const std::string_view line : zun::steps::lines()) {
        auto *item = new QListWidgetItem(
            QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())), ListBox_Steps);
        item->setSizeHint(QSize(740, line_height));
    }
    ListBox_Steps->on_click = [this](int line) { ListBox_StepsClick(line); };

    Edit_CheckBox_stadiya_raboti =
        new QLineEdit(QStringLiteral("Edit_CheckBox_stadiya_raboti"), content);
    Edit_CheckBox_stadiya_raboti->setGeometry(15, 161, 209, 21);
    Edit_CheckBox_stadiya_raboti->setReadOnly(true);

    mistake_label = new QLabel(content);
    mistake_label->setGeometry(232, 158, 408, 28);
    mistake_label->setWordWrap(true);
    mistake_label->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));

    Button1 = new QPushButton(QStringLiteral("стоп"), content);
    Button1->setGeometry(648, 160, 89, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { door_.apply(zun::input::Stop{}); });

    build_modes(content);

    auto *heading = new QLabel(QStringLiteral("возможные пояснения для текущего шага:"), content);
    heading->move(8, 266);
    fit_label_to_text(*heading);
    build_pages(content);
    refresh_from_model();
}

void TForm_Steps::build_modes(QWidget *content)
{
    auto *group = new QGroupBox(QStringLiteral("способ работы"), content);
    group->setGeometry(18, 188, 738, 63);
    RadioGroup1 = new QButtonGroup(this);
    for (int mode = 0; mode < static_cast<int>(std::size(mode_items)); ++mode) {
        auto *item = new QRadioButton(QString::fromUtf8(mode_items[mode]), group);
        item->setGeometry(8, 14 + mode * 15, mode == 1 ? 725 : 360, 15);
        RadioGroup1->addButton(item, mode);
    }
    RadioGroup1->setExclusive(false); // none selected until a mode is chosen
    connect(RadioGroup1, &QButtonGroup::idClicked, this, [this](int mode) {
        door_.apply(zun::input::SelectMode{static_cast<zun::WorkingMode>(mode)});
    });

    // Over the right half of the group.
    Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu = new QPushButton(content);
    Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu->setGeometry(387, 198, 350, 18);
    connect(Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu, &QPushButton::clicked, this,
            [this] { door_.apply(zun::input::Pass{}); });
}

void TForm_Steps::build_pages(QWidget *content)
{
    Panel1 = new QWidget(content);
    Panel1->setGeometry(8, 280, 745, explanation_height);
    for (const int number : page_stacking) {
        auto *page = new QPlainTextEdit(page_text(number), Panel1);
        page->setReadOnly(true);
        page->setObjectName(QStringLiteral("Memo%1").arg(number));
        page->setGeometry(Panel1->rect());
        page->raise();
        pages_by_number_[number] = page;
    }
}

QPlainTextEdit *TForm_Steps::top_page() const
{
    const auto children = Panel1->findChildren<QPlainTextEdit *>(Qt::FindDirectChildrenOnly);
    return children.isEmpty() ? nullptr : children.last();
}

// Registers the pages 0 to 49 by their names; the last slot stays empty.
void TForm_Steps::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (int number = 0; number < zun::steps::line_count; ++number)
        Memo_Array[number] = pages_by_number_[number];
    if (!event->spontaneous())
        door_.apply(zun::input::StepsWindow{true});
}

void TForm_Steps::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        door_.apply(zun::input::StepsWindow{false});
}

void TForm_Steps::ListBox_StepsClick(int line)
{
    door_.apply(zun::input::StepClick{line});
    if (line >= 0 && line < page_count && Memo_Array[line])
        Memo_Array[line]->raise();
}

void TForm_Steps::raise_page(int line)
{
    if (line >= 0 && line < page_count && pages_by_number_[line])
        pages_by_number_[line]->raise();
}

void TForm_Steps::show_mistake_notice(const QString &text)
{
    if (mistake_label->text() != text)
        mistake_label->setText(text);
}

void TForm_Steps::refresh_from_model()
{
    // The window opens on the page of the stage it finds.
    if (stage_explained_ < 0) {
        stage_explained_ = sim_.Frame_LineMetal.Stadiya_Raboti;
        raise_page(stage_explained_);
    }
    const QString stage = QString::fromStdString(sim_.Edit_CheckBox_stadiya_raboti);
    if (Edit_CheckBox_stadiya_raboti->text() != stage)
        Edit_CheckBox_stadiya_raboti->setText(stage);
    // The poll selects the current line and brings up its page, so that the list, the stage
    // field and the page say one step; a line clicked meanwhile keeps its page until the poll
    // finds another stage.
    if (polls_seen_ != sim_.steps_polls) {
        polls_seen_ = sim_.steps_polls;
        const int polled = sim_.ListBox_Steps_ItemIndex;
        ListBox_Steps->setCurrentRow(polled);
        if (polled >= 0 && polled != stage_explained_) {
            stage_explained_ = polled;
            raise_page(polled);
        }
    }
    // An examination shows no explanations and keeps the first working mode.
    const bool exam = sim_.lesson_is_exam();
    if (Panel1->isHidden() != exam)
        Panel1->setHidden(exam);
    for (QAbstractButton *item : RadioGroup1->buttons()) {
        item->setChecked(RadioGroup1->id(item) == static_cast<int>(sim_.working_mode));
        item->setEnabled(!exam || RadioGroup1->id(item) == 0);
    }
    QPushButton *pass = Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    const QString caption = QString::fromStdString(sim_.pass_button_caption);
    if (pass->text() != caption)
        pass->setText(caption);
    pass->setEnabled(sim_.pass_button_enabled);
}
