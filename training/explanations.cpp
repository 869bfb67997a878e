#include "explanations.h"

#include "sim/steps_texts.h"
#include "sim/texts.h"
#include "training/explanation_texts.h"
#include "training/step_facts.h"

#include <string_view>

namespace zun::training {

namespace {

using Kind = stages::Test::Kind;

std::string quoted(std::string_view text)
{
    return "«" + std::string(text) + "»";
}

std::string mech_named(int mech)
{
    return "механизм " + quoted(mech_name(mech));
}

// The inscription on the side a key turns to, as the trainee reads it.
std::string_view inscription(const console::Control &key, int angle)
{
    if (angle < 0)
        return key.left_inscription ? key.left_inscription : texts::Key_Left;
    return key.right_inscription ? key.right_inscription : texts::Key_Right;
}

std::string side(int angle)
{
    return angle < 0 ? "влево" : "вправо";
}

std::string button(int angle)
{
    return angle < 0 ? "левой" : "правой";
}

// "влево, к надписи «туда»", or "влево, к стороне без надписи" with a word on what the other
// side's inscription is not.
std::string turn_towards(const console::Control &key, int angle)
{
    const std::string_view own = inscription(key, angle);
    if (!own.empty())
        return side(angle) + ", к надписи " + quoted(own);
    std::string text = side(angle) + ", к стороне без надписи";
    const std::string_view other = inscription(key, -angle);
    if (!other.empty())
        text += " (надпись " + quoted(other) + " — с другой стороны, не для этого поворота)";
    return text;
}

std::string how_to_turn(const KeyAction &action)
{
    const console::Control &key = *action.key;
    const int angle = action.angle;
    if (key.handler == console::LabelHandler::WorkingSpeed)
        return "щелчок " + button(angle) + " кнопкой мыши — ключ повернётся " +
               turn_towards(key, angle) +
               ", и линия пойдёт на рабочей скорости. Ключ без фиксации вернётся в середину, а "
               "линия продолжит работать; поворот вправо останавливает все вращающиеся приводы.";
    if (action.spring_return) {
        std::string text = "нажмите " + button(angle) +
                           " кнопкой мыши и держите: ключ без фиксации повёрнут " +
                           turn_towards(key, angle) + ", только пока кнопка нажата. ";
        if (action.has_ends)
            return text + "Отпустите, когда механизм дойдёт до конца хода.";
        return text + "Отпустите, когда шаг будет засчитан: ключ вернётся в середину, привод "
                      "остановится.";
    }
    if (action.angle_before == Upright)
        return "щелчок " + button(angle) + " кнопкой мыши — ключ повернётся " +
               turn_towards(key, angle) + ", и останется так (ключ с фиксацией).";
    const std::string since = " с шага " + std::to_string(action.turned_at);
    if (action.angle_before == angle)
        return "ключ ещё стоит " + side(angle) + since + ", но привод остановлен: щёлкните " +
               button(angle) + " кнопкой ещё раз — ключ останется на месте и снова даст пуск.";
    return "ключ остался повёрнут " + side(action.angle_before) + since + ": первый щелчок " +
           button(angle) + " кнопкой вернёт его в середину (стоп), второй повернёт его " +
           turn_towards(key, angle) + ".";
}

std::string test_in_words(const stages::Test &test)
{
    switch (test.kind) {
    case Kind::AtForwardEnd:
        return mech_named(test.mech) +
               " дойдёт до конечного положения (на панели механизма — В \"КОНЕЧНОМ\")";
    case Kind::AtReverseEnd:
        return mech_named(test.mech) +
               " дойдёт до исходного положения (на панели механизма — В \"ИСХОДНОМ\")";
    case Kind::HeadReached:
        return "передний конец полосы дойдёт до механизма " + quoted(mech_name(test.mech));
    case Kind::HeadWithin:
        if (test.value < 0)
            return "передний конец полосы пройдёт механизм " + quoted(mech_name(test.mech)) +
                   " на " + std::to_string(-test.value) + " точек";
        return "передний конец полосы дойдёт до механизма " + quoted(mech_name(test.mech));
    case Kind::HeadPastLeftGuide:
        return "передний конец полосы пройдёт левую проводку";
    case Kind::HeadAtUncoiler:
        return "вся полоса на разматывателе";
    case Kind::TailLeftMech:
        return "задний конец полосы сойдёт с механизма " + quoted(mech_name(test.mech));
    case Kind::TailPictureReached:
        return "задний конец полосы дойдёт до механизма " + quoted(mech_name(test.mech));
    case Kind::UncoilerCoilAt: {
        static constexpr const char *places[] = {"на разматывателе не будет рулона",
                                                 "рулон будет стоять на столе тележки",
                                                 "рулон будет на барабане разматывателя"};
        return places[test.value];
    }
    case Kind::RecoilerCoilAt: {
        static constexpr const char *places[] = {
            "на моталке не будет рулона", "рулон будет на барабане моталки",
            "рулон будет на съёмном столе", "рулон будет на роге поворотного стола"};
        return places[test.value];
    }
    case Kind::UncoilerCoilSize:
        return "на разматывателе останется не больше 10 % полосы";
    case Kind::HalfTurn:
        return mech_named(test.mech) + " повернётся на пол-оборота";
    case Kind::RunEnded:
        return mech_named(test.mech) + " остановится после хода";
    case Kind::ReverseRunEnded:
        return mech_named(test.mech) + " пойдёт в рабочий ход (назад он вернётся сам)";
    case Kind::BellPressed:
        return "кнопка «звонок» будет нажата (хватит короткого нажатия)";
    }
    return {};
}

std::string condition_in_words(const StepFacts &facts)
{
    std::string text = "Шаг засчитывается, когда ";
    for (std::size_t i = 0; i < facts.condition.size(); ++i)
        text += (i == 0                            ? ""
                 : i + 1 == facts.condition.size() ? " и "
                                                   : ", ") +
                test_in_words(facts.condition[i]);
    return text + ".";
}

std::string actions_in_words(const StepFacts &facts)
{
    using StepControlKind = stages::StepControl::Kind;
    if (facts.first.kind == StepControlKind::NewCoilButton)
        return "Главное окно, кнопка «поставить новый рулон» (зелёная, справа от пультов): "
               "нажмите её.";
    if (facts.first.kind == StepControlKind::Bell) {
        const console::Control &bell = console::bell_button();
        return place_of(bell) + ", кнопка " + quoted(bell.caption) +
               ": нажмите её мышью; звонок звенит, пока кнопка нажата.";
    }
    if (facts.keys.empty())
        return {};
    std::string text;
    int number = 1;
    for (const KeyAction &action : facts.keys) {
        if (facts.keys.size() > 1)
            text += std::to_string(number++) + ") ";
        text += place_of(*action.key) + ", ключ " + quoted(action.key->caption) + ": " +
                how_to_turn(action) + "\n";
    }
    if (facts.stop_after_a_while) {
        const KeyAction &kept = facts.keys.front();
        text += "Через пару секунд, когда обрезок упадёт в короб, верните ключ в середину "
                "щелчком " +
                button(-kept.angle) + " кнопки — ролик остановится.\n";
    }
    text.pop_back();
    return text;
}

// What becomes of the fixed keys the step turns once it is done: they stay turned, whether the
// line stops their rotating drives or the mechanisms stop at their ends.
std::string_view fixed_keys_afterwards(const StepFacts &facts)
{
    if (facts.stop_after_a_while)
        return {};
    bool rotating = false;
    bool fixed = false;
    for (const KeyAction &action : facts.keys) {
        fixed = fixed || !action.spring_return;
        rotating = rotating || (!action.spring_return && !action.has_ends);
    }
    if (rotating)
        return "Когда шаг засчитан, линия сама останавливает вращающиеся приводы, а ключ с "
               "фиксацией остаётся повёрнутым.";
    if (fixed)
        return "В конце хода механизм останавливается сам, а ключ с фиксацией остаётся "
               "повёрнутым, пока его не повернут обратно.";
    return {};
}

void add_line(std::string &page, std::string_view line)
{
    if (line.empty())
        return;
    if (!page.empty())
        page += '\n';
    page += line;
}

} // namespace

std::string explanation(int line)
{
    if (line < 0 || line >= steps::line_count)
        return {};
    const StepText &text = step_text(line);
    std::string page = line >= 1 && line <= stages::last_stage
                           ? "Шаг " + std::to_string(line) + ". " + std::string(text.what)
                           : std::string(text.what);
    if (line < 1 || line > stages::last_stage) {
        add_line(page, text.then);
        add_line(page, text.habit);
        return page;
    }
    const StepFacts facts = step_facts(line);
    const std::string actions = actions_in_words(facts);
    add_line(page, actions.empty() ? std::string_view("Что делать: ничего.")
                                   : std::string_view("Что делать:"));
    add_line(page, actions);
    add_line(page, text.then);
    add_line(page, condition_in_words(facts));
    add_line(page, fixed_keys_afterwards(facts));
    add_line(page, text.habit);
    return page;
}

std::string key_tip(const console::Control &key)
{
    std::string tip = "Ключ поворачивают мышью: левая кнопка — " + turn_towards(key, TurnedLeft) +
                      "; правая — " + turn_towards(key, TurnedRight) + ".";
    if (key.kind == console::ControlKind::BackKey)
        return tip + " Ключ без фиксации повёрнут, пока кнопка нажата; отпущенный, он "
                     "возвращается в середину и останавливает механизм.";
    return tip + " Ключ с фиксацией остаётся повёрнутым; щелчок в другую сторону возвращает его "
                 "в середину — стоп.";
}

} // namespace zun::training
