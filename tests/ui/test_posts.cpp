#include "app/forms.h"
#include "app/qt_ui_port.h"
#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_main_commands.h"
#include "ui/Unit_posts.h"
#include "ui/Unit_target.h"
#include "ui/key_tip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes down the pages that come into sight, by name.
class PageLog final : public zun::InputObserver {
public:
    void input_applied(zun::Millis, const zun::Input &, const zun::Answer &) override {}
    void page_shown(zun::Millis, int page) override
    {
        names.emplace_back(zun::console::pages()[static_cast<std::size_t>(page)].name);
    }

    std::vector<std::string> names;
};

// The program's windows with the main window shown, the model settled in its start-up state.
class PostsTest : public ::testing::Test {
protected:
    PostsTest()
    {
        ui_port.attach(forms);
        forms.main().show();
        sim.scheduler.advance_by(5000);
        forms.refresh();
        sim.add_observer(page_log);
    }
    ~PostsTest() override { sim.remove_observer(page_log); }

    const TPanel_Posts::Frame &frame(const char *name) { return posts.frame(name); }
    static void move_over(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
    QWidget *current(const char *page_control) const
    {
        return posts.page_control(page_control)->currentWidget();
    }
    void pick_tab(const char *page_control, const char *page)
    {
        QTabWidget *tabs = posts.page_control(page_control);
        tabs->setCurrentWidget(posts.page(page));
    }
    QPoint hand_place_over(const QWidget &control) const
    {
        const QPoint window = forms.main().frameGeometry().topLeft();
        const QRect place = control.geometry();
        return {window.x() - 51 + place.left() + (place.width() - 104) / 2 + 30,
                window.y() + 280 + place.top() + (place.height() - 112) / 2 + 110};
    }
    // Each key's flash ends at its own timer's tick.
    void end_flashes() const
    {
        for (const TPanel_Posts::Frame &each : posts.frames())
            if (each.key && each.key->Timer1.isActive()) {
                each.key->Timer1.stop();
                each.key->Timer1Timer();
            }
    }
    std::vector<std::string> flashed_keys() const
    {
        std::vector<std::string> flashed;
        for (const TPanel_Posts::Frame &each : posts.frames())
            if (each.key && each.key->Label1->flashed())
                flashed.emplace_back(each.control->frame);
        return flashed;
    }

    QtUiPort ui_port;
    Forms forms{ui_port};
    zun::TSimulator &sim = forms.sim();
    TPanel_Posts &posts = *forms.main().Panel_Posts;
    PageLog page_log;
    std::vector<std::string> &pages_shown = page_log.names;
};

TEST_F(PostsTest, TheKeysOfTheCurrentMechanismFlashAndTheHandPointsAtTheLast)
{
    struct Case {
        int mech;
        std::vector<std::string> flashed;
        const char *hand_at;
    };
    const Case cases[] = {
        {4, {"Frame_45_Key_Fix_4", "Frame_45_Key_Fix_5"}, "Frame_45_Key_Fix_5"},
        {53, {"Frame_90_Key_2", "Frame_90_Key_1"}, "Frame_90_Key_1"},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.mech);
        end_flashes();
        sim.Cur_Mech = each.mech;
        sim.f_Show_Key_Of_Cur_Mech();
        sim.deliver_to_views();
        EXPECT_EQ(flashed_keys(), each.flashed);
        EXPECT_TRUE(forms.hand().isVisible());
        EXPECT_EQ(forms.hand().pos(), hand_place_over(*frame(each.hand_at).widget));
    }
    EXPECT_EQ(current("PageControl_Posts"), posts.page("TabSheet_Post_2"));
    EXPECT_EQ(current("PageControl_Pults_Of_Post_2"), posts.page("TabSheet_Post2_Pult_1"));

    end_flashes();
    sim.Cur_Mech = 0;
    sim.f_Show_Key_Of_Cur_Mech();
    sim.deliver_to_views();
    EXPECT_EQ(flashed_keys().size(), 27u);
    EXPECT_EQ(forms.hand().pos(), hand_place_over(*frame("Frame_45_Key_Fix_11").widget));
}

