#pragma once
// Splitting a text at a separator, one piece per call.

#include <string>
#include <string_view>

namespace sv {

enum class CompareMode {
    Binary = 0, // exact characters
    Text = 1,   // letters compared without regard to case
};

// The text before the first separator; text becomes what follows the separator. Without a
// separator in text the whole text is returned and text stays as it is, so "10 20 30" yields
// "10", "20", "30" and a fourth call "30" again. An empty separator is found at the start: the
// result is empty and text is unchanged.
std::string takeToken(std::string& text, std::string_view separator, CompareMode mode);

} // namespace sv
