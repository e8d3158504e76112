#include "dialogs/OwnFormats.h"

#include "color/ColorFormats.h"
#include "color/Translatable.h"

namespace sv {

namespace {

constexpr std::string_view kGroup = "ColorFormats/";

std::string key(const char* part, int number) {
    return std::string(kGroup) + part + std::to_string(number);
}

} // namespace

std::string quoteValue(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

std::string unquoteValue(std::string_view value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return std::string(value);
    }
    std::string out;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) {
            ++i;
        }
        out += value[i];
    }
    return out;
}

TemplateProblem ownFormatProblem(const OwnFormat& format) {
    if (format.name.find_first_not_of(' ') == std::string::npos) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "Give the format a name."), {}};
    }
    if (format.pattern.empty()) {
        return {QT_TRANSLATE_NOOP("sv::OwnFormatDialog", "The template is empty."), {}};
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

} // namespace sv
