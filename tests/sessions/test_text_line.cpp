#include "sessions/text_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace zun {
namespace {

struct OneLineCase {
    const char *what;
    std::string text;
    std::string line;
};

class OneLine : public testing::TestWithParam<OneLineCase> {};

TEST_P(OneLine, MakesOneLineOfValidText)
{
    EXPECT_EQ(one_line(GetParam().text), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneLine,
    testing::Values(
        OneLineCase{"plain", "Пётр Иванов", "Пётр Иванов"},
        OneLineCase{"line breaks", "Пётр\nlesson exam\r\nnewcoil\n", "Пётр lesson exam newcoil"},
        OneLineCase{"other controls",
                    "a\tb\x01"
                    "c\x7f"
                    "d\x1b[2Je",
                    "a b c d [2Je"},
        OneLineCase{"C1 and separators",
                    "a\xc2\x85"
                    "b\xe2\x80\xa8"
                    "c",
                    "a b c"},
        OneLineCase{"spaces squeezed and trimmed", "  \n Анна \t  Петрова \n", "Анна Петрова"},
        OneLineCase{"invalid bytes",
                    "ab\xff"
                    "c\xc3",
                    "ab\xef\xbf\xbd"
                    "c\xef\xbf\xbd"},
        OneLineCase{"overlong slash",
                    "a\xc0\xaf"
                    "b",
                    "a\xef\xbf\xbd\xef\xbf\xbd"
                    "b"},
        OneLineCase{"a surrogate", "\xed\xa0\x80", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
        OneLineCase{"four bytes kept", "\xf0\x9f\x99\x82", "\xf0\x9f\x99\x82"},
        OneLineCase{"nothing but controls", "\n\r\n\t", ""}),
    [](const testing::TestParamInfo<OneLineCase> &info) {
        std::string name = info.param.what;
        for (char &c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST(OneLine, KeepsAtMostTheGivenNumberOfCharacters)
{
    EXPECT_EQ(one_line(std::string(1000, 'x')).size(), 200U);
    EXPECT_EQ(one_line("ёёёё", 3), "ёёё"); // characters, not bytes
    EXPECT_EQ(one_line("ab cd", 3), "ab"); // no space left at the end
}

TEST(Excerpt, QuotesAShortPrintableBeginningOfAHugeLine)
{
    const std::string huge = "advance \x01\x02" + std::string(10'000'000, 'z');
    const std::string quoted = excerpt(huge, 20);
    EXPECT_EQ(quoted, "advance zzzzzzzzzzzz…");
    EXPECT_EQ(excerpt("short"), "short");
}

} // namespace
} // namespace zun