TEST_F(PostsTest, AMechanismWithoutAKeyChangesNothing)
{
    pages_shown.clear();
    forms.hand().hide(); // it points at the first step's button since the start-up state
    sim.Cur_Mech = 12;
    sim.f_Show_Key_Of_Cur_Mech();
    sim.deliver_to_views();
    EXPECT_TRUE(flashed_keys().empty());
    EXPECT_FALSE(forms.hand().isVisible());
    EXPECT_TRUE(pages_shown.empty());
}

TEST_F(PostsTest, TheLinePressingTheBellShowsItsPageThenTheKeyOfTheCurrentMechanism)
{
    sim.f_Select_Working_Mode(zun::WorkingMode::StageByClick);
    sim.scheduler.advance_by(1000);
    sim.ListBox_StepsClick(39);
    sim.scheduler.advance_by(3000);
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    pages_shown.clear();
    sim.Button_Pass_StageClick();
    sim.deliver_to_views();
    EXPECT_TRUE(sim.b_Beep_Pressed);
    ASSERT_GE(pages_shown.size(), 2u);
    EXPECT_EQ(pages_shown[0], "TabSheet_Post2_Pult_2") << "the bell's page first";
    EXPECT_EQ(sim.Cur_Mech, 72);
    EXPECT_EQ(forms.hand().pos(), hand_place_over(*frame("Frame_45_Key_Fix_51").widget))
        << "then the key of the removal car";
}

TEST_F(PostsTest, PickingAPostShowsItsConsoleFirstAndMovesTheOperator)
{
    pages_shown.clear();
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    EXPECT_EQ(pages_shown, (std::vector<std::string>{"TabSheet_Post1_Pult_4", "TabSheet_Post_1"}));
    const zun::Picture &figure = *sim.Image_Operator;
    EXPECT_EQ(figure.left(), 770 + 267 / 2);
    EXPECT_EQ(figure.top(), 114 + (127 - 62) / 2);
    EXPECT_TRUE(sim.Timer_Scene_Left.enabled());

    sim.scheduler.advance_by(2000);
    pick_tab("PageControl_Pults_Of_Post_1", "TabSheet_Post1_Pult_2");
    EXPECT_EQ(figure.left(), 915 + 56 / 2);
    EXPECT_EQ(figure.top(), 145 + (45 - 62) / 2);
    EXPECT_FALSE(sim.Timer_Scene_Left.enabled() || sim.Timer_Scene_Right.enabled());

    pick_tab("PageControl_Posts", "TabSheet_RM_Kromkomotalka");
    EXPECT_TRUE(sim.Panel_Kromkomotalka->visible());
    EXPECT_EQ(&figure.panel(), sim.Panel_Kromkomotalka);
}

TEST_F(PostsTest, TheWorkingSpeedKeyStartsAndStopsTheLine)
{
    pick_tab("PageControl_Pults_Of_Post_2", "TabSheet_Post2_Pult_2");
    CaptionLabel *key = frame("Frame_45_Key_Back_RS").key->Label1;
    QTest::mousePress(key, Qt::LeftButton);
    for (int drive : {79, 3, 25, 31, 46, 69})
        EXPECT_TRUE(sim.Mech_Array[drive]->b_KM_FWD) << drive;
    EXPECT_EQ(sim.Cur_Mech, 79);
    QTest::mouseRelease(key, Qt::LeftButton);
    EXPECT_FALSE(sim.Mech_Array[79]->b_KM_FWD);
    EXPECT_TRUE(sim.Mech_Array[3]->b_KM_FWD && sim.Mech_Array[69]->b_KM_FWD);
    QTest::mousePress(key, Qt::RightButton);
    for (int drive : {3, 25, 31, 46, 69})
        EXPECT_FALSE(sim.Mech_Array[drive]->b_KM_FWD) << drive;
    QTest::mouseRelease(key, Qt::RightButton);
}

TEST_F(PostsTest, TheDrumKeysAndTheirBarePagesOpenAndCloseTheCloseUps)
{
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    pick_tab("PageControl_Pults_Of_Post_1", "TabSheet_Post1_Pult_1");
    move_over(frame("Frame_45_Key_Fix_1").key->Label1);
    EXPECT_TRUE(sim.Panel_5_mech->visible());
    EXPECT_EQ(sim.Cur_Mech, 5);
    move_over(posts.page("TabSheet_Post1_Pult_1"));
    EXPECT_FALSE(sim.Panel_5_mech->visible());

    pick_tab("PageControl_Posts", "TabSheet_Post_2");
    pick_tab("PageControl_Pults_Of_Post_2", "TabSheet_Post2_Pult_3");
    move_over(frame("Frame_45_Key_Fix_55").key->Label1);
    EXPECT_TRUE(sim.Panel_70_mech->visible());
    move_over(posts.page("TabSheet_Post2_Pult_3"));
    EXPECT_FALSE(sim.Panel_70_mech->visible());
}

