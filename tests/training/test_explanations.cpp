// The explanation pages: every instruction names a real control, where it really is, bound to a
// mechanism the step uses; the pages say what the trainee could not guess.
#include "sim/console_layout.h"
#include "sim/stage_tables.h"
#include "sim/steps_texts.h"
#include "training/explanations.h"
#include "training/step_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zun::training {
namespace {

constexpr std::string_view open_quote = "«";
constexpr std::string_view close_quote = "»";

// The text between the first pair of quotes at or after `from`.
std::string quoted_after(const std::string &text, std::size_t from)
{
    const std::size_t open = text.find(open_quote, from);
    const std::size_t start = open + open_quote.size();
    return text.substr(start, text.find(close_quote, start) - start);
}

struct NamedControl {
    std::string post; // empty for a page of its own
    std::string page;
    std::string caption;
};

constexpr std::string_view main_window = "Главное окно";

// "[n) ]ПОСТ 1, пульт «P», ключ «C»: ...", "вкладка «P», ключ «C»: ..." or "Главное окно,
// кнопка «C»"; likewise "кнопка" on a console.
std::vector<NamedControl> instructions(const std::string &page)
{
    std::vector<NamedControl> named;
    std::istringstream lines(page);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t key = line.find(", ключ «");
        const std::size_t button = line.find(", кнопка «");
        const std::size_t control = std::min(key, button);
        if (control == std::string::npos)
            continue;
        const std::string place = line.substr(0, control);
        const std::size_t post = place.find("ПОСТ ");
        const std::string page =
            place.starts_with(main_window) ? std::string(main_window) : quoted_after(place, 0);
        named.push_back(
            {post == std::string::npos ? "" : place.substr(post, place.find(',') - post), page,
             quoted_after(line, control)});
    }
    return named;
}

std::string post_of(const console::Page &page)
{
    for (const console::PageControl &holder : console::page_controls())
        if (holder.name == page.page_control)
            if (const console::Page *post = console::page_named(holder.parent))
                return std::string(post->tab_caption);
    return {};
}

// The mechanisms the line commands in the step, and those whose position completes it.
std::set<int> mechs_of_step(int stage)
{
    std::set<int> mechs;
    for (const stages::Command &command : stages::commands(stage)) {
        mechs.insert(command.mech);
        if (command.op == stages::Command::Op::WorkingSpeed)
            mechs.insert(stages::first_control(stage).mech);
    }
    for (const stages::Test &test : stages::condition(stage))
        mechs.insert(test.mech);
    return mechs;
}

TEST(ExplanationsTest, EveryInstructionNamesAControlOnThePageItNamesBoundToTheStepsMechanism)
{
    for (int stage = 1; stage <= stages::last_stage; ++stage) {
        SCOPED_TRACE(stage);
        const std::string page = explanation(stage);
        const std::vector<NamedControl> named = instructions(page);
        const StepFacts facts = step_facts(stage);
        EXPECT_EQ(!named.empty(), facts.first.kind != stages::StepControl::Kind::None) << page;
        for (const NamedControl &each : named) {
            if (each.page == main_window) {
                EXPECT_EQ(facts.first.kind, stages::StepControl::Kind::NewCoilButton);
                EXPECT_EQ(each.caption, "поставить новый рулон");
                continue;
            }
            const auto &all = console::controls();
            const auto found = std::find_if(all.begin(), all.end(), [&](const console::Control &c) {
                const console::Page &on = *console::page_named(c.page);
                return c.caption == each.caption && on.tab_caption == each.page &&
                       post_of(on) == each.post;
            });
            ASSERT_NE(found, all.end()) << each.post << " / " << each.page << " / " << each.caption;
            if (found->is_key()) {
                EXPECT_NE(found->tag, 0) << each.caption;
                EXPECT_TRUE(mechs_of_step(stage).contains(found->tag)) << each.caption;
            } else {
                EXPECT_TRUE(found->bell) << each.caption;
            }
        }
    }
}

TEST(ExplanationsTest, KeysTheTextNamesExist)
{
    for (int line = 0; line < steps::line_count; ++line) {
        const std::string page = explanation(line);
        for (std::size_t at = page.find("ключ «"); at != std::string::npos;
             at = page.find("ключ «", at + 1)) {
            const std::string caption = quoted_after(page, at);
            const auto &all = console::controls();
            EXPECT_TRUE(
                std::any_of(all.begin(), all.end(),
                            [&](const console::Control &c) { return c.caption == caption; }))
                << "line " << line << ": " << caption;
        }
    }
}

