#pragma once
// The settings file's text: INI groups of key=value lines, every value kept as the text it is,
// so writing the file back after one change leaves every other line's value as it was.

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sv {

// "GROUP/key" -> value text; a key before any group has no "GROUP/".
using SettingsMap = std::map<std::string, std::string>;

// Reads LF, CR LF and lone CR line ends alike; lines that are neither a [group] nor key=value,
// and ";" comments, are passed over.
SettingsMap readSettingsText(std::string_view text);
// One [group] block a group, keys without a group under [General]. None when any entry would
// not read back as itself (a line break or a blank at either end of a value, a key that reads
// as a group or a comment): such a file would change other settings than the one written.
std::optional<std::string> writeSettingsText(const SettingsMap& settings);

} // namespace sv
