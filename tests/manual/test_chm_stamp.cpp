#include "manual/chm_stamp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// One page compiled twice by the help compiler, a second apart.
std::string compiled(const char *name)
{
    std::ifstream in(std::string(ZUN_CHM_FIXTURES) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t header_stamp(const std::string &file)
{
    std::uint32_t stamp = 0;
    for (std::size_t i = 0x10; i < 0x14; ++i)
        stamp = (stamp << 8) | static_cast<unsigned char>(file[i]);
    return stamp;
}

TEST(ChmStampTest, TwoRunsOfTheCompilerGiveOneFileOnceStamped)
{
    std::string early = compiled("compiled_early.chm");
    std::string later = compiled("compiled_later.chm");
    ASSERT_EQ(early.size(), 10615u);
    ASSERT_NE(early, later);
    zun::manual::set_chm_stamps(early, 0x01020304);
    zun::manual::set_chm_stamps(later, 0x01020304);
    EXPECT_EQ(early, later);
    EXPECT_EQ(header_stamp(early), 0x01020304u) << "the header's stamp is big-endian";
    EXPECT_NE(early.find(std::string("\x0a\x00\x04\x00\x04\x03\x02\x01", 8)), std::string::npos)
        << "the system file's entry 10 is little-endian";
}

TEST(ChmStampTest, OnlyTheTwoStampsChange)
{
    const std::string original = compiled("compiled_early.chm");
    std::string stamped = original;
    zun::manual::set_chm_stamps(stamped, 0xffffffff);
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < original.size(); ++i)
        if (original[i] != stamped[i])
            changed.push_back(i);
    ASSERT_FALSE(changed.empty());
    for (const std::size_t at : changed)
        EXPECT_TRUE((at >= 0x10 && at < 0x14) || (at >= 0x115c && at < 0x1160)) << at;
}

TEST(ChmStampTest, AFileOfAnotherKindIsRefusedAndLeftAsItWas)
{
    struct Case {
        const char *what;
        void (*spoil)(std::string &file);
    };
    const Case cases[] = {
        {"no header", [](std::string &file) { file[0] = 'X'; }},
        {"cut short", [](std::string &file) { file.resize(0x1000); }},
        {"directory elsewhere", [](std::string &file) { file[0x48] = 0x79; }},
        {"directory past the end", [](std::string &file) { file[0x4c] = 0x7f; }},
        {"no system file",
         [](std::string &file) { file.replace(file.find("/#SYSTEM"), 8, "/#SYSTEX"); }},
        {"chunks of no size", [](std::string &file) { file[0x78 + 0x11] = 0; }},
        {"no stamp entry", [](std::string &file) { file[0x115c - 4] = 0x0b; }},
        {"empty", [](std::string &file) { file.clear(); }},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(each.what);
        std::string file = compiled("compiled_early.chm");
        each.spoil(file);
        const std::string spoiled = file;
        EXPECT_THROW(zun::manual::set_chm_stamps(file, 1), std::runtime_error);
        EXPECT_EQ(file, spoiled);
    }
}

TEST(ChmStampTest, TheStampIsTheMomentsMillisecondsIntoItsDay)
{
    struct Case {
        std::int64_t seconds;
        std::uint32_t stamp;
    };
    for (const Case &each : {Case{0, 0}, Case{86399, 86399000}, Case{86400, 0},
                             Case{1765411200 + 3723, 3723000}, Case{-1, 86399000}})
        EXPECT_EQ(zun::manual::chm_stamp_of(each.seconds), each.stamp) << each.seconds;
}

} // namespace
