#pragma once
// Small pieces of ASCII text handling shared by the readers of colour text and files, which
// must not depend on the C locale.

#include <algorithm>
#include <string_view>

namespace sv {

constexpr char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Whether a and b are the same text, letter case aside.
constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

// A hexadecimal digit's value; -1 for any other character.
constexpr int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// s without the given blanks at either end.
constexpr std::string_view trimBlanks(std::string_view s, std::string_view blanks = " \t\r\n") {
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

} // namespace sv