TEST(ExplanationsTest, EveryLineHasAPageAndEveryStepSaysWhatCompletesIt)
{
    for (int line = 0; line < steps::line_count; ++line) {
        SCOPED_TRACE(line);
        const std::string page = explanation(line);
        EXPECT_FALSE(page.empty());
        const bool a_step = line >= 1 && line <= stages::last_stage;
        EXPECT_EQ(page.starts_with("Шаг " + std::to_string(line) + ". "), a_step);
        const std::size_t done = page.find("Шаг засчитывается, когда ");
        ASSERT_EQ(done != std::string::npos, a_step);
        if (a_step) {
            EXPECT_NE(page[page.find('.', done) - 1], ' ') << "a condition without words";
        }
    }
    EXPECT_EQ(explanation(steps::line_count), "");
}

TEST(ExplanationsTest, StepsWhoseKeyIsNamedUnlikeTheMachineNameTheKey)
{
    struct Case {
        int stage;
        std::vector<std::string> says;
    };
    const Case cases[] = {
        {13, {"ключ «20 качание выдающего ролика»: щелчок левой кнопкой мыши"}},
        {14, {"ключ «22 качание стола»: щелчок левой кнопкой", "«15-16 уборка обрезков»"}},
        {18,
         {"ключ «18 гильотинные ножницы»: нажмите левой кнопкой мыши и держите",
          "к стороне без надписи (надпись «рез» — с другой стороны"}},
        {19, {"верните ключ в середину щелчком правой кнопки", "остановится после хода"}},
        {24, {"ключ «49 вертикальные ролики сведение»: щелчок левой кнопкой"}},
        {39, {"кнопка «звонок»", "звонят перед рабочей скоростью"}},
        {40, {"ключ «рабочая скорость»", "линия продолжит работать"}},
        {41, {"Что делать: ничего."}},
    };
    for (const Case &each : cases)
        for (const std::string &part : each.says)
            EXPECT_NE(explanation(each.stage).find(part), std::string::npos)
                << "page " << each.stage << " lacks: " << part;
}

// Fixed keys keep their place when the line stops their drive; the page says what the next
// click then does.
TEST(ExplanationsTest, AFixedKeyLeftTurnedByAnEarlierStepIsTurnedFromWhereItStands)
{
    struct Case {
        int stage;
        std::string says;
    };
    const Case cases[] = {
        {7, "ключ «5 зев разматывателя»: ключ остался повёрнут вправо с шага 2: первый щелчок "
            "левой кнопкой вернёт его в середину (стоп), второй повернёт его влево"},
        {15, "ключ ещё стоит влево с шага 12, но привод остановлен: щёлкните левой кнопкой ещё "
             "раз"},
        {20, "ключ «22 качание стола»: ключ остался повёрнут влево с шага 14"},
        {44, "ключ «70 сжимание барабана моталки»: ключ остался повёрнут влево с шага 30"},
        {2, "ключ «5 зев разматывателя»: щелчок правой кнопкой мыши — ключ повернётся вправо"},
    };
    for (const Case &each : cases)
        EXPECT_NE(explanation(each.stage).find(each.says), std::string::npos)
            << "page " << each.stage << ":\n"
            << explanation(each.stage);
    EXPECT_NE(explanation(13).find("ключ с фиксацией остаётся повёрнутым, пока его не повернут"),
              std::string::npos);
    EXPECT_NE(explanation(21).find("линия сама останавливает вращающиеся приводы, а ключ с "
                                   "фиксацией остаётся повёрнутым"),
              std::string::npos);
}

TEST(ExplanationsTest, TheKeyTipNamesTheButtonsWithTheKeysOwnInscriptions)
{
    const auto tip_of = [](std::string_view frame) {
        for (const console::Control &control : console::controls())
            if (control.frame == frame)
                return key_tip(control);
        return std::string();
    };
    EXPECT_EQ(tip_of("Frame_45_Key_Fix_2"),
              "Ключ поворачивают мышью: левая кнопка — влево, к надписи «влево»; правая — "
              "вправо, к надписи «вправо». Ключ с фиксацией остаётся повёрнутым; щелчок в другую "
              "сторону возвращает его в середину — стоп.");
    const std::string shears = tip_of("Frame_45_Key_Back_3");
    EXPECT_NE(shears.find("левая кнопка — влево, к стороне без надписи"), std::string::npos);
    EXPECT_NE(shears.find("правая — вправо, к надписи «рез»"), std::string::npos);
    EXPECT_NE(shears.find("повёрнут, пока кнопка нажата"), std::string::npos);
}

} // namespace
} // namespace zun::training
