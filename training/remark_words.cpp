#include "remark_words.h"

#include "sim/console_layout.h"
#include "sim/line_model.h"
#include "training/assessment.h"

#include <array>
#include <utility>

namespace zun {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

// «Ключ «CAPTION», механизм «NAME»», the key alone where it is bound to no mechanism, or only
// the mechanism for a pulse given without a console.
std::string what_was_operated(const StageRemark &remark, std::string_view mechanism)
{
    const int row = console::find_control(remark.control);
    if (row < 0)
        return "Механизм " + quoted(mechanism);
    const console::Control &control = console::controls()[static_cast<std::size_t>(row)];
    const std::string_view kind = control.is_key() ? "Ключ " : "Кнопка ";
    const std::string operated = std::string(kind) + quoted(trimmed(control.caption));
    return mechanism.empty() ? operated : operated + ", механизм " + quoted(mechanism);
}

} // namespace

std::string_view refusal_in_words(std::string_view reason)
{
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> words{{
        {"at_end", "механизм уже в конечном положении"},
        {"not_permitted", "нет разрешения"},
        {"interlocked", "мешает блокировка"},
        {"running_opposite", "механизм движется в другую сторону"},
        {"drive_fault", "привод неисправен"},
    }};
    for (const auto &[word, words_for_it] : words)
        if (word == reason)
            return words_for_it;
    return {};
}

std::string_view refusal_in_words(Refusal refusal)
{
    return refusal_in_words(refusal_word(refusal));
}

std::string remark_in_words(const StageRemark &remark, const LineModel &model)
{
    const std::string_view mechanism = trimmed(model.mechanism_name(remark.mech));
    const std::string_view refusal = refusal_in_words(remark.reason);
    const std::string why =
        mechanism.empty() ? std::string("в программе он ни к чему не привязан")
        : remark.what == StageRemark::What::OutOfSequence
            ? "этот механизм на шаге " + std::to_string(remark.stage) + " не нужен"
        : refusal.empty() ? std::string("команда не выполнена")
                          : "команда не выполнена: " + std::string(refusal);
    return what_was_operated(remark, mechanism) + ": " + why + ".";
}

} // namespace zun
