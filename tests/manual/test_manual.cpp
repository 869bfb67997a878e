#include "manual/book.h"
#include "manual/cp1251.h"
#include "manual/writer.h"

#include "sim/simulator.h"
#include "sim/steps_texts.h"
#include "sim/ui_port.h"
#include "training/explanations.h"
#include "training/score.h"
#include "training/step_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

using namespace zun::manual;

const Book &book()
{
    static const Book made = make_book(ZUN_MANUAL_PAGES, "/usr/share/zun-trainer");
    return made;
}

// Every target "page.html" or "page.html#anchor" of the book.
std::set<std::string> targets(const Book &book)
{
    std::set<std::string> all;
    for (const Page &page : book.pages) {
        all.insert(page.file);
        for (std::size_t at = page.body.find(" id=\""); at != std::string::npos;
             at = page.body.find(" id=\"", at + 1)) {
            const std::size_t start = at + 5;
            all.insert(page.file + "#" +
                       page.body.substr(start, page.body.find('"', start) - start));
        }
    }
    return all;
}

std::vector<std::string> links_of(const std::string &html, std::string_view attribute)
{
    std::vector<std::string> links;
    const std::string open = std::string(attribute) + "=\"";
    for (std::size_t at = html.find(open); at != std::string::npos; at = html.find(open, at + 1)) {
        const std::size_t start = at + open.size();
        links.push_back(html.substr(start, html.find('"', start) - start));
    }
    return links;
}

TEST(ManualTest, EveryLinkOfEveryPageLeadsToAPageOrAnAnchorOfTheBook)
{
    const std::set<std::string> known = targets(book());
    for (std::size_t i = 0; i < book().pages.size(); ++i) {
        const Page &page = book().pages[i];
        SCOPED_TRACE(page.file);
        for (const std::string &link : links_of(html_document(book(), i, "utf-8"), "href")) {
            if (link == "style.css")
                continue;
            EXPECT_TRUE(known.contains(link)) << link;
        }
        for (const Section &section : page.sections)
            EXPECT_TRUE(known.contains(section.target)) << section.target;
        for (const IndexEntry &entry : page.index)
            EXPECT_TRUE(known.contains(entry.target)) << entry.target;
    }
}

TEST(ManualTest, PicturesAreTheRepositorysAndTheDataFolderIsNamed)
{
    std::string all;
    for (const Page &page : book().pages)
        all += page.body;
    for (const std::string &picture : links_of(all, "src")) {
        ASSERT_EQ(picture.rfind("images/", 0), 0U) << picture;
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZUN_MANUAL_PAGES) / "../../docs" /
                                            picture.substr(7)))
            << picture;
    }
    EXPECT_EQ(all.find("@DATA_DIR@"), std::string::npos);
    EXPECT_NE(all.find("<code>/usr/share/zun-trainer</code>"), std::string::npos);
}

TEST(ManualTest, PicturesOfTheBookAreTheOnesItsPagesShow)
{
    std::string all;
    for (const Page &page : book().pages)
        all += page.body;
    std::set<std::string> shown;
    for (const std::string &picture : links_of(all, "src"))
        shown.insert(picture.substr(std::string("images/").size()));
    EXPECT_EQ(pictures_of(book()), shown);
    EXPECT_TRUE(shown.contains("main_window.png"));
    EXPECT_TRUE(shown.contains("instructor_window.png"));
}

TEST(ManualTest, TheReportPageQuotesTheProgramsOwnScoreRule)
{
    const auto report = std::ranges::find(book().pages, "report.html", &Page::file);
    ASSERT_NE(report, book().pages.end());
    EXPECT_NE(report->body.find(escape(zun::score_rule)), std::string::npos);
    for (const Page &page : book().pages)
        EXPECT_EQ(page.body.find("@SCORE_RULE@"), std::string::npos) << page.file;
}

TEST(ManualTest, TheStepsPageCarriesEveryExplanationOfTheStepsWindowInOrder)
{
    const Page page = steps_page();
    std::size_t at = 0;
    for (int line = 0; line < zun::steps::line_count; ++line) {
        SCOPED_TRACE(line);
        at = page.body.find("<h2 id=\"step_" + std::to_string(line) + "\">", at);
        ASSERT_NE(at, std::string::npos);
        std::istringstream explanation(zun::training::explanation(line));
        for (std::string text; std::getline(explanation, text);) {
            at = page.body.find("<p>" + escape(text) + "</p>", at);
            ASSERT_NE(at, std::string::npos) << text;
        }
    }
}

// The numbers the page lists as having no key.
std::set<int> numbers_without_key(const std::string &body)
{
    const std::string opening = "<p>Номера ";
    const std::size_t start = body.find(opening) + opening.size();
    std::istringstream list(body.substr(start, body.find(" в списке", start) - start));
    std::set<int> numbers;
    for (std::string number; std::getline(list, number, ',');)
        numbers.insert(std::stoi(number));
    return numbers;
}

