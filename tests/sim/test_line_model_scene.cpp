#include "line_internals.h"

#include <gtest/gtest.h>

#include <string>

namespace zun {
namespace {

class SceneTest : public ::testing::Test {
protected:
    const Picture &picture(const char *name) const { return *sim.pictures.find_picture(name); }

    // The calls the model's requests made once handed to the port, as the program hands them.
    const std::vector<std::string> &delivered() { return ui.calls; }

    RecordingUiPort ui;
    Dispatcher dispatcher{ui};
    const LineModel &sim = dispatcher.model();
};

TEST_F(SceneTest, AClickOnAPictureChoosesItsMechanismAndPointingFollowsAfterwards)
{
    dispatcher.apply(zun::input::FindPick{30});
    dispatcher.apply(zun::input::PictureHover{"Image1_0"});
    EXPECT_EQ(sim.Cur_Mech, 30) << "pointing chooses nothing before a click";
    EXPECT_FALSE(sim.b_Hover_Selects);

    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::PictureClick{"Image106_0"});
    EXPECT_EQ(sim.Cur_Mech, 5) << "a drum segment stands for its drum";
    EXPECT_TRUE(sim.b_Hover_Selects);
    EXPECT_EQ(delivered(), (std::vector<std::string>{"show_keys_of 5", "show_target"}));
    dispatcher.apply(zun::input::PictureHover{"Image1_0"});
    EXPECT_EQ(sim.Cur_Mech, 1);

    dispatcher.apply(zun::input::PictureClick{"Image_Invisible_9"});
    EXPECT_EQ(sim.Cur_Mech, 9);
}

TEST_F(SceneTest, PicturesWithBehavioursOfTheirOwn)
{
    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::PictureClick{"Image_Rolik"});
    EXPECT_EQ(delivered(), (std::vector<std::string>{"message_box не имеет привода"}));

    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::FindPick{30});
    dispatcher.apply(zun::input::PictureClick{"Image38_2"});
    EXPECT_EQ(sim.Image_Operator->left(), 408 - 10) << "no page is seen without the window";
    EXPECT_EQ(sim.Image_Operator->top(), 144 - 10);
    EXPECT_EQ(sim.front_page[1], console::find_page("TabSheet_Post2_Pult_1"));
    EXPECT_EQ(sim.front_page[0], console::find_page("TabSheet_Post_2"));
    EXPECT_EQ(sim.Cur_Mech, 30);
    EXPECT_FALSE(sim.b_Hover_Selects);

    dispatcher.apply(zun::input::ForegroundPress{1090 - 140});
    EXPECT_EQ(picture("Image_Fon2").hint(), "1 телега");
    dispatcher.apply(zun::input::ForegroundPress{10});
    EXPECT_EQ(picture("Image_Fon2").hint(), "Z");

    dispatcher.apply(zun::input::PictureHover{"Image12_Polosa_Body"});
    EXPECT_EQ(picture("Image12_Polosa_Body").hint(), "Image12_Polosa_Body лефт= 410 топ= 56");
    dispatcher.apply(zun::input::PictureHover{"Image2_Polosa_Body"});
    EXPECT_EQ(picture("Image2_Polosa_Body").hint(), "");
    dispatcher.apply(zun::input::PictureHover{"Image_Nakladka_Rulona_Motalki_4"});
    EXPECT_EQ(picture("Image_Nakladka_Rulona_Motalki_4").hint(), "лефт= 166 топ= 45");
}

// With post 1 in front, the oiling machine's console and post 2 come into sight together: the
// console's page is shown first and the post's last, so the operator ends on the post.
TEST_F(SceneTest, TheOilingMachineBringsItsConsoleAndPostForwardPostLast)
{
    dispatcher.apply(input::MainWindow{true});
    dispatcher.apply(input::TabChosen{console::find_page("TabSheet_Post_1")});
    dispatcher.apply(input::PictureClick{"Image38_0"});
    EXPECT_EQ(&sim.Image_Operator->panel(), sim.Panel_Image_Scene.get());
    EXPECT_EQ(sim.Image_Operator->left(), 241 + 182 / 2);
    EXPECT_EQ(sim.Image_Operator->top(), 111 + (124 - 62) / 2);
    EXPECT_TRUE(sim.page_visible(console::find_page("TabSheet_Post2_Pult_1")));
}

