#include "sim/picture_store.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zun {
namespace {

std::vector<std::string> names_of(const Panel &panel)
{
    std::vector<std::string> names;
    for (const Picture *picture : panel.pictures())
        names.push_back(picture->name());
    return names;
}

class PictureStoreTest : public ::testing::Test {
protected:
    // What a view of the panel would repaint, and take as painted, by the versions it saw last.
    Rect damage(const Panel &panel) { return panel.damage_since(seen_damage[&panel]); }
    Rect take_damage(const Panel &panel)
    {
        const Rect area = damage(panel);
        seen_damage[&panel] = panel.damage_version();
        return area;
    }
    bool placement_changed(const Panel &panel)
    {
        return panel.placement_version() != seen_placement[&panel];
    }
    bool take_placement_change(const Panel &panel)
    {
        const bool changed = placement_changed(panel);
        seen_placement[&panel] = panel.placement_version();
        return changed;
    }

    std::map<const Panel *, std::uint64_t> seen_damage;
    std::map<const Panel *, std::uint64_t> seen_placement;
    PictureStore store;
    Panel &scene = store.add_panel("Panel_Image_Scene", {-51, 40, 1159, 240}, true);
    Panel &close_up = store.add_panel("Panel_5_mech", {300, 50, 250, 224}, false);
};

TEST_F(PictureStoreTest, KeepsCreationOrderPerPanelAndFindsByName)
{
    store.add_picture(scene, "Image_Fon", {1, 10, 1157, 238}, true);
    store.add_picture(close_up, "Image5_0", {70, 70, 100, 100}, true);
    store.add_picture(scene, "Image1_0", {1050, 144, 86, 41}, true);

    EXPECT_EQ(names_of(scene), (std::vector<std::string>{"Image_Fon", "Image1_0"}));
    EXPECT_EQ(names_of(close_up), (std::vector<std::string>{"Image5_0"}));
    EXPECT_EQ(&store.find_picture("Image5_0")->panel(), &close_up);
    EXPECT_EQ(store.find_panel("Panel_5_mech"), &close_up);
    EXPECT_EQ(store.find_picture("Image5_1"), nullptr);
    EXPECT_EQ(store.find_panel("Panel_70_mech"), nullptr);
}

TEST_F(PictureStoreTest, WhereNamesRepeatTheLaterPictureIsFound)
{
    store.add_picture(scene, "Image9_0", {0, 0, 5, 5}, true);
    Picture &later = store.add_picture(close_up, "Image9_0", {0, 0, 5, 5}, true);
    EXPECT_EQ(store.find_picture("Image9_0"), &later);
}

TEST_F(PictureStoreTest, OnlyRealChangesOfSeenPicturesMarkDamage)
{
    Picture &picture = store.add_picture(scene, "Image1_0", {100, 50, 20, 10}, true);
    EXPECT_EQ(take_damage(scene), (Rect{100, 50, 20, 10})) << "a new picture must be painted";
    EXPECT_TRUE(take_damage(scene).empty()) << "taking the damage clears it";

    picture.set_left(100);
    picture.set_top(50);
    picture.set_visible(true);
    picture.set_tag(7);
    picture.set_hint("1 телега");
    EXPECT_TRUE(damage(scene).empty()) << "same values and unpainted fields change nothing";

    picture.set_left(110);
    EXPECT_EQ(take_damage(scene), (Rect{100, 50, 30, 10})) << "old and new place together";

    picture.set_visible(false);
    EXPECT_EQ(take_damage(scene), (Rect{110, 50, 20, 10}));
    picture.set_left(300);
    picture.set_width(80);
    EXPECT_TRUE(damage(scene).empty()) << "a hidden picture's moves are not seen";
    picture.set_visible(true);
    EXPECT_EQ(take_damage(scene), (Rect{300, 50, 80, 10}));
    EXPECT_FALSE(placement_changed(scene));
}

TEST_F(PictureStoreTest, PanelPlacementChangesAreFlaggedOnlyWhenReal)
{
    scene.set_left(-51);
    close_up.set_visible(false);
    EXPECT_FALSE(placement_changed(scene));
    EXPECT_FALSE(placement_changed(close_up));

    scene.set_left(-71);
    close_up.set_visible(true);
    EXPECT_TRUE(take_placement_change(scene));
    EXPECT_FALSE(placement_changed(scene));
    EXPECT_TRUE(take_placement_change(close_up));
    EXPECT_EQ(scene.left(), -71);
    EXPECT_TRUE(close_up.visible());
}

TEST_F(PictureStoreTest, ThePointerFindsTheTopmostVisiblePicture)
{
    Picture &background = store.add_picture(scene, "Image_Fon", {0, 0, 100, 100}, true);
    Picture &car = store.add_picture(scene, "Image1_0", {10, 10, 20, 20}, true);
    Picture &hidden = store.add_picture(scene, "Image1_1", {10, 10, 20, 20}, false);

    EXPECT_EQ(scene.picture_at(15, 15), &car);
    EXPECT_EQ(scene.picture_at(29, 29), &car) << "the whole rectangle counts";
    EXPECT_EQ(scene.picture_at(30, 30), &background) << "right and bottom edges are outside";
    EXPECT_EQ(scene.picture_at(150, 15), nullptr);
    hidden.set_visible(true);
    EXPECT_EQ(scene.picture_at(15, 15), &hidden);
}

TEST_F(PictureStoreTest, AMovedPictureBecomesTheTopLayerOfItsNewPanel)
{
    Picture &operator_figure = store.add_picture(scene, "Image_Operator", {5, 5, 27, 62}, true);
    store.add_picture(scene, "Image_Post_1", {0, 0, 50, 80}, true);
    store.add_picture(close_up, "Image_Fon_Kromkomotalka", {0, 0, 250, 224}, true);
    take_damage(scene);
    take_damage(close_up);

    operator_figure.move_to(close_up);
    EXPECT_EQ(names_of(scene), std::vector<std::string>{"Image_Post_1"});
    EXPECT_EQ(names_of(close_up),
              (std::vector<std::string>{"Image_Fon_Kromkomotalka", "Image_Operator"}));
    EXPECT_EQ(&operator_figure.panel(), &close_up);
    EXPECT_EQ(take_damage(scene), (Rect{5, 5, 27, 62}));
    EXPECT_EQ(take_damage(close_up), (Rect{5, 5, 27, 62}));
}

TEST(RectTest, UnitesIgnoringEmptySides)
{
    const Rect a{0, 0, 10, 10};
    const Rect b{20, 5, 5, 20};
    EXPECT_EQ(a.united(b), (Rect{0, 0, 25, 25}));
    EXPECT_EQ(a.united(Rect{}), a);
    EXPECT_EQ(Rect{}.united(b), b);
    EXPECT_TRUE((Rect{3, 3, 0, 9}).empty());
}

} // namespace
} // namespace zun
