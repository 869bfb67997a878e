#include "line_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace zun {
namespace {

class LinePicturesTest : public LineTest {
protected:
    const Picture &picture(const std::string &name) const
    {
        return *sim.pictures.find_picture(name);
    }
    bool shown(const std::string &name) const { return picture(name).visible(); }

    int visible_heads() const
    {
        int heads = 0;
        for (int k = 0; k < 5; ++k)
            heads += line.Line_Images[k]->visible();
        return heads;
    }

    // Two ticks: rules that read other pictures see them as the previous tick left them.
    void show(int ticks = 2)
    {
        for (int i = 0; i < ticks; ++i)
            line.Timer_Visu_i_StadiyaTimer();
    }
};

TEST_F(LinePicturesTest, AFreshLineShowsTheWholeCoilOnTheCarAndNoStripYet)
{
    show();
    for (int n = 0; n < 45; ++n)
        EXPECT_FALSE(shown("Image" + std::to_string(n) + "_Polosa_Body")) << n;
    EXPECT_FALSE(shown("Image_Rulon_Razmativatela_4")) << "no coil placed yet";

    simulator.apply(zun::input::NewCoil{});
    show();
    EXPECT_TRUE(shown("Image_Rulon_Razmativatela_4"));
    EXPECT_TRUE(shown("Image_Vnutrennosti_Rulona_Razmativatela"));
    EXPECT_FALSE(shown("Image_Rulon_Razmativatela_3"));
    EXPECT_EQ(picture("Image_Rulon_Razmativatela_4").left(), 1051 + 8) << "on the car's table";
    EXPECT_EQ(picture("Image_Rulon_Razmativatela_1").top(), 129 - 32);
    for (int k = 1; k <= 4; ++k)
        EXPECT_FALSE(shown("Image_Rulon_Motalki_" + std::to_string(k)));
    EXPECT_FALSE(shown("Image_Vnutrennosti_Rulona_Motalki"));
}

TEST_F(LinePicturesTest, ExactlyOneHeadShowsBetweenTheRecoilerAndTheUncoiler)
{
    const int x0 = line.X_Motalki;
    const int w = line.Zone_Width;
    struct Case {
        int head;
        int zone; // -1: no head shown
    };
    const Case cases[] = {
        {x0 - 1, -1},         {x0, 4},
        {x0 + w + 39, 4},     {x0 + w + 40, 3},
        {x0 + 3 * w - 41, 2}, {x0 + 3 * w - 40, 1},
        {x0 + 4 * w - 40, 0}, {1027 - 51, 0},
        {1027 - 50, -1},      {1027, -1},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.head);
        lay({{each.head, 2000}});
        show();
        EXPECT_EQ(visible_heads(), each.zone < 0 ? 0 : 1);
        if (each.zone >= 0) {
            EXPECT_TRUE(line.Line_Images[each.zone]->visible());
        }
        EXPECT_EQ(line.Line_Images[each.zone < 0 ? 0 : each.zone]->left(), each.head);
        for (int k = 5; k < 10; ++k) {
            EXPECT_FALSE(line.Line_Images[k]->visible()) << "tails are never shown";
            EXPECT_EQ(line.Line_Images[k]->left(), each.head + 2000 - 50);
        }
    }
}

TEST_F(LinePicturesTest, TheRecoilerCoilShowsOnceMoreThanOnePercentIsWound)
{
    line.Gde_Rulon_Motalki = RecoilerPlace::Recoiler;
    lay({{180 - 45, 2000}}); // 1 %
    show();
    EXPECT_FALSE(shown("Image_Rulon_Motalki_1"));
    lay({{180 - 60, 2000}}); // 2 %
    show();
    EXPECT_TRUE(shown("Image_Rulon_Motalki_1"));
    EXPECT_TRUE(shown("Image_Nakladka_Rulona_Motalki_1"));
    EXPECT_TRUE(shown("Image_Vnutrennosti_Rulona_Motalki"));
    EXPECT_TRUE(shown("Image_Diagonal_Left_1")) << "the strip runs onto the coil";
    EXPECT_FALSE(shown("Image_Rulon_Motalki_2"));
    EXPECT_EQ(picture("Image_Rulon_Motalki_1").left(), 166);

    line.Gde_Rulon_Motalki = RecoilerPlace::RotatingTable;
    show();
    EXPECT_EQ(picture("Image_Nakladka_Rulona_Motalki_1").left(), 85);
    EXPECT_EQ(picture("Image_Vnutrennosti_Rulona_Motalki").top(), 127);
}

TEST_F(LinePicturesTest, ThePeelerLoopHidesTheStripItReplaces)
{
    simulator.apply(zun::input::NewCoil{});
    line.Gde_Rulon_Razmativatela = UncoilerPlace::Uncoiler;
    mech(3).b_KM_FWD = false;
    lay({{950, 2900}}); // head under the peeler, tail far on the uncoiler coil
    show();
    EXPECT_TRUE(shown("Image_Rulon_Razmativatela_4"));
    EXPECT_TRUE(shown("Image_Petla_Otgibatela_3")) << "the peeler stands at phase 0";
    EXPECT_FALSE(shown("Image_Petla_Otgibatela_1") || shown("Image_Petla_Otgibatela_2"));
    for (int n = 41; n <= 44; ++n)
        EXPECT_FALSE(shown("Image" + std::to_string(n) + "_Polosa_Body")) << n;
    EXPECT_EQ(visible_heads(), 0);

    mech(10).Phase = 2;
    mech(10).f_Show();
    show();
    EXPECT_TRUE(shown("Image_Petla_Otgibatela_1"));
    EXPECT_FALSE(shown("Image_Petla_Otgibatela_3"));
}

TEST_F(LinePicturesTest, TheRecoilerLoopHidesTheBodyTheDiagonalsAndTheHead)
{
    line.Gde_Rulon_Motalki = RecoilerPlace::Recoiler;
    lay({{180, 900}});
    show();
    EXPECT_TRUE(shown("Image0_Polosa_Body"));
    EXPECT_EQ(visible_heads(), 1);

    mech(31).b_KM_FWD = true; // the disc shears push, the recoiler does not wind
    show();
    EXPECT_TRUE(shown("Image_Petla_Motalki"));
    for (int n = 0; n <= 4; ++n)
        EXPECT_FALSE(shown("Image" + std::to_string(n) + "_Polosa_Body")) << n;
    EXPECT_TRUE(shown("Image5_Polosa_Body"));
    EXPECT_EQ(visible_heads(), 0);

    lay({{100, 900}}); // a coil on the recoiler: its diagonal gives way to the loop too
    show();
    EXPECT_TRUE(shown("Image_Rulon_Motalki_1"));
    EXPECT_FALSE(shown("Image_Diagonal_Left_1"));
}

TEST_F(LinePicturesTest, TheLastPieceOfATickDecidesTheTrimmings)
{
    mech(31).Phase = 1;
    lay({{300, 200}}); // under the disc shears
    travel(1);
    EXPECT_TRUE(shown("Image_Kromka_1"));
    EXPECT_FALSE(shown("Image_Kromka_2"));
    lay({{300, 200}, {600, 100}});
    travel(1);
    EXPECT_FALSE(shown("Image_Kromka_1")) << "the later slot is not under the shears";
}

} // namespace
} // namespace zun
