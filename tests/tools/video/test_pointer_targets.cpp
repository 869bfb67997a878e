#include "app/forms.h"
#include "sim/console_layout.h"
#include "sim/ui_port.h"
#include "tools/video/pointer_targets.h"
#include "ui/Unit_main.h"
#include "ui/Unit_steps.h"
#include "ui/main_commands.h"
#include "ui/posts_panel.h"
#include "ui/scene_view.h"

#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

QRect on_screen(const QWidget &widget)
{
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

class PointerTargetTest : public testing::Test {
protected:
    zun::RecordingUiPort ui;
    Forms forms{ui};
    void SetUp() override
    {
        forms.main().show();
        forms.steps().move(508, 24);
        forms.steps().show();
        forms.refresh();
    }
    std::optional<QPoint> target(const zun::Input &input) const
    {
        return pointer_target(forms, input);
    }
};

TEST_F(PointerTargetTest, AKeyOnThePageInFrontIsPointedAtInItsMiddle)
{
    const auto &frames = forms.main().Panel_Posts->frames();
    const auto shown = std::find_if(frames.begin(), frames.end(), [](const auto &frame) {
        return frame.key && frame.widget->isVisible();
    });
    ASSERT_NE(shown, frames.end());
    const int row = static_cast<int>(shown->control - zun::console::controls().data());
    const auto place = target(zun::input::ControlPress{row, zun::MouseButton::Right});
    ASSERT_TRUE(place);
    EXPECT_EQ(*place, on_screen(*shown->widget).center());
}

TEST_F(PointerTargetTest, ATabALineOfTheStepsAndAPictureOfTheScene)
{
    const int page = zun::console::find_page("TabSheet_Post_1");
    const auto tab = target(zun::input::TabChosen{page});
    ASSERT_TRUE(tab);
    const QTabWidget &posts = *forms.main().Panel_Posts->page_control("PageControl_Posts");
    EXPECT_TRUE(on_screen(*posts.tabBar()).contains(*tab));
    EXPECT_EQ(posts.tabBar()->tabAt(posts.tabBar()->mapFromGlobal(*tab)),
              posts.indexOf(forms.main().Panel_Posts->page("TabSheet_Post_1")));

    const auto line = target(zun::input::StepClick{5});
    ASSERT_TRUE(line);
    const StepsList &list = *forms.steps().ListBox_Steps;
    EXPECT_EQ(list.row(list.itemAt(list.viewport()->mapFromGlobal(*line))), 5);

    const auto coil_car = target(zun::input::PictureClick{"Image1_0"});
    ASSERT_TRUE(coil_car);
    const PanelView &scene = *forms.main().Panel_Image_Scene;
    const QPoint inside = scene.mapFromGlobal(*coil_car);
    const zun::Picture *picture = scene.panel().picture_at(inside.x(), inside.y());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->tag(), 1);
}

TEST_F(PointerTargetTest, NothingForAHiddenWindowOrAnInputWithoutAPlace)
{
    forms.steps().hide();
    EXPECT_FALSE(target(zun::input::StepClick{5}));
    EXPECT_FALSE(target(zun::input::Command{1, zun::MechCommand::Forward}));
    EXPECT_TRUE(target(zun::input::Pass{})) << "the main window's button when the steps are hidden";
}

} // namespace
