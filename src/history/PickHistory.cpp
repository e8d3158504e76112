#include "history/PickHistory.h"

#include "color/Color.h"

#include <algorithm>
#include <charconv>

namespace sv {

namespace {

auto find(History& history, ColorValue color) {
    return std::find_if(history.begin(), history.end(),
                        [color](const HistoryEntry& e) { return e.color == color; });
}

bool parseHex(std::string_view digits, ColorValue& color) {
    if (digits.size() != 6) {
        return false;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + 6, value, 16);
    if (error != std::errc() || end != digits.data() + 6) {
        return false;
    }
    color = rgb(int(value >> 16), int((value >> 8) & 0xFF), int(value & 0xFF));
    return true;
}

bool parseLine(std::string_view line, HistoryEntry& entry) {
    if (line.size() < 9 || line[0] != '#' || line[7] != ' ' ||
        !parseHex(line.substr(1, 6), entry.color)) {
        return false;
    }
    line.remove_prefix(8);
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), entry.time);
    if (error != std::errc() || entry.time < 0) {
        return false;
    }
    const std::string_view rest(end, std::size_t(line.data() + line.size() - end));
    entry.pinned = rest == " pinned";
    return entry.pinned || rest.empty();
}

} // namespace

void addPick(History& history, ColorValue color, std::int64_t time) {
    bool pinned = false;
    if (auto it = find(history, color); it != history.end()) {
        pinned = it->pinned;
        history.erase(it);
    }
    history.insert(history.begin(), {color, time, pinned});
    while (history.size() > kHistoryLimit) {
        // The pick just kept stays, even when all the others are pinned.
        const auto oldest = std::find_if(history.rbegin(), std::prev(history.rend()),
                                         [](const HistoryEntry& e) { return !e.pinned; });
        if (oldest == std::prev(history.rend())) {
            break; // all the others pinned: they stay
        }
        history.erase(std::next(oldest).base());
    }
}

bool removeEntry(History& history, ColorValue color) {
    const auto it = find(history, color);
    if (it == history.end()) {
        return false;
    }
    history.erase(it);
    return true;
}

bool setPinned(History& history, ColorValue color, bool pinned) {
    const auto it = find(history, color);
    if (it == history.end()) {
        return false;
    }
    it->pinned = pinned;
    return true;
}

void clearUnpinned(History& history) {
    std::erase_if(history, [](const HistoryEntry& e) { return !e.pinned; });
}

std::string writeHistoryText(const History& history) {
    std::string text;
    for (const HistoryEntry& e : history) {
        text += '#' + toRgbHex(e.color) + ' ' + std::to_string(e.time);
        text += e.pinned ? " pinned\n" : "\n";
    }
    return text;
}

History readHistoryText(std::string_view text) {
    History history;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        HistoryEntry entry;
        if (parseLine(line, entry) && find(history, entry.color) == history.end()) {
            history.push_back(entry);
        }
    }
    return history;
}

} // namespace sv
