// zun-sim: runs the trainer's model without windows from a script (a file, or standard input).
#include "tools/sim_runner.h"

#include <fstream>
#include <iostream>

int main(int argc, char *argv[])
{
    if (argc > 2) {
        std::cerr << "usage: zun-sim [SCRIPT]\n";
        return SimRunner::ScriptError;
    }
    SimRunner runner(std::cout);
    if (argc == 1)
        return runner.run(std::cin, std::cerr);
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "zun-sim: cannot read " << argv[1] << '\n';
        return SimRunner::ScriptError;
    }
    return runner.run(script, std::cerr);
}
