#pragma once
// The HTML colour-table page: a head, one table row of ten lines per colour (a sample cell,
// the decimal components and six code notations) and a tail. Lines end in CR LF.

#include "color/Color.h"

#include <cstddef>
#include <string>

namespace sv {

// How much of the picture the table covers, for pages of truncated pictures.
struct PageCoverage {
    std::size_t examined = 0;
    std::size_t pixels = 0;
    bool truncated() const { return pixels > examined; }
};

// Everything before the first colour row.
std::string colorPageHead(const PageCoverage& coverage);
// Appends the ten lines of one colour's row.
void appendColorRow(std::string& out, ColorValue c);
// Everything after the last row.
std::string colorPageTail();

// How a page's temporary file starts while it is written: ".page.".
inline constexpr const char* kColorPageTemporaryPrefix = "page";

// The page's base name: day of the month, minute and second without leading zeros
// (the 5th at 14:07:09 gives "579").
std::string colorPageBaseName(int day, int minute, int second);
// The page's name at the given attempt: baseName + ".html" first, then baseName + "-2.html",
// "-3.html" and so on while those are taken: an earlier page is never replaced.
std::string colorPageName(const std::string& baseName, int attempt);

} // namespace sv
