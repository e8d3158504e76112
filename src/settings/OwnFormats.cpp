#include "settings/OwnFormats.h"

#include "color/AsciiText.h"
#include "color/ColorFormats.h"
#include "color/Translatable.h"

#include <algorithm>

namespace sv {

namespace {

constexpr std::string_view kGroup = "ColorFormats/";

std::string key(const char* part, int number) {
    return std::string(kGroup) + part + std::to_string(number);
}

} // namespace

std::string quoteValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string unquoteValue(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return std::string(value);
    }
    const std::string_view inner = value.substr(1, value.size() - 2);
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] != '\\' || i + 1 == inner.size()) {
            out += inner[i];
            continue;
        }
        const char escaped = inner[++i];
        if (escaped == 'n') {
            out += '\n';
        } else if (escaped == 'r') {
            out += '\r';
        } else if (escaped == 't') {
            out += '\t';
        } else if (escaped == 'x' && i + 2 < inner.size() && hexDigitValue(inner[i + 1]) >= 0 &&
                   hexDigitValue(inner[i + 2]) >= 0) {
            out += char(hexDigitValue(inner[i + 1]) * 16 + hexDigitValue(inner[i + 2]));
            i += 2;
        } else {
            out += escaped;
        }
    }
    return out;
}

namespace {

// Characters as a person counts them: UTF-8 continuation bytes are not counted.
std::size_t characterCount(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// Line breaks and other control characters: C0, DEL, C1 and the Unicode line and paragraph
// separators. A name or template holding one would show as more than one line.
bool holdsControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        const auto third = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next <= 0x9F) ||
            (byte == 0xE2 && next == 0x80 && (third == 0xA8 || third == 0xA9))) {
            return true;
        }
    }
    return false;
}

} // namespace

TemplateProblem ownFormatProblem(const OwnFormat& format) {
    if (format.name.find_first_not_of(' ') == std::string::npos) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "Give the format a name."), {}};
    }
    if (format.pattern.empty()) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "The template is empty."), {}};
    }
    if (holdsControlCharacter(format.name) || holdsControlCharacter(format.pattern)) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog",
                                  "A name or template cannot hold line breaks, tabs or other "
                                  "control characters."),
                {}};
    }
    if (characterCount(format.name) > kMaxOwnFormatName) {
        return {
            QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "A name can be at most 64 characters long."),
            {}};
    }
    if (characterCount(format.pattern) > kMaxOwnFormatTemplate) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog",
                                  "A template can be at most 1000 characters long."),
                {}};
    }
    return templateProblem(format.pattern);
}

std::string ownFormatError(const OwnFormat& format) {
    return ownFormatProblem(format).text();
}

std::vector<OwnFormat> readOwnFormats(const SettingsMap& settings) {
    std::vector<OwnFormat> formats;
    for (int i = 1; i <= kMaxOwnFormats; ++i) {
        const auto name = settings.find(key("Name", i));
        const auto pattern = settings.find(key("Template", i));
        if (name == settings.end() || pattern == settings.end()) {
            break;
        }
        OwnFormat format{unquoteValue(name->second), unquoteValue(pattern->second)};
        if (ownFormatError(format).empty()) {
            formats.push_back(std::move(format));
        }
    }
    return formats;
}

void storeOwnFormats(SettingsMap& settings, const std::vector<OwnFormat>& formats) {
    for (auto it = settings.lower_bound(std::string(kGroup));
         it != settings.end() && std::string_view(it->first).starts_with(kGroup);) {
        it = settings.erase(it);
    }
    int number = 0;
    for (const OwnFormat& format : formats) {
        if (++number > kMaxOwnFormats) {
            break;
        }
        settings[key("Name", number)] = quoteValue(format.name);
        settings[key("Template", number)] = quoteValue(format.pattern);
    }
}

void addOwnFormat(SettingsMap& settings, const OwnFormat& format) {
    std::vector<OwnFormat> formats = readOwnFormats(settings);
    const auto same = std::find_if(formats.begin(), formats.end(),
                                   [&](const OwnFormat& f) { return f.name == format.name; });
    if (same != formats.end()) {
        *same = format;
    } else if (formats.size() < std::size_t(kMaxOwnFormats)) {
        formats.push_back(format);
    } else {
        return;
    }
    storeOwnFormats(settings, formats);
}

void removeOwnFormat(SettingsMap& settings, const std::string& name) {
    std::vector<OwnFormat> formats = readOwnFormats(settings);
    const auto gone = std::remove_if(formats.begin(), formats.end(),
                                     [&](const OwnFormat& f) { return f.name == name; });
    if (gone == formats.end()) {
        return; // removed meanwhile by another copy: nothing to write differently
    }
    formats.erase(gone, formats.end());
    storeOwnFormats(settings, formats);
}

} // namespace sv
