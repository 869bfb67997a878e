#include "app/forms.h"
#include "app/qt_ui_port.h"
#include "assets/pointer_art.h"
#include "console/caption_label.h"
#include "console/key_frame.h"
#include "sim/console_layout.h"
#include "tests/sim/line_internals.h"
#include "ui/Unit_hand.h"
#include "ui/Unit_main.h"
#include "ui/Unit_target.h"
#include "ui/key_tip.h"
#include "ui/main_commands.h"
#include "ui/posts_panel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
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
        dispatcher.advance_by(5000);
        forms.refresh();
        dispatcher.add_observer(page_log);
    }
    ~PostsTest() override { dispatcher.remove_observer(page_log); }

    const PostsPanel::Frame &frame(const char *name) { return posts.frame(name); }
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
    // The hand's fingertip lies on the control, in the middle of its width.
    void expect_hand_points_at(const QWidget &control) const
    {
        ASSERT_TRUE(forms.hand().isVisible());
        const QPoint tip = forms.hand().pos() +
                           art::pointing_hand_fingertip(QSizeF(forms.hand().size())).toPoint();
        const QRect on_screen(control.mapToGlobal(QPoint()), control.size());
        EXPECT_TRUE(on_screen.contains(tip));
        EXPECT_NEAR(tip.x(), on_screen.center().x(), 2);
        EXPECT_GT(tip.y(), on_screen.center().y()) << "below the caption, pointing up from below";
    }
    // The windows' animations run on as far as `ms` of their clock.
    void run_views_for(zun::Millis ms)
    {
        ViewClock &clock = forms.view_clock();
        clock.advance_to(clock.now() + ms);
    }
    // A key's flash lasts a tenth of a second.
    void end_flashes() { run_views_for(100); }
    std::vector<std::string> flashed_keys() const
    {
        std::vector<std::string> flashed;
        for (const PostsPanel::Frame &each : posts.frames())
            if (each.key && each.key->Label1->flashed())
                flashed.emplace_back(each.control->frame);
        return flashed;
    }

    QtUiPort ui_port;
    Forms forms{ui_port};
    const zun::LineModel &sim = forms.sim();
    zun::Dispatcher &dispatcher = forms.dispatcher();
    PostsPanel &posts = *forms.main().Panel_Posts;
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
        dispatcher.apply(zun::input::FindPick{each.mech});
        EXPECT_EQ(flashed_keys(), each.flashed);
        expect_hand_points_at(*frame(each.hand_at).widget);
    }
    EXPECT_EQ(current("PageControl_Posts"), posts.page("TabSheet_Post_2"));
    EXPECT_EQ(current("PageControl_Pults_Of_Post_2"), posts.page("TabSheet_Post2_Pult_1"));

    end_flashes();
    dispatcher.apply(zun::input::FindPick{0});
    EXPECT_EQ(flashed_keys().size(), 27u);
    expect_hand_points_at(*frame("Frame_45_Key_Fix_11").widget);
}

TEST_F(PostsTest, AMechanismWithoutAKeyChangesNothing)
{
    pages_shown.clear();
    forms.hand().hide(); // it points at the first step's button since the start-up state
    dispatcher.apply(zun::input::FindPick{12});
    EXPECT_TRUE(flashed_keys().empty());
    EXPECT_FALSE(forms.hand().isVisible());
    EXPECT_TRUE(pages_shown.empty());
}

TEST_F(PostsTest, TheLinePressingTheBellShowsItsPageThenTheKeyOfTheCurrentMechanism)
{
    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher.advance_by(1000);
    dispatcher.apply(zun::input::StepClick{39});
    dispatcher.advance_by(3000);
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    pages_shown.clear();
    dispatcher.apply(zun::input::Pass{});
    EXPECT_TRUE(sim.beep_pressed);
    ASSERT_GE(pages_shown.size(), 2u);
    EXPECT_EQ(pages_shown[0], "TabSheet_Post2_Pult_2") << "the bell's page first";
    EXPECT_EQ(sim.Cur_Mech, 72);
    SCOPED_TRACE("then the key of the removal car");
    expect_hand_points_at(*frame("Frame_45_Key_Fix_51").widget);
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

    dispatcher.advance_by(2000);
    pick_tab("PageControl_Pults_Of_Post_1", "TabSheet_Post1_Pult_2");
    EXPECT_EQ(figure.left(), 915 + 56 / 2);
    EXPECT_EQ(figure.top(), 145 + (45 - 62) / 2);
    EXPECT_FALSE(sim.Timer_Scene_Left.enabled() || sim.Timer_Scene_Right.enabled());

    pick_tab("PageControl_Posts", "TabSheet_RM_Kromkomotalka");
    EXPECT_TRUE(sim.Panel_Kromkomotalka->visible());
    EXPECT_EQ(&figure.panel(), sim.Panel_Kromkomotalka);
}

