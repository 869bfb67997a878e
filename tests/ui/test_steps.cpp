#include "program_fixture.h"
#include "ui/Unit_main.h"
#include "ui/Unit_main_commands.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/wrapped_button.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StepsWindowTest : public ProgramTest {
protected:
    StepsWindowTest() { Form_Steps->show(); }

    void click_line(int line)
    {
        QListWidget *list = Form_Steps->ListBox_Steps;
        const QRect place = list->visualItemRect(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(StepsWindowTest, ThePollShowsTheStageAndItsStep)
{
    EXPECT_EQ(Form_Steps->ListBox_Steps->count(), 50);
    EXPECT_EQ(Form_Steps->top_page()->objectName(), "Memo9");
    advance(1000);
    EXPECT_EQ(Form_Steps->Edit_CheckBox_stadiya_raboti->text(), "стадия работы  0");
    EXPECT_EQ(Form_Main_ZUN->commands->Label_Current_Step->text(), "шаг №");
    sim.Frame_LineMetal.Stadiya_Raboti = 21;
    advance(1000);
    EXPECT_EQ(Form_Steps->ListBox_Steps->currentRow(), 21);
    EXPECT_EQ(Form_Main_ZUN->commands->Label_Current_Step->text(),
              "шаг №21) полосу подать в последующие машины агрегата.");
}

TEST_F(StepsWindowTest, LeavingTheAutomaticModeForClicksKeepsTheCaptionAndDisablesBoth)
{
    QPushButton *own = Form_Steps->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    TWrappedButton *main =
        Form_Main_ZUN->commands->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    QTest::mouseClick(Form_Steps->RadioGroup1->button(2), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(sim.Working_Mode, 2);
    QTest::mouseClick(Form_Steps->RadioGroup1->button(1), Qt::LeftButton, {}, QPoint(6, 7));
    advance(10);
    EXPECT_TRUE(Form_Steps->RadioGroup1->button(1)->isChecked());
    EXPECT_FALSE(Form_Steps->RadioGroup1->button(2)->isChecked());
    EXPECT_FALSE(own->isEnabled() || main->isEnabled());
    EXPECT_EQ(own->text(), "пуск в автомате с текущего места");
    EXPECT_EQ(main->caption(), "пуск в автомате с текущего места");
}

TEST_F(StepsWindowTest, AClickOnAnotherLineOnlyExplainsItUntilThePoll)
{
    advance(5000); // mode 0 from the main window's show; the stage-0 state completes
    const int stage = sim.Frame_LineMetal.Stadiya_Raboti;
    ASSERT_EQ(stage, 1);
    click_line(7);
    EXPECT_EQ(Form_Steps->top_page()->objectName(), "Memo7");
    EXPECT_EQ(Form_Steps->ListBox_Steps->currentRow(), 7);
    advance(1000);
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, stage);
    EXPECT_EQ(Form_Steps->ListBox_Steps->currentRow(), stage);
    EXPECT_EQ(Form_Steps->top_page()->objectName(), "Memo7");

    QTest::mouseClick(Form_Steps->RadioGroup1->button(1), Qt::LeftButton, {}, QPoint(6, 7));
    click_line(30);
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 30) << "a click sets the stage in this mode";
}

TEST_F(StepsWindowTest, TheStatusWindowCaptionsItsRowsAndFollowsTheMechanisms)
{
    TForm_Status_Mech_Array &status = *Form_Status_Mech_Array;
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(status.Check_Box[column][12]->text(), "12-------");
    EXPECT_EQ(status.Label[12]->text(), "12------------не существует");
    EXPECT_EQ(status.Check_Box[0][4]->text(), "4 в \"исходном\"");
    EXPECT_EQ(status.Check_Box[1][4]->text(), "4 условно\"назад\"");
    EXPECT_EQ(status.Check_Box[2][4]->text(), "4 условно\"вперёд\"");
    EXPECT_EQ(status.Check_Box[3][4]->text(), "4 в \"конечном\"");
    EXPECT_EQ(status.Label[4]->text(), " 4 перемещение разматывателя ");
    EXPECT_EQ(status.Label[79]->text(), "рабочая скорость");
    EXPECT_EQ(status.Check_Box[2][1]->y(), 15);

    advance(5000);
    sim.Mech_Array[1]->f_Start_FWD_Pulse();
    advance(500);
    EXPECT_TRUE(status.Check_Box[2][1]->isChecked());
    EXPECT_FALSE(status.Check_Box[3][1]->isChecked());
}

// A window made smaller than its contents scrolls them, so that everything stays reachable.
void expect_reachable_by_scrolling(QWidget &window, QSize smaller, QWidget &far_corner)
{
    window.show();
    window.resize(smaller);
    QCoreApplication::processEvents();
    auto *area = window.findChild<QScrollArea *>();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->geometry(), window.rect()) << "the scrolled area fills the window";
    area->ensureWidgetVisible(&far_corner, 0, 0);
    const QRect place(far_corner.mapTo(&window, QPoint()), far_corner.size());
    const QRect seen =
        QRect(area->viewport()->mapTo(&window, QPoint()), area->viewport()->size()) & window.rect();
    EXPECT_TRUE(seen.contains(place))
        << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
}

TEST_F(StepsWindowTest, TheStepsWindowScrollsWhenMadeSmaller)
{
    expect_reachable_by_scrolling(*Form_Steps, {500, 300}, *Form_Steps->Button1);
}

TEST_F(StepsWindowTest, TheStatusWindowScrollsWhenMadeSmaller)
{
    TForm_Status_Mech_Array &status = *Form_Status_Mech_Array;
    QLabel *widest = status.Label[1];
    for (QLabel *label : status.Label)
        if (label && label->width() > widest->width())
            widest = label;
    expect_reachable_by_scrolling(status, {600, 400}, *widest);
    expect_reachable_by_scrolling(status, {600, 400}, *status.Label[TForm_Status_Mech_Array::Rows]);
}

} // namespace
