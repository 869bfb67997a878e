#pragma once

#include <string>
#include <string_view>

// The trainee's name by default: the full name of the user's account (the first field of the
// comment field of its passwd entry), else the login name; one line, as the session file keeps it.
std::string name_from_account(std::string_view gecos, std::string_view login);
// The same for the user running the program.
std::string login_full_name();
// The login name of the user running the program, and the PC's host name: with a session's own
// id they tell its file from any other of a centre's history.
std::string login_name();
std::string host_name();
