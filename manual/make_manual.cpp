// Writes the trainee's manual: the HTML pages of the help folder, and the sources of the
// compiled help file in the code page its compiler needs.
//
//   zun_make_manual PAGES DATA_DIR HTML_OUT CHM_SOURCES [PICTURE...]
#include "manual/book.h"
#include "manual/cp1251.h"
#include "manual/writer.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace zun::manual;

namespace {

constexpr const char *style_sheet = "style.css";

void write_file(const fs::path &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out.flush())
        throw std::runtime_error("cannot write " + path.string());
}

// A fresh folder with the style sheet and the pictures; their names as the pages link them.
std::vector<std::string> prepare_folder(const fs::path &folder, const fs::path &pages,
                                        const std::vector<fs::path> &pictures)
{
    fs::create_directories(folder / pictures_folder);
    std::vector<std::string> files{style_sheet};
    fs::copy_file(pages / style_sheet, folder / style_sheet, fs::copy_options::overwrite_existing);
    for (const fs::path &picture : pictures) {
        const fs::path name = fs::path(pictures_folder) / picture.filename();
        fs::copy_file(picture, folder / name, fs::copy_options::overwrite_existing);
        files.push_back(name.generic_string());
    }
    return files;
}

// Every picture a page shows must be copied, or the compiled help file would lack it.
void check_pictures(const Book &book, const std::vector<fs::path> &pictures)
{
    std::set<std::string> given;
    for (const fs::path &picture : pictures)
        given.insert(picture.filename().string());
    for (const std::string &shown : pictures_of(book))
        if (!given.contains(shown))
            throw BadSource("a page shows " + std::string(pictures_folder) + "/" + shown +
                            ", which is not among the pictures given");
}

void write_html(const Book &book, const fs::path &folder)
{
    for (std::size_t i = 0; i < book.pages.size(); ++i)
        write_file(folder / book.pages[i].file, html_document(book, i, "utf-8"));
}

void write_chm_sources(const Book &book, const fs::path &folder,
                       const std::vector<std::string> &extra_files)
{
    for (std::size_t i = 0; i < book.pages.size(); ++i)
        write_file(folder / book.pages[i].file, to_cp1251(html_document(book, i, "windows-1251")));
    write_file(folder / "help.hhp", to_cp1251(chm_project(book, extra_files)));
    write_file(folder / "contents.hhc", to_cp1251(chm_contents(book)));
    write_file(folder / "index.hhk", to_cp1251(chm_index(book)));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::cerr << "usage: zun_make_manual PAGES DATA_DIR HTML_OUT CHM_SOURCES [PICTURE...]\n";
        return 2;
    }
    try {
        const fs::path pages = argv[1];
        const Book book = make_book(pages, argv[2]);
        const std::vector<fs::path> pictures(argv + 5, argv + argc);
        check_pictures(book, pictures);
        prepare_folder(argv[3], pages, pictures);
        write_html(book, argv[3]);
        write_chm_sources(book, argv[4], prepare_folder(argv[4], pages, pictures));
    } catch (const std::exception &error) {
        std::cerr << "zun_make_manual: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
