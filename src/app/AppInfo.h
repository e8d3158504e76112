#pragma once
// Who the program is: its title, version and maker's addresses.

#include <string>

namespace sv {

inline constexpr const char* kAppTitle = "Spectrivue";
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 6;
// The maker's web page, shown in the title and opened by the link image and the About window.
inline constexpr const char* kMakerUrl = "https://spectrivue.org";
// Where users send help files (the About window's message).
inline constexpr const char* kMakerContact = "help@spectrivue.org";

// "2.0.6": major, minor and revision joined by dots.
inline std::string versionText() {
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

// "Spectrivue [ Version: 2.0.6 ] - <address>"
inline std::string mainTitleText() {
    return std::string(kAppTitle) + " [ Version: " + versionText() + " ] - " + kMakerUrl;
}

} // namespace sv
