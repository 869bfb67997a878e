#include "sim/scene_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>

namespace zun {
namespace {

class SceneLayoutTest : public ::testing::Test {
protected:
    const Picture &picture(const std::string &name) const
    {
        const Picture *found = store.find_picture(name);
        if (!found)
            throw std::runtime_error("no picture " + name);
        return *found;
    }

    // Position in its panel's drawing order: higher is drawn above.
    int layer(const std::string &name) const
    {
        const auto &layers = picture(name).panel().pictures();
        return static_cast<int>(std::find(layers.begin(), layers.end(), &picture(name)) -
                                layers.begin());
    }

    SceneLayoutTest() { scene::build(store); }

    PictureStore store;
};

// Where picture 0 of each mechanism stands, as start coordinates (left, height of the bottom
// edge above its panel's bottom).
struct StartPosition {
    int number;
    int x;
    int y;
};
constexpr StartPosition start_positions[] = {
    {1, 1050, 55},   {2, 1051, 70},   {3, 1027, 143},  {4, 994, 152},   {5, 70, 54},
    {6, 1036, 178},  {7, 1005, 173},  {8, 800, 13},    {9, 915, 130},   {10, 974, 136},
    {11, 800, 13},   {14, 800, 13},   {15, 892, 161},  {16, 800, 13},   {17, 800, 13},
    {18, 864, 130},  {19, 836, 160},  {20, 800, 13},   {21, 800, 13},   {22, 788, 149},
    {24, 790, 136},  {25, 756, 140},  {26, 800, 13},   {27, 756, 162},  {28, 684, 139},
    {31, 366, 163},  {38, 565, 132},  {46, 407, 142},  {47, 800, 13},   {48, 407, 164},
    {49, 437, 135},  {51, 135, 113},  {52, 150, 123},  {53, 120, 166},  {54, 216, 103},
    {55, 180, 103},  {56, 86, 90},    {57, 202, 130},  {58, 800, 13},   {59, 800, 13},
    {60, 282, 130},  {61, 282, 162},  {62, 332, 151},  {64, 309, 174},  {65, 288, 164},
    {66, 135, 166},  {67, 800, 13},   {69, 180, 142},  {70, 70, 54},    {71, 197, 184},
    {72, 165, 93},   {73, 165, 111},  {74, 127, 70},   {75, 71, 23},    {76, 17, 2},
    {79, 800, 13},   {105, 83, 104},  {106, 120, 104}, {107, 83, 68},   {108, 120, 67},
    {109, 37, 123},  {110, 950, 160}, {111, 950, 139}, {118, 875, 167}, {131, 368, 136},
    {149, 463, 174}, {170, 83, 104},  {171, 120, 104}, {172, 83, 68},   {173, 120, 67},
};

TEST_F(SceneLayoutTest, EveryPositionPictureExistsOnceWithPictureZeroWhereTheLineNeedsIt)
{
    const std::regex position_name(R"(Image(\d+)_(\d))");
    std::set<std::string> names;
    for (const Picture &each : store.pictures()) {
        std::smatch match;
        if (std::regex_match(each.name(), match, position_name)) {
            EXPECT_TRUE(names.insert(each.name()).second) << each.name() << " twice";
            EXPECT_LT(std::stoi(match[1]), 200);
            EXPECT_LT(std::stoi(match[2]), 4);
        }
    }
    EXPECT_EQ(names.size(), 800u);

    for (const StartPosition &expected : start_positions) {
        const Picture &first = picture("Image" + std::to_string(expected.number) + "_0");
        SCOPED_TRACE(first.name());
        EXPECT_EQ(first.left(), expected.x);
        EXPECT_EQ(first.panel().height() - first.top() - first.height(), expected.y);
    }
    const Picture &unlisted = picture("Image150_2");
    EXPECT_EQ(unlisted.panel().name(), "Panel_Image_Sours");
    EXPECT_EQ(unlisted.rect(), (Rect{800, 200, 41, 33}));
}

TEST_F(SceneLayoutTest, PanelsAndPositionsWithAPictureOfTheirOwn)
{
    struct Case {
        const char *name;
        const char *panel;
    };
    const Case cases[] = {
        {"Image3_3", "Panel_Image_Scene"},   {"Image1_1", "Panel_Image_Sours"},
        {"Image5_2", "Panel_5_mech"},        {"Image106_0", "Panel_5_mech"},
        {"Image106_1", "Panel_Image_Sours"}, {"Image173_0", "Panel_70_mech"},
        {"Image70_3", "Panel_70_mech"},      {"Image55_3", "Panel_Kromkomotalka"},
        {"Image54_1", "Panel_Image_Sours"},  {"Image18_1", "Panel_Image_Sours"},
        {"Image0_3", "Panel_Image_Sours"},   {"Image109_2", "Panel_Image_Sours"},
        {"Image111_3", "Panel_Image_Scene"},
    };
    for (const Case &each : cases)
        EXPECT_EQ(picture(each.name).panel().name(), each.panel) << each.name;

    const Panel &hidden = *store.find_panel("Panel_Image_Sours");
    EXPECT_FALSE(hidden.visible());
    EXPECT_GE(hidden.left(), 1100) << "beyond anything the main window scrolls to";
    EXPECT_EQ(hidden.height(), 246);
    for (const char *panel : {"Panel_5_mech", "Panel_70_mech"})
        EXPECT_EQ(store.find_panel(panel)->height(), 224);
    EXPECT_EQ(store.find_panel("Panel_Kromkomotalka")->height(), 276);
    EXPECT_EQ(store.find_panel("Panel_Image_Scene")->rect(), (Rect{-51, 40, 1159, 240}));
}

TEST_F(SceneLayoutTest, StripAndCoilPicturesStandWhereTheLineDrawsThem)
{
    struct Case {
        const char *name;
        Rect place;
    };
    const Case cases[] = {
        {"Image0_Line_Left_tEnd", {800, 200, 50, 23}},
        {"Image3_Line_Left_tEnd", {800, 56, 50, 23}},
        {"Image0_Line_Right_tEnd", {980, 200, 50, 23}},
        {"Image4_Line_Right_tEnd", {980, 56, 50, 23}},
        {"Image0_Polosa_Body", {190, 56, 40, 25}},
        {"Image7_Polosa_Body", {310, 56, 32, 25}},
        {"Image24_Polosa_Body", {645, 56, 25, 25}},
        {"Image29_Polosa_Body", {734, 56, 32, 25}},
        {"Image44_Polosa_Body", {995, 56, 40, 25}},
        {"Image_Rulon_Razmativatela_4", {1019, 44, 70, 70}},
        {"Image_Rulon_Motalki_1", {166, 45, 70, 70}},
        {"Image_Nakladka_Rulona_Motalki_4", {166, 45, 70, 70}},
        {"Image_Diagonal_Right_2", {905, 46, 160, 34}},
        {"Image_Diagonal_Left_3", {190, 47, 110, 33}},
        {"Image_Vnutrennosti_Rulona_Razmativatela", {1019, 44, 70, 70}},
        {"Image_Petla_Otgibatela_3", {945, 29, 120, 85}},
        {"Image_Petla_Motalki", {190, 47, 101, 42}},
        {"Image_Kromka_2", {355, 77, 24, 35}},
        {"Image_Beep", {430, 110, 50, 42}},
        {"Image_Invisible_9", {930, 70, 60, 40}},
        {"Label10", {520, 140, 117, 60}},
        {"Image_Post_Kromko", {150, 199, 65, 44}},
        {"Image_Ograda", {53, 24, 258, 174}},
    };
    for (const Case &each : cases)
        EXPECT_EQ(picture(each.name).rect(), each.place) << each.name;
    int body_pictures = 0;
    for (const Picture &each : store.pictures())
        body_pictures += each.name().ends_with("_Polosa_Body");
    EXPECT_EQ(body_pictures, 45);
    EXPECT_FALSE(picture("Image_Vnutrennosti_Rulona_Motalki").visible());
    EXPECT_FALSE(picture("Image2_Line_Right_tEnd").visible());
    EXPECT_FALSE(picture("Image_Beep").visible());
}

TEST_F(SceneLayoutTest, TheLeftGuideStandsJustPastTheGuideTable)
{
    const int guide = picture("Image_Provodka_sleva").left();
    EXPECT_GE(guide, 437);
    EXPECT_LE(guide, 480);
}

TEST_F(SceneLayoutTest, LayersPutTheForegroundBetweenTheDeliveryEndAndTheRest)
{
    EXPECT_EQ(layer("Image_Fon"), 0);
    for (const char *behind : {"Image69_0", "Image71_0", "Image72_0", "Image73_0", "Image74_0",
                               "Image75_0", "Image_Rulon_Motalki_1"})
        EXPECT_LT(layer(behind), layer("Image_Fon2")) << behind;
    for (const char *above : {"Image1_0", "Image3_0", "Image18_0", "Image60_0",
                              "Image0_Polosa_Body", "Image_Operator", "Label10"})
        EXPECT_GT(layer(above), layer("Image_Fon2")) << above;
    EXPECT_GT(layer("Image_Operator"), layer("Image_Post_2"));
    EXPECT_GT(layer("Image105_0"), layer("Image5_3")) << "segments above their drum";
    EXPECT_GT(layer("Image_Ograda"), layer("Image57_0")) << "the fence above the basement";
    EXPECT_GT(layer("Image_Invisible_9"), layer("Image111_0"));
}

TEST_F(SceneLayoutTest, AppearanceOfThePictures)
{
    struct Case {
        const char *name;
        ComponentKind kind;
        bool transparent;
        bool hand;
    };
    const Case cases[] = {
        {"Image1_0", ComponentKind::Picture, false, true},
        {"Image10_0", ComponentKind::Picture, false, false},
        {"Image110_2", ComponentKind::Picture, false, false},
        {"Image111_0", ComponentKind::Picture, false, false},
        {"Image5_0", ComponentKind::Picture, false, false},
        {"Image105_0", ComponentKind::Picture, false, false},
        {"Image53_2", ComponentKind::Picture, false, true},
        {"Image38_1", ComponentKind::Picture, false, true},
        {"Image_Fon2", ComponentKind::Picture, true, false},
        {"Image_Operator", ComponentKind::Picture, true, false},
        {"Image_Rolik", ComponentKind::Picture, false, true},
        {"Label10", ComponentKind::Label, false, false},
        {"Shape_Pult_Promasl_Mashini", ComponentKind::Shape, false, false},
        {"Button1", ComponentKind::Button, false, true},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.name);
        const Appearance &look = picture(each.name).appearance();
        EXPECT_EQ(look.kind, each.kind);
        EXPECT_EQ(look.transparent, each.transparent);
        EXPECT_EQ(look.hand_cursor, each.hand);
    }
    EXPECT_EQ(picture("Label10").caption(), "ТАЩИТЬ  КАРТИНКУ  ВЛЕВО-ВПРАВО");
    EXPECT_EQ(picture("Button1").caption(), "Х");
    EXPECT_EQ(picture("Button1").hint(), "закрыть вид кромкомоталки");
    EXPECT_EQ(picture("Image_Provodka_sprava").hint(), "проводка");
    EXPECT_EQ(picture("Image_FixRolLow").hint(), "фиксирующие ролики");
    EXPECT_EQ(picture("Image38_3").hint(), "промасливающая машина");
    EXPECT_EQ(picture("Image_Invisible_9").tag(), 9);
    EXPECT_EQ(picture("Image_Invisible_9").hint(), "9");
}

} // namespace
} // namespace zun