TEST(ManualTest, TheMachinesPageNamesEveryItemOfTheFindListWithItsKeysPlace)
{
    const zun::Simulator simulator;
    const zun::LineModel &sim = simulator.state();
    const Page page = machines_page();
    std::set<int> without_key;
    for (int number = 1; number < zun::console::mech_name_count; ++number) {
        SCOPED_TRACE(number);
        const std::string &name = sim.find_mech_list[number];
        const zun::console::Control *key = zun::console::key_of(number);
        const std::size_t at = page.body.find("<tr id=\"mech_" + std::to_string(number) + "\">");
        if (name.empty() || !key) {
            EXPECT_EQ(at, std::string::npos);
            if (!name.empty())
                without_key.insert(number);
            continue;
        }
        ASSERT_NE(at, std::string::npos);
        const std::string cells = page.body.substr(at, page.body.find("</tr>", at) - at);
        EXPECT_NE(cells.find(escape(zun::training::mech_name(number))), std::string::npos);
        EXPECT_NE(cells.find(escape(zun::training::place_of(*key))), std::string::npos);
        EXPECT_NE(cells.find(escape(zun::training::key_tip(*key))), std::string::npos);
    }
    EXPECT_FALSE(without_key.empty());
    EXPECT_EQ(numbers_without_key(page.body), without_key);
}

// The first page a fresh PC shows: what opens the manual and the videos, and what to install when
// nothing does; it is the book itself, so it neither names nor links "Содержание".
TEST(ManualTest, TheFirstPageSaysWhatOpensTheManualAndTheVideos)
{
    const std::string first = html_document(book(), 0, "utf-8");
    for (const char *said : {"«справка»", "help_zun5.chm", "браузер", "видеопроигрыватель", "mpv",
                             "xchm", "sudo apt install"})
        EXPECT_NE(first.find(said), std::string::npos) << said;
    EXPECT_EQ(first.find("Содержание"), std::string::npos);
    EXPECT_NE(first.find("<title>" + escape(book().title) + "</title>"), std::string::npos);
    const std::string second = html_document(book(), 1, "utf-8");
    EXPECT_NE(second.find("<a href=\"index.html\">Содержание</a>"), std::string::npos);
}

// The start screen calls the program «симулятор агрегата продольной резки»: so does the manual.
TEST(ManualTest, TheProgramGoesByTheStartScreensName)
{
    EXPECT_EQ(book().title, "Симулятор агрегата продольной резки");
    for (const Page &page : book().pages)
        for (const char *other_name : {"Тренажёр", "тренажёр", "Тренажер", "тренажер"})
            EXPECT_EQ(page.body.find(other_name), std::string::npos)
                << page.file << " says " << other_name;
}

TEST(ManualTest, TheHelpProjectIsRussianAndListsEveryPage)
{
    const std::string project = chm_project(book(), {"style.css", "images/main_window.png"});
    EXPECT_NE(project.find("Language=0x419 Russian\n"), std::string::npos);
    EXPECT_NE(project.find("Compiled file=help_zun5.chm\n"), std::string::npos);
    EXPECT_NE(project.find("Default topic=index.html\n"), std::string::npos);
    EXPECT_NE(project.find("Binary Index=No\n"), std::string::npos) << "the same pages, one file";
    for (const Page &page : book().pages)
        EXPECT_NE(project.find("\n" + page.file + "\n"), std::string::npos) << page.file;
    EXPECT_NE(project.find("\nimages/main_window.png\n"), std::string::npos);
}

TEST(ManualTest, ContentsAndIndexSayTheirCodePageAndEncodeInIt)
{
    for (const std::string &sitemap : {chm_contents(book()), chm_index(book())}) {
        EXPECT_NE(sitemap.find("charset=windows-1251"), std::string::npos);
        const std::string encoded = to_cp1251(sitemap);
        EXPECT_EQ(encoded.find("&#"), std::string::npos) << "a name the code page lacks";
        EXPECT_NE(encoded.find(to_cp1251("value=\"Механизмы линии\"")), std::string::npos);
    }
    EXPECT_NE(chm_contents(book()).find("value=\"steps.html#step_48\""), std::string::npos);
}

TEST(ManualTest, TheIndexIsAlphabeticalAndNumbersGoByValue)
{
    const std::string index = chm_index(book());
    const auto before = [&](const std::string &first, const std::string &second) {
        const std::size_t a = index.find("value=\"" + first);
        const std::size_t b = index.find("value=\"" + second);
        EXPECT_NE(a, std::string::npos) << first;
        EXPECT_NE(b, std::string::npos) << second;
        EXPECT_LT(a, b) << first << " / " << second;
    };
    before("2 стол разматывателя", "10 отгибатель");
    before("? 8 ролик стола", "9 качающийся стол");
    before("шаг 02", "Шаг за шагом"); // regardless of case
    before("Главное окно", "Поиск механизма");
    before("шаг 02", "шаг 10");
}

TEST(ManualTest, APageWithoutItsHeadingStopsTheBuild)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "zun_manual_test_pages";
    std::filesystem::remove_all(folder);
    std::filesystem::copy(ZUN_MANUAL_PAGES, folder);
    std::ofstream(folder / "keys.html", std::ios::trunc) << "<p>no heading</p>\n";
    EXPECT_THROW(make_book(folder, "/usr/share/zun-trainer"), BadSource);
    std::filesystem::remove(folder / "keys.html");
    EXPECT_THROW(make_book(folder, "/usr/share/zun-trainer"), BadSource);
    std::filesystem::remove_all(folder);
}

} // namespace
