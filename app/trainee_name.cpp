#include "trainee_name.h"

#include "sessions/text_line.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>
#include <vector>

std::string name_from_account(std::string_view gecos, std::string_view login)
{
    std::string_view full = gecos.substr(0, gecos.find(','));
    const std::size_t first = full.find_first_not_of(' ');
    full = first == std::string_view::npos
               ? std::string_view{}
               : full.substr(first, full.find_last_not_of(' ') - first + 1);
    return zun::one_line(full.empty() ? login : full);
}

namespace {

// The passwd entry's comment field and login name of the user running the program; the
// environment's USER when there is no entry.
std::pair<std::string, std::string> account_fields()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return {found->pw_gecos ? found->pw_gecos : "", found->pw_name};
    const char *user = std::getenv("USER");
    return {"", user ? user : ""};
}

} // namespace

std::string login_full_name()
{
    const auto [gecos, login] = account_fields();
    return name_from_account(gecos, login);
}

std::string login_name()
{
    return zun::one_line(account_fields().second);
}

std::string host_name()
{
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? zun::one_line(name) : std::string();
}
