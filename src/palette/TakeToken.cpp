#include "palette/TakeToken.h"

#include <algorithm>

namespace sv {

namespace {

char foldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t findSeparator(std::string_view text, std::string_view separator, CompareMode mode) {
    if (mode == CompareMode::Binary) {
        return text.find(separator);
    }
    const auto it = std::search(text.begin(), text.end(), separator.begin(), separator.end(),
                                [](char a, char b) { return foldCase(a) == foldCase(b); });
    return it == text.end() && !separator.empty() ? std::string_view::npos
                                                  : static_cast<std::size_t>(it - text.begin());
}

} // namespace

std::string takeToken(std::string& text, std::string_view separator, CompareMode mode) {
    const std::size_t p = findSeparator(text, separator, mode);
    if (p == std::string_view::npos) {
        return text;
    }
    std::string token = text.substr(0, p);
    text.erase(0, p + separator.size());
    return token;
}

} // namespace sv
