#include "app/display_retries.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DisplayRetriesTest, OnlyThePlainX11ChoiceIsTriedAgain)
{
    struct Case {
        const char *requested;
        bool wayland_session;
        bool platform_argument;
        const char *asked; // null: the environment is left as it is
    };
    const Case cases[] = {
        {"", false, false, "xcb;xcb;xcb"},      {"xcb", false, false, "xcb;xcb;xcb"},
        {"xcb", true, false, "xcb;xcb;xcb"},    {"", true, false, nullptr},
        {"wayland", false, false, nullptr},     {"offscreen", false, false, nullptr},
        {"wayland;xcb", false, false, nullptr}, {"", false, true, nullptr},
        {"xcb", false, true, nullptr},
    };
    for (const Case &each : cases) {
        SCOPED_TRACE(std::string(each.requested) + (each.wayland_session ? " wayland" : "") +
                     (each.platform_argument ? " -platform" : ""));
        const std::optional<QByteArray> asked =
            platform_with_retries(each.requested, each.wayland_session, each.platform_argument);
        if (each.asked)
            EXPECT_EQ(asked.value_or("(none)").toStdString(), each.asked);
        else
            EXPECT_FALSE(asked.has_value());
    }
}

} // namespace