TEST_F(PostsTest, TheMarkerSitsOverTheCurrentMechanismsFirstPicture)
{
    const QPoint window = forms.main().frameGeometry().topLeft();
    sim.Cur_Mech = 1;
    forms.main().f_Place_Target();
    const zun::Picture &car = *sim.Mech_Array[1]->Image_Pos[0];
    EXPECT_EQ(forms.target().pos(),
              QPoint(window.x() + (86 - 105) / 2 + sim.Panel_Image_Scene->left() + car.left(),
                     window.y() + (41 - 105) / 2 + 40 + car.top() + 25));

    sim.Cur_Mech = 5;
    EXPECT_TRUE(forms.target().Timer1.isActive()) << "the marker places itself on its own timer";
    EXPECT_EQ(forms.target().Timer1.interval(), 100);
    forms.target().Timer1Timer();
    EXPECT_EQ(forms.target().pos(),
              QPoint(window.x() + (100 - 105) / 2 + sim.Panel_5_mech->left() + 70,
                     window.y() + (100 - 105) / 2 + 63 + 70 + 25));
    const QPoint over_drum = forms.target().pos();
    sim.Cur_Mech = 12; // in the hidden store
    forms.target().Timer1Timer();
    EXPECT_EQ(forms.target().pos(), over_drum);
}

} // namespace

namespace {

TEST_F(PostsTest, ACompletedStagePointsAtTheNextStepsKeyOnItsPage)
{
    // The start-up state completes stage 0 in the first mode: the hand shows the new coil's button.
    const QPushButton &new_coil = *forms.main().commands->Button_Get_Rulon;
    EXPECT_TRUE(forms.hand().isVisible());
    EXPECT_EQ(forms.hand().pos() + TForm_Hand::fingertip(),
              new_coil.mapToGlobal(QPoint(new_coil.width() / 2, new_coil.height())));

    pick_tab("PageControl_Posts", "TabSheet_Post_2");
    sim.Frame_LineMetal.Stadiya_Raboti = 13;
    sim.f_Point_To_Next_Step();
    sim.deliver_to_views();
    EXPECT_EQ(current("PageControl_Posts"), posts.page("TabSheet_Post_1"));
    EXPECT_EQ(current("PageControl_Pults_Of_Post_1"), posts.page("TabSheet_Post1_Pult_4"));
    EXPECT_EQ(flashed_keys(), std::vector<std::string>{"Frame_45_Key_Fix_26"});
    EXPECT_EQ(forms.hand().pos(), hand_place_over(*frame("Frame_45_Key_Fix_26").widget));
    EXPECT_TRUE(forms.target().isVisible());
}

TEST_F(PostsTest, TheFirstRestOnAKeyTellsWhichButtonTurnsItOnlyOnce)
{
    const auto rest_on = [](const char *key_frame, const TPanel_Posts &on) {
        QWidget *caption = on.frame(key_frame).key->Label1;
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), caption->mapToGlobal(QPoint(5, 5)));
        return QCoreApplication::sendEvent(caption, &rest);
    };
    TKeyTip &tip = *forms.main().key_tip;
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    pick_tab("PageControl_Pults_Of_Post_1", "TabSheet_Post1_Pult_4");
    sim.b_Key_Tips = false;
    rest_on("Frame_45_Key_Back_3", posts);
    EXPECT_EQ(tip.note(), nullptr) << "not in an examination";

    sim.b_Key_Tips = true;
    EXPECT_TRUE(rest_on("Frame_45_Key_Back_3", posts));
    ASSERT_NE(tip.note(), nullptr);
    EXPECT_TRUE(tip.note()->isVisible());
    EXPECT_TRUE(tip.note()->text().contains(QStringLiteral("к надписи «рез»")));
    tip.note()->hide();
    rest_on("Frame_45_Key_Fix_26", posts);
    EXPECT_FALSE(tip.note()->isVisible()) << "once in a session";
}

} // namespace
