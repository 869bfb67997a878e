#include "trainee_name.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

std::string name_from_account(std::string_view gecos, std::string_view login)
{
    std::string_view full = gecos.substr(0, gecos.find(','));
    const std::size_t first = full.find_first_not_of(' ');
    full = first == std::string_view::npos
               ? std::string_view{}
               : full.substr(first, full.find_last_not_of(' ') - first + 1);
    return std::string(full.empty() ? login : full);
}

std::string login_full_name()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return name_from_account(found->pw_gecos ? found->pw_gecos : "", found->pw_name);
    const char *user = std::getenv("USER");
    return user ? user : "";
}
