#include "manual/cp1251.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char *utf8;
    const char *cp1251;
};

class Cp1251Test : public testing::TestWithParam<Case> {};

TEST_P(Cp1251Test, EncodesTheCodePageAndRefersToTheRest)
{
    EXPECT_EQ(zun::manual::to_cp1251(GetParam().utf8), GetParam().cp1251);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Cp1251Test,
    testing::Values(Case{"help_zun5.chm <a href=\"x\">", "help_zun5.chm <a href=\"x\">"},
                    Case{"АЯая", "\xC0\xDF\xE0\xFF"},      // the alphabet's ends
                    Case{"Ёё№", "\xA8\xB8\xB9"},           // outside the alphabet's block
                    Case{"«—»–…", "\xAB\x97\xBB\x96\x85"}, // the typography of the texts
                    Case{"Ђ€", "\x80\x88"},                // the upper half's first bytes
                    Case{"✓ж", "&#10003;\xE6"},            // no such character: a reference
                    Case{"😀", "&#128512;"},                // four bytes of UTF-8
                    Case{"a\xFF"
                         "b\xD0",
                         "a?b?"})); // no UTF-8: marked, not lost

} // namespace
