#include "program_fixture.h"
#include "tests/sim/line_internals.h"
#include "ui/Unit_main.h"
#include "ui/Unit_status_mech_array.h"
#include "ui/Unit_steps.h"
#include "ui/main_commands.h"
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

#include <tuple>

namespace {

class StepsWindowTest : public ProgramTest {
protected:
    StepsWindowTest() { forms.steps().show(); }

    void click_line(int line)
    {
        QListWidget *list = forms.steps().ListBox_Steps;
        const QRect place = list->visualItemRect(list->item(line));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
};

TEST_F(StepsWindowTest, ThePollShowsTheStageAndItsStep)
{
    EXPECT_EQ(forms.steps().ListBox_Steps->count(), 50);
    EXPECT_EQ(forms.steps().top_page()->objectName(), "Memo0") << "the page of the current stage";
    advance(1000);
    EXPECT_EQ(forms.steps().Edit_CheckBox_stadiya_raboti->text(), "стадия работы  0");
    EXPECT_EQ(forms.main().commands->Label_Current_Step->text(), "шаг №");
    zun::LineModelInternals::of(dispatcher).Frame_LineMetal.Stadiya_Raboti = 21; // by hand
    advance(1000);
    EXPECT_EQ(forms.steps().ListBox_Steps->currentRow(), 21);
    EXPECT_EQ(forms.main().commands->Label_Current_Step->text(),
              "шаг №21) полосу подать в последующие машины агрегата.");
    EXPECT_EQ(forms.steps().top_page()->objectName(), "Memo21");
}

TEST_F(StepsWindowTest, LeavingTheAutomaticModeForClicksKeepsTheCaptionAndDisablesBoth)
{
    QPushButton *own = forms.steps().Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    WrappedButton *main =
        forms.main().commands->Button_f_switch_Iskusstvenno_Proyti_Tekuschuyu_Stadiyu;
    QTest::mouseClick(forms.steps().RadioGroup1->button(2), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(sim.working_mode, zun::WorkingMode::Automatic);
    QTest::mouseClick(forms.steps().RadioGroup1->button(1), Qt::LeftButton, {}, QPoint(6, 7));
    advance(10);
    EXPECT_TRUE(forms.steps().RadioGroup1->button(1)->isChecked());
    EXPECT_FALSE(forms.steps().RadioGroup1->button(2)->isChecked());
    EXPECT_FALSE(own->isEnabled() || main->isEnabled());
    EXPECT_EQ(own->text(), "пуск в автомате с текущего места");
    EXPECT_EQ(main->caption(), "пуск в автомате с текущего места");
}

TEST_F(StepsWindowTest, AClickOnAnotherLineOnlyExplainsItUntilTheStageChanges)
{
    advance(5000); // mode 0 from the main window's show; the stage-0 state completes
    const int stage = sim.Frame_LineMetal.Stadiya_Raboti;
    ASSERT_EQ(stage, 1);
    click_line(7);
    EXPECT_EQ(forms.steps().top_page()->objectName(), "Memo7");
    EXPECT_EQ(forms.steps().ListBox_Steps->currentRow(), 7);
    advance(1000);
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, stage);
    EXPECT_EQ(forms.steps().ListBox_Steps->currentRow(), stage);
    EXPECT_EQ(forms.steps().top_page()->objectName(), "Memo7");
    forms.dispatcher().apply(zun::input::NewCoil{});
    advance(1000); // the poll finds the next stage
    EXPECT_EQ(forms.steps().top_page()->objectName(), "Memo2") << "the next stage's page";
    EXPECT_TRUE(forms.steps().top_page()->toPlainText().startsWith(
        QStringLiteral("Шаг 2. Сжать барабан разматывателя")));

    QTest::mouseClick(forms.steps().RadioGroup1->button(1), Qt::LeftButton, {}, QPoint(6, 7));
    click_line(30);
    EXPECT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 30) << "a click sets the stage in this mode";
}

// Between two polls the line may be a step further: the list, the stage field and the page go on
// together at the poll, never one before the others.
TEST_F(StepsWindowTest, TheListTheStageFieldAndThePageSayOneStep)
{
    advance(5000);
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 1);
    const auto shown = [this] {
        const TForm_Steps &steps = forms.steps();
        return std::tuple(steps.ListBox_Steps->currentRow(),
                          steps.Edit_CheckBox_stadiya_raboti->text(),
                          steps.top_page()->objectName());
    };
    const auto step_1 = std::tuple(1, QStringLiteral("стадия работы  1"), QStringLiteral("Memo1"));
    EXPECT_EQ(shown(), step_1);
    forms.dispatcher().apply(zun::input::NewCoil{});
    zun::Millis waited = 0;
    for (; sim.Frame_LineMetal.Stadiya_Raboti == 1 && waited < 2000; waited += 10)
        advance(10);
    ASSERT_EQ(sim.Frame_LineMetal.Stadiya_Raboti, 2);
    bool moved_on = false;
    for (int tick = 0; tick < 120 && !moved_on; ++tick) {
        const auto now = shown();
        moved_on = now != step_1;
        if (moved_on) {
            EXPECT_EQ(now,
                      std::tuple(2, QStringLiteral("стадия работы  2"), QStringLiteral("Memo2")));
        }
        advance(10);
    }
    EXPECT_TRUE(moved_on) << "the poll shows the next step within its second";
}

TEST_F(StepsWindowTest, TheStatusWindowCaptionsItsRowsAndFollowsTheMechanisms)
{
    TForm_Status_Mech_Array &status = forms.status();
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
    dispatcher.apply(zun::input::Command{1, zun::MechCommand::Forward});
    advance(500);
    ViewClock &views = forms.view_clock();
    views.advance_to(views.now() + 499);
    EXPECT_FALSE(status.Check_Box[2][1]->isChecked()) << "the model's clock does not refresh it";
    views.advance_to(views.now() + 1);
    EXPECT_TRUE(status.Check_Box[2][1]->isChecked()) << "half a second of the windows' clock does";
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
    expect_reachable_by_scrolling(forms.steps(), {500, 300}, *forms.steps().Button1);
}

TEST_F(StepsWindowTest, TheStatusWindowScrollsWhenMadeSmaller)
{
    TForm_Status_Mech_Array &status = forms.status();
    QLabel *widest = status.Label[1];
    for (QLabel *label : status.Label)
        if (label && label->width() > widest->width())
            widest = label;
    expect_reachable_by_scrolling(status, {600, 400}, *widest);
    expect_reachable_by_scrolling(status, {600, 400}, *status.Label[TForm_Status_Mech_Array::Rows]);
}

} // namespace
