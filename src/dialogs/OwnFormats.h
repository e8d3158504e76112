#pragma once
// The user's own colour formats, kept in the settings file in a group of their own
// ("ColorFormats": Name1 and Template1, Name2 and Template2, ...), apart from the options.

#include "color/ColorFormats.h"
#include "dialogs/SettingsText.h"

#include <string>
#include <string_view>
#include <vector>

namespace sv {

struct OwnFormat {
    std::string name;
    std::string pattern; // a template as expandTemplate reads it
    friend bool operator==(const OwnFormat&, const OwnFormat&) = default;
};

inline constexpr int kMaxOwnFormats = 20;

// The formats stored, in order, up to the first number missing; a template that cannot be
// used (a file edited by hand) is passed over.
std::vector<OwnFormat> readOwnFormats(const SettingsMap& settings);

// Replaces the stored formats by these; every other group stays as it is.
void storeOwnFormats(SettingsMap& settings, const std::vector<OwnFormat>& formats);

// Why a format cannot be added; an empty sentence when it can.
TemplateProblem ownFormatProblem(const OwnFormat& format);
std::string ownFormatError(const OwnFormat& format);

// A text as a settings value that reads back exactly, blanks at either end included:
// in double quotes, with '\' and '"' escaped. unquoteValue takes an unquoted value as it is.
std::string quoteValue(std::string_view text);
std::string unquoteValue(std::string_view value);

} // namespace sv
