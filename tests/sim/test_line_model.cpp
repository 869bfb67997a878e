#include "line_internals.h"
#include "sim/state_hash.h"
#include "sim/texts.h"

#include <gtest/gtest.h>

namespace zun {
namespace {

class LineModelTest : public ::testing::Test {
protected:
    // The calls the model's requests made once handed to the port, as the program hands them.
    const std::vector<std::string> &delivered() { return ui.calls; }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
};

TEST_F(LineModelTest, WorkingModesSetThePassButtons)
{
    EXPECT_EQ(sim.working_mode, WorkingMode::None);
    struct Case {
        WorkingMode mode;
        bool changed;
        bool enabled;
        const char *caption;
    };
    const Case cases[] = {
        {WorkingMode::PassStages, true, true, texts::pass_stage},
        {WorkingMode::PassStages, false, true, texts::pass_stage},
        {WorkingMode::Automatic, true, true, texts::run_automatically},
        // mode 1 keeps the caption it found
        {WorkingMode::StageByClick, true, false, texts::run_automatically},
        {WorkingMode::PassStages, true, true, texts::pass_stage},
        {WorkingMode::StageByClick, true, false, texts::pass_stage},
    };
    for (const Case &step : cases) {
        SCOPED_TRACE(static_cast<int>(step.mode));
        const std::uint64_t before = state_hash(sim);
        dispatcher.apply(zun::input::SelectMode{step.mode});
        EXPECT_EQ(state_hash(sim) != before, step.changed);
        EXPECT_EQ(sim.working_mode, step.mode);
        EXPECT_EQ(sim.pass_button_enabled, step.enabled);
        EXPECT_EQ(sim.pass_button_caption, step.caption);
    }
}

TEST_F(LineModelTest, CurrentMechanismStaysAMechanismNumber)
{
    MechHost &host = LineModelInternals::of(dispatcher); // as a mechanism calls it
    host.set_cur_mech(79);
    EXPECT_EQ(sim.Cur_Mech, 79);
    for (int outside : {-1, 200, 1000}) {
        host.set_cur_mech(outside);
        EXPECT_EQ(sim.Cur_Mech, 79);
    }
}

TEST_F(LineModelTest, ShowingAPostScrollsTheSceneTowardsItInTwentyPixelSteps)
{
    delivered();
    ui.calls.clear();
    EXPECT_EQ(sim.main_window_width, 1024) << "the main window's opening width";
    dispatcher.apply(zun::input::PageShown{20}); // post 2, at the left end of the line
    EXPECT_EQ(sim.Scene_Left_Limit, 1024 - 1159);
    dispatcher.advance_by(50);
    EXPECT_EQ(sim.Panel_Image_Scene->left(), -31);
    EXPECT_EQ(delivered().front(), "hide_target");
    dispatcher.advance_by(1000);
    EXPECT_EQ(sim.Panel_Image_Scene->left(), 9) << "the first step past the goal";
    EXPECT_FALSE(sim.Timer_Scene_Right.enabled());
    EXPECT_EQ(delivered().back(), "show_target");

    dispatcher.apply(zun::input::PageShown{10}); // post 1
    dispatcher.advance_by(2000);
    EXPECT_EQ(sim.Panel_Image_Scene->left(), -151);
    EXPECT_FALSE(sim.Timer_Scene_Left.enabled());

    dispatcher.apply(zun::input::PageShown{12}); // a console of post 1: no scroll
    EXPECT_FALSE(sim.Timer_Scene_Left.enabled() || sim.Timer_Scene_Right.enabled());
    EXPECT_EQ(&sim.Image_Operator->panel(), sim.Panel_Image_Scene);
}

} // namespace
} // namespace zun
