#include "sim/console_layout.h"
#include "sim/simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace zun {
namespace {

using console::ControlKind;

TEST(ConsoleLayoutTest, CountsTheControlsOfEveryKind)
{
    std::map<ControlKind, int> kinds;
    std::set<std::string_view> frames;
    for (const console::Control &control : console::controls()) {
        ++kinds[control.kind];
        EXPECT_TRUE(frames.insert(control.frame).second) << control.frame << " twice";
    }
    EXPECT_EQ(kinds[ControlKind::FixedKey], 61);
    EXPECT_EQ(kinds[ControlKind::BackKey], 15);
    EXPECT_EQ(kinds[ControlKind::Key90], 2);
    EXPECT_EQ(kinds[ControlKind::Lamp], 15);
    EXPECT_EQ(kinds[ControlKind::Button], 8);
    EXPECT_EQ(kinds[ControlKind::Knob], 4);
    EXPECT_EQ(kinds[ControlKind::Ammeter], 3);
}

TEST(ConsoleLayoutTest, KeysBindFortyNineMechanisms)
{
    std::map<int, int> keys_of;
    int unbound = 0;
    for (const console::Control &control : console::controls()) {
        if (!control.is_key())
            EXPECT_EQ(control.tag, 0) << control.frame;
        else if (control.tag == 0)
            ++unbound;
        else
            ++keys_of[control.tag];
    }
    std::set<int> expected{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 15, 18, 19, 20, 22, 24,
                           25, 27, 28, 31, 38, 46, 47, 48, 49, 51, 52, 53, 54, 55, 56, 57, 59,
                           60, 61, 64, 65, 66, 67, 69, 70, 71, 72, 73, 74, 75, 76, 79};
    std::set<int> bound;
    for (const auto &[number, count] : keys_of) {
        bound.insert(number);
        EXPECT_EQ(count, number == 4 || number == 53 ? 2 : 1) << number;
    }
    EXPECT_EQ(bound, expected);
    EXPECT_EQ(unbound, 27);
}

TEST(ConsoleLayoutTest, PagesHangInTheirPageControlsAndEveryControlHasAPage)
{
    std::set<std::string_view> page_names;
    for (const console::Page &page : console::pages()) {
        page_names.insert(page.name);
        const auto controls = console::page_controls();
        EXPECT_TRUE(std::any_of(controls.begin(), controls.end(), [&](const auto &control) {
            return control.name == page.page_control;
        })) << page.name;
    }
    for (const console::PageControl &control : console::page_controls()) {
        EXPECT_TRUE(page_names.count(control.active_page)) << control.name;
        EXPECT_TRUE(page_names.count(control.parent) || control.parent == console::posts_panel);
    }
    for (const console::Control &control : console::controls())
        EXPECT_TRUE(page_names.count(control.page)) << control.frame;
    for (const console::PageDecoration &decoration : console::page_decorations())
        EXPECT_TRUE(page_names.count(decoration.page)) << decoration.name;
}

TEST(ConsoleLayoutTest, ControlsKeepTheirConsolesSettings)
{
    const auto find = [](std::string_view frame) {
        const auto controls = console::controls();
        return *std::find_if(controls.begin(), controls.end(),
                             [frame](const auto &control) { return control.frame == frame; });
    };
    const console::Control oiling = find("Frame_45_Key_Fix_43");
    EXPECT_STREQ(oiling.left_inscription, "авт");
    EXPECT_STREQ(oiling.right_inscription, "руч");
    EXPECT_STREQ(oiling.hint, "это ключ управления старой демонтированной промасливающей машины");
    const console::Control shears = find("Frame_45_Key_Back_3");
    EXPECT_STREQ(shears.left_inscription, "");
    EXPECT_STREQ(shears.right_inscription, "рез");
    EXPECT_EQ(find("Frame_45_Key_Fix_8").caption, std::string(9, '\\'));
    EXPECT_EQ(find("Frame_45_Key_Fix_11").caption, std::string(11, '\\'));
    EXPECT_EQ(find("Frame_45_Key_Back_RS").handler, console::LabelHandler::WorkingSpeed);
    EXPECT_EQ(find("Frame_45_Key_Fix_1").handler, console::LabelHandler::ShowPanel5Mech);
    EXPECT_EQ(find("Frame_Button6").look, console::ControlLook::RedFace);
    EXPECT_EQ(find("Frame_Button2").rect(), (Rect{127, 174, 120, 70}));
    EXPECT_EQ(find("Frame_Lamp2").hint, std::string("неизвестно"));
    EXPECT_EQ(find("Frame_Krutilka1").rect(), (Rect{276, 168, 79, 71}));
    const auto controls = console::controls();
    EXPECT_EQ(std::count_if(controls.begin(), controls.end(), [](const auto &c) { return c.bell; }),
              1);
    EXPECT_TRUE(find("Frame_Button_Beep").bell);
}

TEST(FindListTest, NamesMechanismsByTheirKeys)
{
    const Simulator simulator;
    const LineModel &sim = simulator.state();
    struct Case {
        int number;
        const char *name;
    };
    const Case cases[] = {
        {0, ""},
        {4, " 4 перемещение разматывателя "},
        {12, "12------------не существует"},
        {38, "38? промасливающая машина"},
        {53, "53 прессующий ролик"},
        {15, "? 15  подающий(тянущий) ролик после стола вращение"},
        {78, "78------------не существует"},
        {79, "рабочая скорость"},
        {80, ""},
        {126, ""},
        {127, ""},
        {-1, ""},
    };
    for (const Case &each : cases)
        EXPECT_EQ(sim.mechanism_name(each.number), each.name) << each.number;
}

} // namespace
} // namespace zun
