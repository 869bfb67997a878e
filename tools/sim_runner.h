#pragma once

#include "sim/Unit_simulator.h"
#include "sim/ui_port.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The headless runner: the model built as the program builds it, driven by a script of one
// command per line instead of windows.
class SimRunner {
public:
    enum ExitStatus { Completed = 0, ModelFailed = 1, ScriptError = 2 };

    explicit SimRunner(std::ostream &out);
    SimRunner(const SimRunner &) = delete;
    SimRunner &operator=(const SimRunner &) = delete;

    // Runs the script to its end, or up to its first bad line, which is reported on `errors` as
    // "line N: ..." before anything of it runs.
    ExitStatus run(std::istream &script, std::ostream &errors);

    zun::TSimulator &sim() { return sim_; }

private:
    enum class ArgumentKind { Duration, Mechanism, PictureName };
    using Argument = std::variant<long long, zun::Picture *>;
    using Arguments = std::vector<Argument>;

    struct Command {
        std::vector<std::string_view> words;
        std::vector<ArgumentKind> arguments;
        std::function<void(const Arguments &)> action;
    };

    void run_line(std::string_view line);
    const Command *match(const std::vector<std::string_view> &tokens) const;
    Argument parse(ArgumentKind kind, std::string_view token) const;

    void show_mech(const zun::TMech &mech, long long number);
    void show_picture(const zun::Picture &picture);
    zun::TMech &mech(const Argument &argument);

    std::ostream &out_;
    zun::RecordingUiPort ui_;
    zun::TSimulator sim_;
    std::vector<Command> commands_;
};
