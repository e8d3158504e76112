#pragma once
// The texts a kept pick can be given as, chosen by a short name: every notation the main
// window and the colour details window show, the user's own formats by their names, and a
// template written on the spot (any text holding "{").

#include "color/Color.h"
#include "settings/OwnFormats.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

// The built-in names, in the order listings show them; "html" first, the default.
const std::vector<std::string_view>& builtInFormatNames();
inline constexpr std::string_view kDefaultPickFormat = "html";
// The colour listings and choices show each format's text for.
inline constexpr ColorValue kFormatExample = 0x5A5A0A; // #0A5A5A

// A format ready to write colours, or why the name cannot be one.
class PickFormat {
public:
    // A built-in name, else a name among own (compared exactly), else, when the text holds
    // "{", a template; anything else is an error naming the valid choices.
    static PickFormat resolve(std::string_view name, const std::vector<OwnFormat>& own);

    bool ok() const { return error_.empty(); }
    // One line: what is wrong with the name.
    const std::string& error() const { return error_; }
    std::string text(ColorValue c) const;

private:
    std::optional<std::string_view> builtIn_;
    std::string pattern_;
    std::string error_;
};

// The text of a built-in notation; none for a name that is not one.
std::optional<std::string> builtInFormatText(ColorValue c, std::string_view name);

// Each name with the text it gives for example, one line each ("html       #0A5A5A"): the
// built-in names, then the own formats.
std::string formatListing(ColorValue example, const std::vector<OwnFormat>& own);

} // namespace sv
