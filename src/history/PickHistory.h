#pragma once
// The history of kept picks, newest first: a colour, when it was picked and a pin. A colour
// stands in it once (picked again, it moves to the front with the new time and keeps its pin),
// so a colour names its entry, and two running copies merge by applying each change to what the
// file holds at that moment. Pinned entries are never pushed out.

#include "color/Color.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

inline constexpr std::size_t kHistoryLimit = 100;

struct HistoryEntry {
    ColorValue color = kBlack;
    std::int64_t time = 0; // seconds since 1970-01-01 UTC
    bool pinned = false;
    bool operator==(const HistoryEntry&) const = default;
};

using History = std::vector<HistoryEntry>;

// Puts a kept pick at the front; then, while more than kHistoryLimit entries stand, the oldest
// unpinned one behind it goes (where all behind it are pinned, none does).
void addPick(History& history, ColorValue color, std::int64_t time);
// False when the colour has no entry.
bool removeEntry(History& history, ColorValue color);
bool setPinned(History& history, ColorValue color, bool pinned);
// Removes every unpinned entry.
void clearUnpinned(History& history);

// One line an entry, newest first: "#RRGGBB <seconds>", with " pinned" after a pinned one.
std::string writeHistoryText(const History& history);
// Reads that text; a line that is not an entry (cut short, edited by hand, a colour twice) is
// passed over, and every other line kept. LF and CR LF alike.
History readHistoryText(std::string_view text);

} // namespace sv
