// Dates a compiled help file by SOURCE_DATE_EPOCH, the moment the build stands for, or by
// midnight without it, instead of the time the help compiler ran: the same pages always give
// the same file.
//
//   zun_stamp_chm FILE.chm
#include "manual/chm_stamp.h"

#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

std::int64_t source_date()
{
    const char *given = std::getenv("SOURCE_DATE_EPOCH");
    if (!given || !*given)
        return 0;
    std::size_t used = 0;
    const long long seconds = std::stoll(given, &used);
    if (given[used] != '\0')
        throw std::invalid_argument(std::string("SOURCE_DATE_EPOCH is no number: ") + given);
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: zun_stamp_chm FILE.chm\n";
        return 2;
    }
    const std::string path = argv[1];
    try {
        std::ifstream in(path, std::ios::binary);
        std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in)
            throw std::runtime_error("cannot read it");
        zun::manual::set_chm_stamps(file, zun::manual::chm_stamp_of(source_date()));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write it");
    } catch (const std::exception &error) {
        std::cerr << path << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
