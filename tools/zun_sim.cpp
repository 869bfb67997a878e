// zun-sim: runs the trainer's model without windows from a script (standard input), replays or
// checks a session file, or measures a number of automatic cycles of the scenario (--bench N).
#include "tools/sim_runner.h"
#include "training/session_file.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <string_view>

namespace {

int usage()
{
    std::cerr << "usage: zun-sim [SCRIPT] | zun-sim --check SESSION_FILE | zun-sim --bench CYCLES\n";
    return SimRunner::ScriptError;
}

// The count's own range is the runner's to judge: it says which counts the clock can hold.
int bench(SimRunner &runner, std::string_view count)
{
    long long cycles = 0;
    const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), cycles);
    if (error != std::errc() || end != count.data() + count.size())
        return usage();
    return runner.bench(cycles, std::cerr);
}

int replay(SimRunner &runner, const char *path, bool check)
{
    std::ifstream file(path);
    if (!file) {
        std::cerr << "zun-sim: cannot read " << path << '\n';
        return SimRunner::ScriptError;
    }
    return runner.replay(zun::read_session(file), check, std::cerr);
}

} // namespace

int main(int argc, char *argv[])
{
    SimRunner runner(std::cout);
    if (argc == 1)
        return runner.run(std::cin, std::cerr);
    const std::string_view first = argv[1];
    if (first == "--bench")
        return argc == 3 ? bench(runner, argv[2]) : usage();
    if (first == "--check")
        return argc == 3 ? replay(runner, argv[2], true) : usage();
    if (argc > 2 || first.starts_with("--"))
        return usage();
    return replay(runner, argv[1], false);
}
