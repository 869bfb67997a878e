#include "program_fixture.h"
#include "sim/console_layout.h"
#include "tests/sim/line_internals.h"
#include "ui/Unit_main.h"
#include "ui/main_commands.h"
#include "ui/posts_panel.h"
#include "ui/scene_view.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

namespace {

class SceneViewTest : public ProgramTest {
protected:
    SceneViewTest() { advance(2000); }

    static QPoint centre_of(const zun::Picture &picture)
    {
        return {picture.left() + picture.width() / 2, picture.top() + picture.height() / 2};
    }

    static void send(QWidget *view, QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(view, &event);
    }

    PanelView *close_up(const zun::Panel *panel) const
    {
        for (PanelView *view : forms.main().close_ups)
            if (&view->panel() == panel)
                return view;
        return nullptr;
    }

    PanelView *scene = forms.main().Panel_Image_Scene;
};

TEST_F(SceneViewTest, ThePanoramaAndTheDrumCloseUpsFollowTheModel)
{
    EXPECT_EQ(sim.Panel_Image_Scene->left(), 9) << "the first show scrolls towards post 2";
    EXPECT_EQ(scene->pos(), TForm_Main_ZUN::on_client(9, 40));
    dispatcher.apply(zun::input::FindPick{5}); // the drum's close-up
    advance(10);
    PanelView *drum = close_up(sim.Panel_5_mech);
    EXPECT_TRUE(drum->isVisible());
    EXPECT_EQ(drum->pos(), TForm_Main_ZUN::on_client(9 + 770, 63));

    forms.main()
        .Panel_Posts->page_control("PageControl_Posts")
        ->setCurrentWidget(forms.main().Panel_Posts->page("TabSheet_Post_1"));
    advance(2000);
    EXPECT_EQ(scene->pos(), TForm_Main_ZUN::on_client(-151, 40));
    EXPECT_EQ(drum->pos(), TForm_Main_ZUN::on_client(-151 + 770, 63));
}

// The window opens scrolled 52 pixels to the right, so that its children stand at the places
// given for them; the bar reaches back to the left edge and on to the panorama's right end.
TEST_F(SceneViewTest, TheMainWindowOpensScrolledToItsChildrensPlaces)
{
    auto *area = forms.main().findChild<QScrollArea *>();
    ASSERT_NE(area, nullptr);
    QScrollBar *bar = area->horizontalScrollBar();
    EXPECT_EQ(bar->value(), TForm_Main_ZUN::opening_scroll);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(forms.main().commands->Button_Steps->mapTo(&forms.main(), QPoint()),
              QPoint(-44, 9));
    EXPECT_EQ(scene->mapTo(&forms.main(), QPoint()), QPoint(9, 40));
    EXPECT_EQ(forms.main().Panel_Posts->mapTo(&forms.main(), QPoint()), QPoint(-51, 280));

    forms.main().Panel_Posts->page_control("PageControl_Posts")
        ->setCurrentWidget(forms.main().Panel_Posts->page("TabSheet_Post_1"));
    advance(2000);
    bar->setValue(bar->maximum());
    const QPoint panorama_end = scene->mapTo(area->viewport(), QPoint(scene->width(), 0));
    EXPECT_LE(panorama_end.x(), area->viewport()->width()) << "the coil car's end is reachable";
    bar->setValue(0);
    EXPECT_EQ(scene->mapTo(&forms.main(), QPoint()).x(), -151 + TForm_Main_ZUN::opening_scroll);

    forms.main().hide();
    bar->setValue(20);
    forms.main().show();
    EXPECT_EQ(bar->value(), 20) << "showing the window again keeps the trainee's scroll";
}

TEST_F(SceneViewTest, AClickOnAPictureGoesToTheModel)
{
    dispatcher.apply(zun::input::FindPick{5}); // the drum's close-up
    advance(10);
    PanelView *drum = close_up(sim.Panel_5_mech);
    QTest::mouseClick(drum, Qt::LeftButton, {},
                      centre_of(*sim.pictures.find_picture("Image106_0")));
    EXPECT_EQ(sim.Cur_Mech, 5);
    EXPECT_TRUE(sim.b_Hover_Selects);

    QTest::mouseClick(drum, Qt::LeftButton, {}, QPoint(230, 210)); // the bare surface
    advance(10);
    EXPECT_FALSE(drum->isVisible());
}

TEST_F(SceneViewTest, TheOilingMachineKeepsTheOperatorBesideItsTerminal)
{
    dispatcher.apply(zun::input::TabChosen{zun::console::find_page("TabSheet_Post2_Pult_1")});
    QTest::mouseClick(scene, Qt::LeftButton, {},
                      centre_of(*sim.pictures.find_picture("Image38_0")));
    EXPECT_EQ(sim.Image_Operator->left(), 398);
    EXPECT_EQ(sim.Image_Operator->top(), 134);
}

TEST_F(SceneViewTest, DraggingThePanoramaByItsHandle)
{
    const zun::Picture &handle = *sim.pictures.find_picture("Label10");
    const QPoint grab = centre_of(handle);
    send(scene, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    send(scene, QEvent::MouseMove, grab + QPoint(-300, 0), Qt::LeftButton);
    send(scene, QEvent::MouseButtonRelease, grab + QPoint(-300, 0), Qt::NoButton);
    EXPECT_EQ(sim.Panel_Image_Scene->left(), 9 - 300);
    EXPECT_EQ(scene->pos(), TForm_Main_ZUN::on_client(9 - 300, 40));
    EXPECT_FALSE(sim.b_Dragging);
}

// Paints what the clock brings for one virtual second, 10 ms at a time, as the program does.
long long area_painted_in_a_second(zun::Dispatcher &dispatcher, TForm_Main_ZUN &window,
                                   PanelView &view)
{
    const long long before = view.painted_area();
    for (int tick = 0; tick < 100; ++tick) {
        dispatcher.advance_by(10);
        window.refresh_from_model();
        QCoreApplication::processEvents();
    }
    return view.painted_area() - before;
}

TEST_F(SceneViewTest, AnIdleLineRepaintsNothingAndARunningStripLittle)
{
    advance(5000);
    QCoreApplication::processEvents();
    EXPECT_EQ(area_painted_in_a_second(dispatcher, forms.main(), *scene), 0) << "idle";

    dispatcher.apply(zun::input::SelectMode{zun::WorkingMode::StageByClick});
    dispatcher.advance_by(1000);
    dispatcher.apply(zun::input::StepClick{40}); // the line at working speed, winding
    zun::LineModelInternals::of(dispatcher).Frame_LineMetal.f_Start_Working_Speed();
    advance(2000);
    QCoreApplication::processEvents();
    const long long running = area_painted_in_a_second(dispatcher, forms.main(), *scene);
    const long long whole = 100LL * scene->width() * scene->height();
    std::cout << "[ measured ] running strip: " << running << " px painted per second, "
              << 100.0 * static_cast<double>(running) / static_cast<double>(whole)
              << " % of repainting the whole scene 100 times\n";
    EXPECT_GT(running, 0);
    EXPECT_LT(running, whole / 4);
}

} // namespace
