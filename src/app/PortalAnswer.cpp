#include "app/PortalAnswer.h"

#include "color/AsciiText.h"

#include "color/Numeric.h"

#include <cmath>

namespace sv {

std::optional<ColorValue> portalColor(double red, double green, double blue) {
    auto valid = [](double c) { return std::isfinite(c) && c >= 0.0 && c <= 1.0; };
    if (!valid(red) || !valid(green) || !valid(blue)) {
        return std::nullopt;
    }
    auto byte = [](double c) { return static_cast<int>(roundEven(c * 255.0)); };
    return rgb(byte(red), byte(green), byte(blue));
}

namespace {

bool startsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = s[i] >= 'A' && s[i] <= 'Z' ? char(s[i] - 'A' + 'a') : s[i];
        if (c != prefix[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> localPathOfFileUri(std::string_view uri) {
    constexpr std::string_view scheme = "file://";
    if (!startsWithNoCase(uri, scheme) || uri.find_first_of("?#") != std::string_view::npos) {
        return std::nullopt;
    }
    uri.remove_prefix(scheme.size());
    const std::size_t slash = uri.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view host = uri.substr(0, slash);
    if (!host.empty() && !startsWithNoCase(host, "localhost")) {
        return std::nullopt;
    }
    if (host.size() > std::string_view("localhost").size()) {
        return std::nullopt;
    }
    std::string path;
    path.reserve(uri.size() - slash);
    for (std::size_t i = slash; i < uri.size(); ++i) {
        char c = uri[i];
        if (c == '%') {
            const int high = i + 2 < uri.size() ? hexDigitValue(uri[i + 1]) : -1;
            const int low = high >= 0 ? hexDigitValue(uri[i + 2]) : -1;
            if (low < 0) {
                return std::nullopt;
            }
            c = static_cast<char>(high * 16 + low);
            i += 2;
        }
        if (c == '\0') {
            return std::nullopt;
        }
        path += c;
    }
    return path;
}

} // namespace sv
