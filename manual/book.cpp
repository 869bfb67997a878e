#include "book.h"

#include "sim/console_layout.h"
#include "sim/simulator.h"
#include "sim/stage_tables.h"
#include "sim/steps_texts.h"
#include "training/explanations.h"
#include "training/score.h"
#include "training/step_facts.h"

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <set>
#include <sstream>

namespace zun::manual {

namespace {

// The hand-written pages in reading order; the generated ones stand between them.
constexpr const char *pages_before_tables[] = {"start.html", "main_window.html", "keys.html",
                                               "modes.html", "guidance.html",    "sessions.html",
                                               "report.html"};
constexpr const char *pages_after_tables[] = {"instructor.html", "extras.html"};

std::string read_file(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw BadSource("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void replace_all(std::string &text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// The text between `open` and `close` from `from` on; npos in `at` when there is none.
std::string between(const std::string &text, std::string_view open, std::string_view close,
                    std::size_t &at)
{
    const std::size_t start = text.find(open, at);
    if (start == std::string::npos) {
        at = std::string::npos;
        return {};
    }
    const std::size_t end = text.find(close, start + open.size());
    if (end == std::string::npos)
        throw BadSource("unclosed " + std::string(open));
    at = end + close.size();
    return text.substr(start + open.size(), end - start - open.size());
}

// Its title is its <h1>; its sections are its <h2 id="..."> headings. The texts the program
// itself uses stand in the page as placeholders, so that the manual says what the program does.
Page hand_written_page(const std::filesystem::path &sources, const std::string &file,
                       const std::string &data_dir)
{
    Page page{file, {}, read_file(sources / file), {}, {}};
    replace_all(page.body, "@DATA_DIR@", escape(data_dir));
    replace_all(page.body, "@SCORE_RULE@", escape(score_rule));
    std::size_t at = 0;
    page.title = between(page.body, "<h1>", "</h1>", at);
    if (at == std::string::npos)
        throw BadSource(file + " has no <h1> heading");
    page.index.push_back({page.title, file});
    for (at = 0;;) {
        const std::string heading = between(page.body, "<h2 id=\"", "</h2>", at);
        if (at == std::string::npos)
            break;
        const std::size_t quote = heading.find("\">");
        if (quote == std::string::npos)
            throw BadSource(file + ": malformed heading " + heading);
        const Section section{heading.substr(quote + 2), file + "#" + heading.substr(0, quote)};
        page.sections.push_back(section);
        page.index.push_back({section.title, section.target});
    }
    return page;
}

std::string paragraphs(const std::string &text)
{
    std::string html;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        html += "<p>" + escape(line) + "</p>\n";
    return html;
}

std::string_view key_kind(const console::Control &key)
{
    switch (key.kind) {
    case console::ControlKind::BackKey:
        return "без фиксации";
    case console::ControlKind::FixedKey:
        return "с фиксацией";
    default:
        return "«90», с фиксацией";
    }
}

// Said first, for a PC where nothing opens the manual or the videos yet.
constexpr std::string_view what_opens_the_documents =
    "<p>Кнопка «справка» заставки открывает это руководство: файл <code>help_zun5.chm</code> — "
    "в программе просмотра справки, если она установлена (например, <code>xchm</code>), иначе "
    "эти же страницы — в браузере. Ролики меню «видео ролики» (файлы AVI) показывает "
    "видеопроигрыватель, например <code>mpv</code> или <code>vlc</code>. Пакет "
    "<code>zun-trainer</code> рекомендует проигрыватель и браузер, и при обычной установке "
    "справка и ролики открываются. Если на компьютере нет программы для файла, симулятор говорит "
    "об этом в окне сообщения и показывает, где лежит файл; тогда установите проигрыватель и "
    "браузер, например командой <code>sudo apt install mpv dillo</code> (вместо "
    "<code>dillo</code> подойдёт любой браузер, например <code>firefox-esr</code>, или программа "
    "просмотра справки <code>xchm</code>).</p>\n";

std::string contents_body(const Book &book)
{
    std::string body = "<h1>" + escape(book.title) +
                       "</h1>\n"
                       "<p>Руководство обучаемого: окна симулятора и работа с ними, механизмы "
                       "линии и 48 шагов работы с пояснениями, запись и повтор сеансов, отчёт и "
                       "журнал, окно инструктора.</p>\n" +
                       std::string(what_opens_the_documents) + "<ul class=\"contents\">\n";
    for (std::size_t i = 1; i < book.pages.size(); ++i) {
        const Page &page = book.pages[i];
        body += "<li><a href=\"" + page.file + "\">" + page.title + "</a>";
        if (!page.sections.empty() && page.file != "steps.html") {
            body += "\n<ul>\n";
            for (const Section &section : page.sections)
                body += "<li><a href=\"" + section.target + "\">" + section.title + "</a></li>\n";
            body += "</ul>\n";
        }
        body += "</li>\n";
    }
    return body + "</ul>\n";
}

} // namespace

std::string escape(std::string_view text)
{
    std::string html;
    html.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

Page machines_page()
{
    const Simulator simulator;
    const LineModel &sim = simulator.state();
    Page page{"machines.html", "Механизмы линии", {}, {}, {}};
    std::string rows;
    std::string without_key;
    for (int number = 1; number < console::mech_name_count; ++number) {
        const std::string &name = sim.find_mech_list[number];
        if (name.empty())
            continue;
        const console::Control *key = console::key_of(number);
        if (!key) {
            without_key += (without_key.empty() ? "" : ", ") + std::to_string(number);
            continue;
        }
        const std::string anchor = "mech_" + std::to_string(number);
        const std::string shown = training::mech_name(number);
        rows += "<tr id=\"" + anchor + "\"><td>" + std::to_string(number) + "</td><td>" +
                escape(shown) + "</td><td>" + escape(training::place_of(*key)) + "</td><td>" +
                std::string(key_kind(*key)) + "</td><td>" + escape(training::key_tip(*key)) +
                "</td></tr>\n";
        page.index.push_back({shown, page.file + "#" + anchor});
    }
    page.body = "<h1>" + page.title +
                "</h1>\n"
                "<p>Все механизмы линии, у которых есть ключ, — под теми же именами, что в поле "
                "«поиск механизма» главного окна. Имя начинается с номера механизма. Для "
                "каждого сказано, на каком посту и пульте стоит его ключ и как его поворачивать "
                "мышью.</p>\n<table class=\"machines\">\n<tr><th>№</th><th>механизм (имя в "
                "поиске)</th><th>пост и пульт</th><th>ключ</th><th>как поворачивать</th></tr>\n" +
                rows + "</table>\n";
    if (!without_key.empty())
        page.body += "<p>Номера " + without_key +
                     " в списке поиска помечены «не существует»: у этих механизмов нет ключа "
                     "ни на одном пульте.</p>\n";
    page.index.push_back({page.title, page.file});
    return page;
}

Page steps_page()
{
    Page page{"steps.html", "48 шагов работы", {}, {}, {}};
    page.body = "<h1>" + page.title +
                "</h1>\n"
                "<p>Сценарий работы агрегата — те же строки, что в списке окна шагов, и те же "
                "пояснения, что окно шагов показывает под списком.</p>\n";
    const auto lines = steps::lines();
    for (int line = 0; line < steps::line_count; ++line) {
        const bool numbered = line >= 1 && line <= stages::last_stage;
        const std::string title = numbered    ? std::string(lines[line])
                                  : line == 0 ? "Перед первым шагом"
                                              : "После последнего шага";
        const std::string anchor = "step_" + std::to_string(line);
        page.body += "<h2 id=\"" + anchor + "\">" + escape(title) + "</h2>\n" +
                     paragraphs(training::explanation(line));
        page.sections.push_back({escape(title), page.file + "#" + anchor});
        if (numbered) {
            std::ostringstream keyword;
            keyword << "шаг " << std::setw(2) << std::setfill('0') << line;
            page.index.push_back({keyword.str(), page.file + "#" + anchor});
        }
    }
    page.index.push_back({page.title, page.file});
    return page;
}

std::set<std::string> pictures_of(const Book &book)
{
    const std::string open = "src=\"" + std::string(pictures_folder) + "/";
    std::set<std::string> pictures;
    for (const Page &page : book.pages)
        for (std::size_t at = 0;;) {
            const std::string name = between(page.body, open, "\"", at);
            if (at == std::string::npos)
                break;
            pictures.insert(name);
        }
    return pictures;
}

Book make_book(const std::filesystem::path &sources, const std::string &data_dir)
{
    Book book{"Симулятор агрегата продольной резки", {}};
    book.pages.push_back({"index.html", "Содержание", {}, {}, {}});
    for (const char *file : pages_before_tables)
        book.pages.push_back(hand_written_page(sources, file, data_dir));
    book.pages.push_back(machines_page());
    book.pages.push_back(steps_page());
    for (const char *file : pages_after_tables)
        book.pages.push_back(hand_written_page(sources, file, data_dir));
    book.pages.front().body = contents_body(book);
    return book;
}

} // namespace zun::manual
