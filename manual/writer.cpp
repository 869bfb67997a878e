#include "writer.h"

#include "manual/cp1251.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace zun::manual {

namespace {

constexpr std::string_view chm_charset = "windows-1251";

std::string link(const std::string &target, std::string_view text)
{
    return "<a href=\"" + target + "\">" + std::string(text) + "</a>";
}

// The links are parted by text, not by style: the CHM viewers' HTML has no margins. The
// contents page is the first: it links neither to itself nor back.
std::string navigation(const Book &book, std::size_t index)
{
    constexpr std::string_view between = " &nbsp;|&nbsp; ";
    std::vector<std::string> links;
    if (index > 0) {
        links.push_back(link(book.pages.front().file, "Содержание"));
        links.push_back(
            link(book.pages[index - 1].file, "← " + escape(book.pages[index - 1].title)));
    }
    if (index + 1 < book.pages.size())
        links.push_back(
            link(book.pages[index + 1].file, escape(book.pages[index + 1].title) + " →"));
    std::string nav = "<nav>";
    for (std::size_t i = 0; i < links.size(); ++i)
        nav += (i > 0 ? std::string(between) : std::string()) + links[i];
    return nav + "</nav>\n";
}

std::string sitemap_entry(std::string_view name, std::string_view target)
{
    return "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + escape(name) +
           "\"><param name=\"Local\" value=\"" + std::string(target) + "\"></OBJECT>\n";
}

std::string sitemap(std::string_view properties, const std::string &entries)
{
    return "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML>\n<HEAD>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" +
           std::string(chm_charset) + "\">\n</HEAD>\n<BODY>\n" + std::string(properties) +
           "<UL>\n" + entries + "</UL>\n</BODY>\n</HTML>\n";
}

// The contents' and index's names are plain text; the sections' titles are HTML.
std::string plain(std::string text)
{
    for (const auto &[entity, character] :
         {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
        for (std::size_t at = text.find(entity); at != std::string::npos;
             at = text.find(entity, at + 1))
            text.replace(at, std::string_view(entity).size(), character);
    return text;
}

// The order of a reader's index: by the leading number (a mechanism's), then by the letters
// without regard to case, in the Russian alphabet's order, which the code page keeps.
struct IndexKey {
    long number; // -1 without one, so that words stand before numbers
    std::string letters;

    explicit IndexKey(std::string_view keyword) : number(-1), letters(to_cp1251(keyword))
    {
        // Some captions start with "? " where the plant's drawing left the name in doubt.
        letters.erase(0, letters.find_first_not_of("? "));
        std::from_chars(letters.data(), letters.data() + letters.size(), number);
        for (char &c : letters) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF))
                c = static_cast<char>(byte + 0x20);
        }
    }
    auto operator<=>(const IndexKey &) const = default;
};

} // namespace

namespace {

// The contents page is the book itself.
std::string page_title(const Book &book, std::size_t index)
{
    const std::string title = escape(book.title);
    return index == 0 ? title : escape(book.pages.at(index).title) + " — " + title;
}

} // namespace

std::string html_document(const Book &book, std::size_t index, std::string_view charset)
{
    const Page &page = book.pages.at(index);
    const std::string nav = navigation(book, index);
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta http-equiv=\"Content-Type\" "
           "content=\"text/html; charset=" +
           std::string(charset) + "\">\n<title>" + page_title(book, index) + "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n" + nav +
           page.body + nav + "</body>\n</html>\n";
}

// The viewer reads the index from index.hhk: the compiler's binary index would hold two bytes of
// whatever its memory held, and the same pages would not give the same file.
std::string chm_project(const Book &book, const std::vector<std::string> &extra_files)
{
    std::string project = "[OPTIONS]\n"
                          "Binary Index=No\n"
                          "Compatibility=1.1 or later\n"
                          "Compiled file=" +
                          std::string(chm_file) +
                          "\n"
                          "Contents file=contents.hhc\n"
                          "Index file=index.hhk\n"
                          "Default topic=" +
                          book.pages.front().file +
                          "\n"
                          "Display compile progress=No\n"
                          "Full-text search=Yes\n"
                          "Language=0x419 Russian\n"
                          "Title=" +
                          book.title + "\n\n[FILES]\n";
    for (const Page &page : book.pages)
        project += page.file + "\n";
    for (const std::string &file : extra_files)
        project += file + "\n";
    return project;
}

std::string chm_contents(const Book &book)
{
    std::string entries;
    for (const Page &page : book.pages) {
        entries += sitemap_entry(page.title, page.file);
        if (page.sections.empty())
            continue;
        entries += "<UL>\n";
        for (const Section &section : page.sections)
            entries += sitemap_entry(plain(section.title), section.target);
        entries += "</UL>\n";
    }
    return sitemap("<OBJECT type=\"text/site properties\">\n"
                   "<param name=\"Window Styles\" value=\"0x800025\">\n</OBJECT>\n",
                   entries);
}

std::string chm_index(const Book &book)
{
    std::vector<IndexEntry> all;
    for (const Page &page : book.pages)
        all.insert(all.end(), page.index.begin(), page.index.end());
    std::stable_sort(all.begin(), all.end(), [](const IndexEntry &a, const IndexEntry &b) {
        return IndexKey(a.keyword) < IndexKey(b.keyword);
    });
    std::string entries;
    for (const IndexEntry &entry : all)
        entries += sitemap_entry(entry.keyword, entry.target);
    return sitemap("", entries);
}

} // namespace zun::manual
