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

const std::vector<SimRunner::Command> &SimRunner::commands()
{
    using K = ArgumentKind;
    static const std::vector<Command> table{
        {{"advance"}, {K::Duration}, &SimRunner::advance},
        {{"fwd"}, {K::Mechanism}, &SimRunner::forward_pulse},
        {{"rws"}, {K::Mechanism}, &SimRunner::reverse_pulse},
        {{"halt"}, {K::Mechanism}, &SimRunner::halt},
        {{"newcoil"}, {}, &SimRunner::new_coil},
        {{"show", "time"}, {}, &SimRunner::show_time},
        {{"show", "cur"}, {}, &SimRunner::show_cur},
        {{"show", "mech"}, {K::Mechanism}, &SimRunner::show_mech},
        {{"show", "picture"}, {K::PictureName}, &SimRunner::show_picture},
        {{"show", "strip"}, {}, &SimRunner::show_strip},
        {{"show", "coils"}, {}, &SimRunner::show_coils},
    };
    return table;
}

SimRunner::SimRunner(std::ostream &out) : out_(out), sim_(ui_) {}

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
    (this->*command->action)(arguments);
}

// The command whose words begin the line, the longest one where several do.
const SimRunner::Command *SimRunner::match(const std::vector<std::string_view> &tokens) const
{
    const Command *best = nullptr;
    for (const Command &command : commands()) {
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

void SimRunner::show_strip(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim_.Frame_LineMetal;
    out_ << "segs=" << line.Seg_Count;
    for (int k = 0; k < line.Seg_Count; ++k)
        out_ << " seg" << k << '=' << line.Seg_Start[k] << ',' << line.Seg_Len[k];
    out_ << '\n';
}

void SimRunner::show_coils(const Arguments &)
{
    const zun::TFrame_LineMetal &line = sim_.Frame_LineMetal;
    out_ << "uncoiler_place=" << int{line.Gde_Rulon_Razmativatela}
         << " uncoiler_percent=" << line.Percent_Razmativatela
         << " uncoiler_class=" << line.Razmer_Rulona_Razmativatela
         << " recoiler_place=" << int{line.Gde_Rulon_Motalki}
         << " recoiler_percent=" << line.Percent_Motalki
         << " recoiler_class=" << line.Razmer_Rulona_Motalki << '\n';
}

zun::TMech &SimRunner::mech(const Argument &argument)
{
    return *sim_.Mech_Array[static_cast<std::size_t>(std::get<long long>(argument))];
}

void SimRunner::advance(const Arguments &arguments)
{
    sim_.scheduler.advance_by(std::get<long long>(arguments[0]));
}

void SimRunner::forward_pulse(const Arguments &arguments)
{
    mech(arguments[0]).f_Start_FWD_Pulse();
}

void SimRunner::reverse_pulse(const Arguments &arguments)
{
    mech(arguments[0]).f_Start_RWS_Pulse();
}

void SimRunner::halt(const Arguments &arguments)
{
    mech(arguments[0]).f_Stop();
}

void SimRunner::new_coil(const Arguments &)
{
    sim_.Button_Get_RulonClick();
}

void SimRunner::show_time(const Arguments &)
{
    out_ << "time=" << sim_.scheduler.now() << '\n';
}

void SimRunner::show_cur(const Arguments &)
{
    out_ << "cur=" << sim_.Cur_Mech << '\n';
}

void SimRunner::show_mech(const Arguments &arguments)
{
    const zun::TMech &mech = this->mech(arguments[0]);
    out_ << "mech=" << std::get<long long>(arguments[0]) << " kind=" << int{mech.Kind_Move}
         << " phase=" << mech.Phase << " x=" << mech.Pos_X << " y=" << mech.Pos_Y
         << " z=" << mech.Pos_Z << " kv_fwd=" << mech.bi_KV_FWD << " kv_rws=" << mech.bi_KV_RWS
         << " km_fwd=" << mech.b_KM_FWD << " km_rws=" << mech.b_KM_RWS
         << " interval=" << mech.Timer_Drive.interval() << " saved=" << mech.Saved_Interval
         << " normal=" << mech.b_Normal_Speed << " running=" << mech.Timer_Drive.enabled() << '\n';
}

void SimRunner::show_picture(const Arguments &arguments)
{
    const zun::Picture &picture = *std::get<zun::Picture *>(arguments[0]);
    out_ << "picture=" << picture.name() << " panel=" << picture.panel().name()
         << " left=" << picture.left() << " top=" << picture.top() << " width=" << picture.width()
         << " height=" << picture.height() << " visible=" << picture.visible()
         << " tag=" << picture.tag() << " hint=" << picture.hint() << '\n';
}
