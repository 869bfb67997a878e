#pragma once

#include <QByteArray>

#include <optional>

// An X server under load may drop a new client's connection while it still tears down an earlier
// one (seen under Xvfb: about one start in twenty failed with "could not connect to display" when
// the program was started again at once, and Qt then aborts). The very next attempt connects, so
// the X11 platform is tried a few times before Qt gives up.
inline constexpr int display_attempts = 3;

// The platform list to ask Qt for, given the platform requested by the environment (empty when
// none), whether the session is a Wayland one, and whether the command line names a platform;
// nothing where the choice is not the plain X11 one.
std::optional<QByteArray> platform_with_retries(const QByteArray &requested, bool wayland_session,
                                                bool platform_argument);

// Applies that choice to the environment before the application object is made, and undoes it
// once the application exists, so that programs started from the trainer do not inherit it.
class DisplayRetries {
public:
    DisplayRetries(int argc, char **argv);
    DisplayRetries(const DisplayRetries &) = delete;
    DisplayRetries &operator=(const DisplayRetries &) = delete;
    ~DisplayRetries() = default;

    void application_made() const;

private:
    std::optional<QByteArray> requested_;
    bool changed_ = false;
};
