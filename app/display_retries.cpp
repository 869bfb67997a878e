#include "display_retries.h"

#include <QtGlobal>

#include <string_view>

namespace {

constexpr const char *platform_variable = "QT_QPA_PLATFORM";

} // namespace

std::optional<QByteArray> platform_with_retries(const QByteArray &requested, bool wayland_session,
                                                bool platform_argument)
{
    const bool plain_x11 = requested == "xcb" || (requested.isEmpty() && !wayland_session);
    if (platform_argument || !plain_x11)
        return std::nullopt;
    QByteArray list = "xcb";
    for (int attempt = 1; attempt < display_attempts; ++attempt)
        list += ";xcb";
    return list;
}

DisplayRetries::DisplayRetries(int argc, char **argv)
{
    bool platform_argument = false;
    for (int i = 1; i < argc; ++i)
        platform_argument |= std::string_view(argv[i]) == "-platform";
    if (qEnvironmentVariableIsSet(platform_variable))
        requested_ = qgetenv(platform_variable);
    const bool wayland_session =
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland";
    const std::optional<QByteArray> list = platform_with_retries(
        requested_.value_or(QByteArray()), wayland_session, platform_argument);
    if (list) {
        qputenv(platform_variable, *list);
        changed_ = true;
    }
}

void DisplayRetries::application_made() const
{
    if (!changed_)
        return;
    if (requested_)
        qputenv(platform_variable, *requested_);
    else
        qunsetenv(platform_variable);
}
