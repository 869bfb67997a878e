#pragma once

#include <string>
#include <string_view>

// The trainee's name by default: the full name of the user's account (the first field of the
// comment field of its passwd entry), else the login name.
std::string name_from_account(std::string_view gecos, std::string_view login);
// The same for the user running the program.
std::string login_full_name();
