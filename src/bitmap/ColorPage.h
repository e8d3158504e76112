#pragma once
// The HTML colour-table page: a head, one table row of ten lines per colour (a sample cell,
// the decimal components and six code notations) and a tail. Lines end in CR LF.

#include "color/Color.h"

#include <cstddef>
#include <functional>
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

// The page's base name: day of the month, minute and second without leading zeros
// (the 5th at 14:07:09 gives "579").
std::string colorPageBaseName(int day, int minute, int second);
// baseName + ".html", or, when exists says that one is taken, baseName + "-2.html",
// "-3.html" and so on: an earlier page is never replaced.
std::string unusedPageName(const std::string& baseName,
                           const std::function<bool(const std::string&)>& exists);

} // namespace sv
