// zun-sim: runs the trainer's model without windows from a script (a file, or standard input),
// or measures a number of automatic cycles of the scenario (--bench N).
#include "tools/sim_runner.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: zun-sim [SCRIPT] | zun-sim --bench CYCLES\n";
    return SimRunner::ScriptError;
}

} // namespace

int main(int argc, char *argv[])
{
    SimRunner runner(std::cout);
    if (argc == 1)
        return runner.run(std::cin, std::cerr);
    const std::string_view first = argv[1];
    if (first == "--bench") {
        long long cycles = 0;
        const std::string_view count = argc == 3 ? argv[2] : "";
        const auto [end, error] =
            std::from_chars(count.data(), count.data() + count.size(), cycles);
        if (argc != 3 || error != std::errc() || end != count.data() + count.size())
            return usage();
        return runner.bench(cycles, std::cerr);
    }
    if (argc > 2)
        return usage();
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "zun-sim: cannot read " << argv[1] << '\n';
        return SimRunner::ScriptError;
    }
    return runner.run(script, std::cerr);
}