// The console page comes forward inside its post's page before that page shows: each page
// newly shown moves the operator, the console's first and the post's last.
TEST_F(PostsTest, TheOilingMachineBringsItsConsoleForwardAndTheOperatorFollowsThePagesShown)
{
    struct Case {
        const char *post_in_front;
        const char *console_in_front;
        std::vector<std::string> shown;
        QPoint operator_at;
    };
    const Case cases[] = {
        {"TabSheet_Post_1",
         "TabSheet_Post2_Pult_2",
         {"TabSheet_Post2_Pult_1", "TabSheet_Post_2"},
         {241 + 182 / 2, 111 + (124 - 62) / 2}},
        {"TabSheet_Post_2",
         "TabSheet_Post2_Pult_2",
         {"TabSheet_Post2_Pult_1"},
         {346 + 56 / 2, 140 + (45 - 62) / 2}},
        {"TabSheet_Post_2", "TabSheet_Post2_Pult_1", {}, {408 - 10, 144 - 10}},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(std::string(each.post_in_front) + ", " + each.console_in_front);
        pick_tab("PageControl_Posts", "TabSheet_Post_2");
        pick_tab("PageControl_Pults_Of_Post_2", each.console_in_front);
        pick_tab("PageControl_Posts", each.post_in_front);
        pages_shown.clear();
        dispatcher.apply(zun::input::PictureClick{"Image38_0"});
        forms.refresh();
        EXPECT_EQ(pages_shown, each.shown);
        EXPECT_EQ(current("PageControl_Posts"), posts.page("TabSheet_Post_2"));
        EXPECT_EQ(current("PageControl_Pults_Of_Post_2"), posts.page("TabSheet_Post2_Pult_1"));
        EXPECT_EQ(sim.Image_Operator->left(), each.operator_at.x());
        EXPECT_EQ(sim.Image_Operator->top(), each.operator_at.y());
    }
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

// Where a picture's centre lies on the screen: the client area scrolled by the bar, the panel
// on it at its model place.
QPoint centre_on_screen(const Forms &forms, const zun::Picture &picture, const zun::Panel &panel)
{
    const int scroll = forms.main().findChild<QScrollArea *>()->horizontalScrollBar()->value();
    return forms.main().mapToGlobal(QPoint()) +
           QPoint(panel.left() + TForm_Main_ZUN::opening_scroll - scroll, panel.top()) +
           QPoint(picture.left() + picture.width() / 2, picture.top() + picture.height() / 2);
}

QPoint marker_centre(const Forms &forms)
{
    return forms.target().pos() + QPoint(forms.target().width() / 2, forms.target().height() / 2);
}

TEST_F(PostsTest, TheMarkerSitsOverTheCurrentMechanismsFirstPictureWhereverItIsScrolled)
{
    QScrollBar *bar = forms.main().findChild<QScrollArea *>()->horizontalScrollBar();
    struct Case {
        int mech;
        const zun::Panel *holder;
    };
    const Case cases[] = {
        {1, sim.Panel_Image_Scene}, {72, sim.Panel_Image_Scene}, {5, sim.Panel_5_mech}};
    for (const int scroll : {TForm_Main_ZUN::opening_scroll, 0, bar->maximum()}) {
        bar->setValue(scroll);
        for (const Case &each : cases) {
            SCOPED_TRACE("mechanism " + std::to_string(each.mech) + ", scroll " +
                         std::to_string(scroll));
            dispatcher.apply(zun::input::FindPick{each.mech});
            run_views_for(100);
            const zun::Picture &first = *sim.Mech_Array[each.mech]->Image_Pos[0];
            ASSERT_EQ(&first.panel(), each.holder);
            const QPoint expected = centre_on_screen(forms, first, *each.holder);
            EXPECT_NEAR(marker_centre(forms).x(), expected.x(), 2);
            EXPECT_NEAR(marker_centre(forms).y(), expected.y(), 2);
        }
    }

    const QPoint over_drum = forms.target().pos();
    dispatcher.apply(zun::input::FindPick{12}); // in the hidden store
    run_views_for(100);
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
    zun::LineModelInternals::of(dispatcher).Frame_LineMetal.Stadiya_Raboti = 13;
    zun::LineModelInternals::point_to_next_step(dispatcher);
    dispatcher.advance_by(0); // the windows are told
    EXPECT_EQ(current("PageControl_Posts"), posts.page("TabSheet_Post_1"));
    EXPECT_EQ(current("PageControl_Pults_Of_Post_1"), posts.page("TabSheet_Post1_Pult_4"));
    EXPECT_EQ(flashed_keys(), std::vector<std::string>{"Frame_45_Key_Fix_26"});
    expect_hand_points_at(*frame("Frame_45_Key_Fix_26").widget);
    EXPECT_TRUE(forms.target().isVisible());
}

TEST_F(PostsTest, TheFirstRestOnAKeyTellsWhichButtonTurnsItOnlyOnce)
{
    const auto rest_on = [](const char *key_frame, const PostsPanel &on) {
        QWidget *caption = on.frame(key_frame).key->Label1;
        QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), caption->mapToGlobal(QPoint(5, 5)));
        return QCoreApplication::sendEvent(caption, &rest);
    };
    KeyTip &tip = *forms.main().key_tip;
    pick_tab("PageControl_Posts", "TabSheet_Post_1");
    pick_tab("PageControl_Pults_Of_Post_1", "TabSheet_Post1_Pult_4");
    dispatcher.apply(zun::input::Lesson{zun::LessonKind::Exam});
    rest_on("Frame_45_Key_Back_3", posts);
    EXPECT_EQ(tip.note(), nullptr) << "not in an examination";

    dispatcher.apply(zun::input::Lesson{zun::LessonKind::Training});
    EXPECT_TRUE(rest_on("Frame_45_Key_Back_3", posts));
    ASSERT_NE(tip.note(), nullptr);
    EXPECT_TRUE(tip.note()->isVisible());
    EXPECT_TRUE(tip.note()->text().contains(QStringLiteral("к надписи «рез»")));
    dispatcher.advance_by(10000);
    run_views_for(7999);
    EXPECT_TRUE(tip.note()->isVisible()) << "the model's clock does not end it";
    run_views_for(1);
    EXPECT_FALSE(tip.note()->isVisible()) << "eight seconds of the windows' clock do";
    rest_on("Frame_45_Key_Fix_26", posts);
    EXPECT_FALSE(tip.note()->isVisible()) << "once in a session";
}

} // namespace
