#pragma once

#include "manual/book.h"

#include <string>
#include <string_view>

// The manual's files: HTML pages for the browser, and the help compiler's project, contents
// and index for the compiled help file.
namespace zun::manual {

inline constexpr std::string_view chm_file = "help_zun5.chm";

// Page `index` of the book as a whole HTML document in the given character set, with links to
// the contents and to the pages before and after it.
std::string html_document(const Book &book, std::size_t index, std::string_view charset);

// The help compiler's project: the book's pages and the `extra_files` (pictures, style sheet).
std::string chm_project(const Book &book, const std::vector<std::string> &extra_files);
// The contents tree: every page, and the sections of the pages below it.
std::string chm_contents(const Book &book);
// The index: every keyword, alphabetically.
std::string chm_index(const Book &book);

} // namespace zun::manual
