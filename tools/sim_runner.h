#pragma once

#include "sim/Unit_simulator.h"
#include "sim/ui_port.h"

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
        void (SimRunner::*action)(const Arguments &);
    };
    static const std::vector<Command> &commands();

    void run_line(std::string_view line);
    const Command *match(const std::vector<std::string_view> &tokens) const;
    Argument parse(ArgumentKind kind, std::string_view token) const;

    void advance(const Arguments &arguments);
    void forward_pulse(const Arguments &arguments);
    void reverse_pulse(const Arguments &arguments);
    void halt(const Arguments &arguments);
    void new_coil(const Arguments &arguments);
    void show_time(const Arguments &arguments);
    void show_cur(const Arguments &arguments);
    void show_mech(const Arguments &arguments);
    void show_picture(const Arguments &arguments);
    void show_strip(const Arguments &arguments);
    void show_coils(const Arguments &arguments);
    zun::TMech &mech(const Argument &argument);

    std::ostream &out_;
    zun::RecordingUiPort ui_;
    zun::TSimulator sim_;
};