TEST_F(SceneTest, DraggingMovesThePanoramaWithoutLimitAndTheCloseUpsOnlyForAMoment)
{
    dispatcher.advance_by(5000);
    const int start = sim.Panel_Image_Scene->left();
    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::SceneDragPress{30});
    EXPECT_EQ(delivered(), std::vector<std::string>{"hide_target"});
    dispatcher.apply(zun::input::SceneDragMove{50});
    dispatcher.apply(zun::input::SceneDragMove{3000});
    EXPECT_EQ(sim.Panel_Image_Scene->left(), start + 20 + 2970);
    EXPECT_EQ(delivered().back(), "show_target");
    dispatcher.apply(zun::input::DragRelease{});
    dispatcher.apply(zun::input::SceneDragMove{0});
    EXPECT_EQ(sim.Panel_Image_Scene->left(), start + 2990) << "no drag after the release";

    dispatcher.apply(zun::input::FindPick{5}); // the drum's close-up
    dispatcher.advance_by(10);
    const int place = sim.Panel_5_mech->left();
    EXPECT_EQ(place, sim.Panel_Image_Scene->left() + 770) << "the drum close-ups ride the scene";
    dispatcher.apply(zun::input::SceneDragPress{100});
    dispatcher.apply(zun::input::CloseUpDrag{"Panel_5_mech", 140});
    EXPECT_EQ(sim.Panel_5_mech->left(), place + 40);
    dispatcher.advance_by(10);
    EXPECT_EQ(sim.Panel_5_mech->left(), place) << "pinned back within 10 ms";
}

TEST_F(SceneTest, CloseUpsCloseAndTheFenceComesBack)
{
    dispatcher.apply(zun::input::FindPick{5});
    dispatcher.apply(zun::input::FindPick{53});
    ASSERT_TRUE(sim.Panel_5_mech->visible() && sim.Panel_Kromkomotalka->visible());
    dispatcher.apply(zun::input::CloseUpClick{"Panel_5_mech"});
    dispatcher.apply(zun::input::CloseUpClick{"Panel_Kromkomotalka"});
    EXPECT_FALSE(sim.Panel_5_mech->visible());
    EXPECT_TRUE(sim.Panel_Kromkomotalka->visible()) << "the basement closes by its button";

    dispatcher.apply(zun::input::PictureHover{"Image_Ograda"});
    EXPECT_FALSE(picture("Image_Ograda").visible());
    dispatcher.apply(zun::input::PictureClick{"Button1"});
    EXPECT_FALSE(sim.Panel_Kromkomotalka->visible());
    EXPECT_TRUE(picture("Image_Ograda").visible());
}

TEST_F(SceneTest, APickInTheFindBoxShowsTheMechanismAndStopsPointingFromChoosing)
{
    dispatcher.apply(zun::input::PictureClick{"Image1_0"});
    delivered();
    ui.calls.clear();
    dispatcher.apply(zun::input::FindPick{5});
    EXPECT_EQ(sim.Cur_Mech, 5);
    EXPECT_TRUE(sim.Panel_5_mech->visible());
    EXPECT_EQ(delivered(), (std::vector<std::string>{"show_keys_of 5", "show_target"}));
    dispatcher.apply(zun::input::PictureHover{"Image1_0"});
    EXPECT_EQ(sim.Cur_Mech, 5) << "pointing chooses nothing after a pick";

    dispatcher.apply(zun::input::FindPick{12});
    EXPECT_EQ(sim.Cur_Mech, 12);
    EXPECT_TRUE(sim.Panel_Image_Sours->visible()) << "shown, beyond the window's reach";
    dispatcher.apply(zun::input::FindPick{-1});
    EXPECT_EQ(sim.Cur_Mech, 12) << "a text that names no item changes nothing";
}

TEST_F(SceneTest, TheCurrentMechanismPanelShowsItsNameAndSignals)
{
    struct Case {
        int mech;
        const char *caption;
    };
    for (const Case &each : {Case{38, "38? промасливающая машина"},
                             Case{12, "12------------не существует"}, Case{0, ""}, Case{100, ""}}) {
        dispatcher.apply(zun::input::FindPick{each.mech});
        dispatcher.advance_by(10);
        EXPECT_EQ(sim.panel1_caption, each.caption) << each.mech;
    }
    dispatcher.advance_by(5000);
    dispatcher.apply(zun::input::FindPick{1});
    LineModelInternals::of(dispatcher).CheckBox_bi_KV_FWD = true; // as a trainee's click would
    dispatcher.advance_by(10);
    EXPECT_FALSE(sim.CheckBox_bi_KV_FWD);
    EXPECT_TRUE(sim.CheckBox_bi_KV_RWS) << "the car stands at its start";
}

} // namespace
} // namespace zun
