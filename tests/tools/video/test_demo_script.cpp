#include "tools/video/demo_script.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace zun::video;

DemoScript read(const std::string &text)
{
    std::istringstream in(text);
    return read_demo(in);
}

TEST(DemoScriptTest, CaptionsPlacesAdvancesAndInputsInTheirOrder)
{
    const DemoScript script = read("# A demonstration, said in a comment\n"
                                   "# program: zun_trainer 0.1\n"
                                   "# caption:  Ключи и кнопки мыши \n"
                                   "# place steps 508 -24\n"
                                   "# point 780 470\n"
                                   "\n"
                                   "  key Frame_45_Key_Fix_1 press right\n"
                                   "advance 200\n"
                                   "# caption:\n"
                                   "advance 1800   \n"
                                   "# end hash=0123456789abcdef\n");
    ASSERT_EQ(script.steps.size(), 7U);
    EXPECT_EQ(std::get<Caption>(script.steps[0]).text, "Ключи и кнопки мыши");
    const Place &place = std::get<Place>(script.steps[1]);
    EXPECT_EQ(place.window, "steps");
    EXPECT_EQ(place.x, 508);
    EXPECT_EQ(place.y, -24);
    const Point &point = std::get<Point>(script.steps[2]);
    EXPECT_EQ(point.x, 780);
    EXPECT_EQ(point.y, 470);
    const InputLine &input = std::get<InputLine>(script.steps[3]);
    EXPECT_EQ(input.number, 7);
    EXPECT_EQ(input.text, "key Frame_45_Key_Fix_1 press right");
    EXPECT_EQ(std::get<Advance>(script.steps[4]).ms, 200);
    EXPECT_EQ(std::get<Caption>(script.steps[5]).text, "");
    EXPECT_EQ(std::get<Advance>(script.steps[6]).ms, 1800);
    EXPECT_EQ(script.length_ms, 2000);
}

class BadDemoTest : public testing::TestWithParam<const char *> {};

TEST_P(BadDemoTest, IsRefusedWithItsLineNumber)
{
    try {
        read(std::string("advance 10\n") + GetParam() + "\n");
        FAIL() << "accepted";
    } catch (const BadDemo &bad) {
        EXPECT_NE(std::string(bad.what()).find("line 2"), std::string::npos) << bad.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, BadDemoTest,
                         testing::Values("advance", "advance -5", "advance 1.5", "advance 10 20",
                                         "# place steps 10", "# place steps 10 20 30",
                                         "# place desktop 0 0", "# place steps x 0",
                                         "# point 10", "# point 10 20 30", "# point x 0"));

} // namespace
