#include "settings/SettingsText.h"

#include <vector>

namespace sv {

namespace {

std::string_view trimmed(std::string_view s) {
    constexpr std::string_view blanks = " \t\f\v";
    const std::size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

SettingsMap readLines(std::string_view text, bool keepOnlyWhatWritesBack);

std::string settingsLines(const SettingsMap& settings);

// A name is written back as [group] and key at its first "/". One that would not read back as
// itself so (an empty part, a blank after the "/", a key that would read as a comment or a
// group), or a value that would not (a line end, a blank at either end), is not written.
bool readsBackAsItself(const std::string& name, const std::string& value) {
    const SettingsMap one{{name, value}};
    return readLines(settingsLines(one), false) == one;
}

} // namespace

SettingsMap readSettingsText(std::string_view text) {
    return readLines(text, true);
}

std::optional<std::string> writeSettingsText(const SettingsMap& settings) {
    for (const auto& [name, value] : settings) {
        if (!readsBackAsItself(name, value)) {
            return std::nullopt;
        }
    }
    return settingsLines(settings);
}

namespace {

std::string settingsLines(const SettingsMap& settings) {
    std::map<std::string, std::vector<std::string>> groups;
    for (const auto& [name, value] : settings) {
        const std::size_t slash = name.find('/');
        const std::string group = slash == std::string::npos ? "General" : name.substr(0, slash);
        const std::string key = slash == std::string::npos ? name : name.substr(slash + 1);
        groups[group].push_back(key + '=' + value);
    }
    std::string out;
    for (const auto& [group, lines] : groups) {
        out += '[' + group + "]\n";
        for (const std::string& line : lines) {
            out += line + '\n';
        }
        out += '\n';
    }
    return out;
}

SettingsMap readLines(std::string_view text, bool keepOnlyWhatWritesBack) {
    SettingsMap settings;
    std::string group;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos) {
            text = {};
        } else {
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            text.remove_prefix(end + (crlf ? 2 : 1));
        }
        const std::string_view t = trimmed(line);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            // Keys of [General] are the keys of no group, as they are written.
            group = std::string(t.substr(1, t.size() - 2));
            if (group == "General") {
                group.clear();
            }
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0 || t.front() == ';') {
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        if (key.empty()) {
            continue;
        }
        std::string name = group.empty() ? std::string(key) : group + '/' + std::string(key);
        std::string value(trimmed(line.substr(equals + 1)));
        // A name that would not write back as itself is not the program's, and is passed over
        // as such lines are.
        if (keepOnlyWhatWritesBack && !readsBackAsItself(name, value)) {
            continue;
        }
        settings[std::move(name)] = std::move(value);
    }
    return settings;
}

} // namespace

} // namespace sv
