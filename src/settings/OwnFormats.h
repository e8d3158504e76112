#pragma once
// The user's own colour formats, kept in the settings file in a group of their own
// ("ColorFormats": Name1 and Template1, Name2 and Template2, ...), apart from the options.

#include "color/ColorFormats.h"
#include "settings/SettingsText.h"

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
// Longer names and templates are refused when typed and passed over when read, so a settings
// file edited by hand cannot make a window thousands of pixels wide.
inline constexpr std::size_t kMaxOwnFormatName = 64;       // characters
inline constexpr std::size_t kMaxOwnFormatTemplate = 1000; // characters

// The formats stored, in order, up to the first number missing; a template that cannot be
// used (a file edited by hand) is passed over.
std::vector<OwnFormat> readOwnFormats(const SettingsMap& settings);

// Replaces the stored formats by these; every other group stays as it is.
void storeOwnFormats(SettingsMap& settings, const std::vector<OwnFormat>& formats);

// One change applied to what is stored now (read again just before), so the formats another
// running copy stored meanwhile are kept. Adding a name already stored replaces that format
// in its place; adding beyond kMaxOwnFormats changes nothing.
void addOwnFormat(SettingsMap& settings, const OwnFormat& format);
void removeOwnFormat(SettingsMap& settings, const std::string& name);

// Why a format cannot be added; an empty sentence when it can.
TemplateProblem ownFormatProblem(const OwnFormat& format);
std::string ownFormatError(const OwnFormat& format);

// A text as a settings value that reads back exactly, blanks at either end included:
// in double quotes, with '\' and '"' escaped and control characters written as \n, \r, \t
// or \xHH, so no value can start a line of its own. unquoteValue takes an unquoted value as
// it is.
std::string quoteValue(std::string_view text);
std::string unquoteValue(std::string_view value);

} // namespace sv
