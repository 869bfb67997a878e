#include "program_fixture.h"
#include "sim/console_layout.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/main_commands.h"
#include "ui/wrapped_button.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Types a text as the keyboard would, letter by letter, Cyrillic included.
void type(QWidget *widget, const QString &text)
{
    for (const QChar letter : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
}

class CommandsTest : public ProgramTest {
protected:
    CommandsTest() { advance(5000); }

    MainCommands &commands = *forms.main().commands;
};

TEST_F(CommandsTest, TheFindBoxCompletesATypedBeginningToAPick)
{
    QComboBox *box = commands.ComboBox_Find_Mech;
    EXPECT_EQ(box->count(), 127);
    EXPECT_EQ(box->currentText(), "поиск механизма");
    box->lineEdit()->clear();
    type(box->lineEdit(), QStringLiteral("38"));
    EXPECT_EQ(sim.Cur_Mech, 38);
    EXPECT_EQ(box->currentText(), "38? промасливающая машина");
    EXPECT_FALSE(sim.b_Hover_Selects);

    box->lineEdit()->clear();
    type(box->lineEdit(), QStringLiteral("ЪЪ"));
    EXPECT_EQ(sim.Cur_Mech, 38) << "a beginning no item has";
    EXPECT_EQ(box->count(), 127) << "nothing is inserted";

    box->lineEdit()->clear();
    type(box->lineEdit(), QStringLiteral("1 ТЕЛ"));
    EXPECT_EQ(sim.Cur_Mech, 1) << "case does not matter";
}

TEST_F(CommandsTest, PickingFromTheListShowsTheMechanism)
{
    QComboBox *box = commands.ComboBox_Find_Mech;
    box->setCurrentIndex(5);
    emit box->activated(5);
    EXPECT_EQ(sim.Cur_Mech, 5);
    EXPECT_TRUE(sim.Panel_5_mech->visible());
}

TEST_F(CommandsTest, ThePanelShowsTheCurrentMechanism)
{
    dispatcher.apply(zun::input::FindPick{38});
    advance(10);
    EXPECT_EQ(commands.panel1_caption->text(), "38? промасливающая машина");
    dispatcher.apply(zun::input::FindPick{1});
    commands.CheckBox_bi_KV_FWD->setChecked(true);
    advance(10);
    EXPECT_FALSE(commands.CheckBox_bi_KV_FWD->isChecked());
    EXPECT_TRUE(commands.CheckBox_bi_KV_RWS->isChecked());
}

TEST_F(CommandsTest, TheMainWindowsPassButtonFollowsTheModeAndWorksHidden)
{
    WrappedButton *pass = commands.Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    EXPECT_EQ(pass->caption(), "пройти стадию");
    advance(1000);
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    EXPECT_FALSE(forms.steps().isVisible());
    QTest::mouseClick(pass, Qt::LeftButton);
    EXPECT_EQ(sim.Frame_LineMetal.Gde_Rulon_Razmativatela, zun::UncoilerPlace::CarTable)
        << "stage 1: the coil is put on";
    EXPECT_EQ(commands.Label_Current_Step->text().left(5), "шаг №");

    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    advance(10);
    EXPECT_FALSE(pass->isEnabled());
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::Automatic});
    advance(10);
    EXPECT_EQ(pass->caption(), "пуск в автомате с текущего места");
}

// A refused key is told under the step line and beside the stage; an operation in order clears
// it, and an examination keeps silent.
TEST_F(CommandsTest, AMistakeIsToldUnderTheStepLineUntilTheNextGoodOperation)
{
    const int pusher = zun::console::find_control("Frame_45_Key_Back_7");
    const QLabel &main_notice = *commands.mistake_label;
    const QLabel &steps_notice = *forms.steps().mistake_label;
    dispatcher.apply(zun::input::ControlPress{pusher, zun::MouseButton::Left});
    EXPECT_TRUE(main_notice.isVisibleTo(&forms.main()));
    EXPECT_TRUE(main_notice.text().endsWith("механизм уже в конечном положении."))
        << main_notice.text().toStdString();
    EXPECT_EQ(steps_notice.text(), main_notice.text());

    dispatcher.apply(zun::input::ControlRelease{pusher, zun::MouseButton::Left});
    dispatcher.apply(zun::input::NewCoil{});
    EXPECT_FALSE(main_notice.isVisibleTo(&forms.main()));
    EXPECT_EQ(steps_notice.text(), "");

    dispatcher.apply(zun::input::Lesson{zun::LessonKind::Exam});
    dispatcher.apply(zun::input::ControlPress{pusher, zun::MouseButton::Left});
    EXPECT_FALSE(main_notice.isVisibleTo(&forms.main()));
}

} // namespace
