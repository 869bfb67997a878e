#pragma once

#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The trainee's manual as pages of HTML bodies: hand-written pages from the repository's
// manual/pages, and the pages made from the model's own tables (the machines of the line, the
// 48 steps with the steps window's explanations).
namespace zun::manual {

// A keyword of the index and where it leads: "steps.html#step_7".
struct IndexEntry {
    std::string keyword;
    std::string target;
};

// A section of a page, for the contents.
struct Section {
    std::string title;
    std::string target;
};

struct Page {
    std::string file; // "keys.html"
    std::string title;
    std::string body; // HTML inside <body>, starting with the page's <h1>
    std::vector<Section> sections;
    std::vector<IndexEntry> index;
};

struct Book {
    std::string title;
    std::vector<Page> pages; // in reading order; the first is the contents page index.html
};

// A page the build could not read or that lacks its heading.
class BadSource : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `sources` is the folder of the hand-written pages; `data_dir` the installed data folder the
// pages name.
Book make_book(const std::filesystem::path &sources, const std::string &data_dir);

// The folder beside the pages that holds the pictures they show.
inline constexpr std::string_view pictures_folder = "images";

// The pictures the pages show, by their names in the pictures folder: "main_window.png".
std::set<std::string> pictures_of(const Book &book);

// The generated pages on their own.
Page machines_page();
Page steps_page();

// The text made safe to stand in HTML.
std::string escape(std::string_view text);

} // namespace zun::manual
