#include "sim_runner.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace {

// A bad script line: reported with its number, and nothing of it runs.
class BadLine : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::vector<std::string_view> split(std::string_view line)
{
    std::vector<std::string_view> tokens;
    constexpr std::string_view blanks = " \t\r";
    std::size_t start = line.find_first_not_of(blanks);
    while (start != std::string_view::npos) {
        const std::size_t end = line.find_first_of(blanks, start);
        tokens.push_back(line.substr(start, end - start));
        start = end == std::string_view::npos ? end : line.find_first_not_of(blanks, end);
    }
    return tokens;
}

long long parse_number(std::string_view token)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        throw BadLine("malformed number '" + std::string(token) + "'");
    return value;
}

std::string joined(const std::vector<std::string_view> &words)
{
    std::string text;
    for (const std::string_view word : words)
        text += (text.empty() ? "" : " ") + std::string(word);
    return text;
}

} // namespace

SimRunner::SimRunner(std::ostream &out) : out_(out), sim_(ui_)
{
    using K = ArgumentKind;
    const auto number = [](const Argument &argument) { return std::get<long long>(argument); };
    commands_ = {
        {{"advance"},
         {K::Duration},
         [this, number](const Arguments &a) { sim_.scheduler.advance_by(number(a[0])); }},
        {{"fwd"}, {K::Mechanism}, [this](const Arguments &a) { mech(a[0]).f_Start_FWD_Pulse(); }},
        {{"rws"}, {K::Mechanism}, [this](const Arguments &a) { mech(a[0]).f_Start_RWS_Pulse(); }},
        {{"halt"}, {K::Mechanism}, [this](const Arguments &a) { mech(a[0]).f_Stop(); }},
        {{"show", "time"},
         {},
         [this](const Arguments &) { out_ << "time=" << sim_.scheduler.now() << '\n'; }},
        {{"show", "cur"},
         {},
         [this](const Arguments &) { out_ << "cur=" << sim_.Cur_Mech << '\n'; }},
        {{"show", "mech"},
         {K::Mechanism},
         [this, number](const Arguments &a) { show_mech(mech(a[0]), number(a[0])); }},
        {{"show", "picture"},
         {K::PictureName},
         [this](const Arguments &a) { show_picture(*std::get<zun::Picture *>(a[0])); }},
    };
}

SimRunner::ExitStatus SimRunner::run(std::istream &script, std::ostream &errors)
{
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        try {
            run_line(line);
        } catch (const BadLine &error) {
            errors << "line " << number << ": " << error.what() << '\n';
            return ScriptError;
        } catch (const std::exception &error) {
            errors << "line " << number << ": the model failed: " << error.what() << '\n';
            return ModelFailed;
        }
    }
    return Completed;
}

void SimRunner::run_line(std::string_view line)
{
    const std::vector<std::string_view> tokens = split(line.substr(0, line.find('#')));
    if (tokens.empty())
        return;
    const Command *command = match(tokens);
    if (!command)
        throw BadLine("unknown command '" + joined(tokens) + "'");
    const std::vector<std::string_view> given(tokens.begin() + command->words.size(), tokens.end());
    if (given.size() != command->arguments.size())
        throw BadLine("'" + joined(command->words) + "' takes " +
                      std::to_string(command->arguments.size()) + " argument(s), not " +
                      std::to_string(given.size()));
    Arguments arguments;
    for (std::size_t i = 0; i < given.size(); ++i)
        arguments.push_back(parse(command->arguments[i], given[i]));
    command->action(arguments);
}

// The command whose words begin the line, the longest one where several do.
const SimRunner::Command *SimRunner::match(const std::vector<std::string_view> &tokens) const
{
    const Command *best = nullptr;
    for (const Command &command : commands_) {
        if (command.words.size() > tokens.size() ||
            (best && best->words.size() >= command.words.size()))
            continue;
        if (std::equal(command.words.begin(), command.words.end(), tokens.begin()))
            best = &command;
    }
    return best;
}

SimRunner::Argument SimRunner::parse(ArgumentKind kind, std::string_view token) const
{
    switch (kind) {
    case ArgumentKind::Duration: {
        const long long value = parse_number(token);
        if (value < 0)
            throw BadLine("a duration cannot be negative: " + std::string(token));
        return value;
    }
    case ArgumentKind::Mechanism: {
        const long long value = parse_number(token);
        if (value < 0 || value >= zun::TSimulator::Mech_Count)
            throw BadLine("mechanism " + std::string(token) + " outside 0..199");
        return value;
    }
    case ArgumentKind::PictureName:
        if (zun::Picture *picture = sim_.pictures.find_picture(token))
            return picture;
        throw BadLine("unknown picture '" + std::string(token) + "'");
    }
    throw BadLine("unreadable argument '" + std::string(token) + "'");
}

zun::TMech &SimRunner::mech(const Argument &argument)
{
    return *sim_.Mech_Array[static_cast<std::size_t>(std::get<long long>(argument))];
}

void SimRunner::show_mech(const zun::TMech &mech, long long number)
{
    out_ << "mech=" << number << " kind=" << int{mech.Kind_Move} << " phase=" << mech.Phase
         << " x=" << mech.Pos_X << " y=" << mech.Pos_Y << " z=" << mech.Pos_Z
         << " kv_fwd=" << mech.bi_KV_FWD << " kv_rws=" << mech.bi_KV_RWS
         << " km_fwd=" << mech.b_KM_FWD << " km_rws=" << mech.b_KM_RWS
         << " interval=" << mech.Timer_Drive.interval() << " saved=" << mech.Saved_Interval
         << " normal=" << mech.b_Normal_Speed << " running=" << mech.Timer_Drive.enabled() << '\n';
}

void SimRunner::show_picture(const zun::Picture &picture)
{
    out_ << "picture=" << picture.name() << " panel=" << picture.panel().name()
         << " left=" << picture.left() << " top=" << picture.top() << " width=" << picture.width()
         << " height=" << picture.height() << " visible=" << picture.visible()
         << " tag=" << picture.tag() << " hint=" << picture.hint() << '\n';
}
