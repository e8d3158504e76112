#include "settings/PickFormats.h"

#include "color/ColorFormats.h"

#include <algorithm>
#include <utility>

namespace sv {

namespace {

struct BuiltIn {
    std::string_view name;
    std::optional<Notation> notation; // one of the main window's seven
    ColorFormat format = ColorFormat::CssHex;
};

const std::vector<BuiltIn>& builtIns() {
    static const std::vector<BuiltIn> all{
        {"html", Notation::Html},
        {"hex", std::nullopt, ColorFormat::CssHex},
        {"rgb", std::nullopt, ColorFormat::CssRgb},
        {"rgb-comma", std::nullopt, ColorFormat::CssRgbComma},
        {"hsl", std::nullopt, ColorFormat::CssHsl},
        {"hwb", std::nullopt, ColorFormat::CssHwb},
        {"oklch", std::nullopt, ColorFormat::CssOklch},
        {"qt", std::nullopt, ColorFormat::Qt},
        {"android", std::nullopt, ColorFormat::AndroidArgb},
        {"swiftui", std::nullopt, ColorFormat::SwiftUi},
        {"dotnet", std::nullopt, ColorFormat::DotNet},
        {"vb", Notation::VisualBasic},
        {"long", Notation::Long},
        {"cpp", Notation::Cpp},
        {"delphi", Notation::Delphi},
        {"java", Notation::Java},
        {"photoshop", Notation::Photoshop},
    };
    return all;
}

const BuiltIn* findBuiltIn(std::string_view name) {
    const auto& all = builtIns();
    const auto it =
        std::find_if(all.begin(), all.end(), [&](const BuiltIn& b) { return b.name == name; });
    return it == all.end() ? nullptr : &*it;
}

std::string builtInText(const BuiltIn& b, ColorValue c) {
    return b.notation ? notationText(makeNotations(c), *b.notation) : formatColor(c, b.format);
}

} // namespace

const std::vector<std::string_view>& builtInFormatNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const BuiltIn& b : builtIns()) {
            out.push_back(b.name);
        }
        return out;
    }();
    return names;
}

std::optional<std::string> builtInFormatText(ColorValue c, std::string_view name) {
    const BuiltIn* b = findBuiltIn(name);
    return b != nullptr ? std::optional(builtInText(*b, c)) : std::nullopt;
}

PickFormat PickFormat::resolve(std::string_view name, const std::vector<OwnFormat>& own) {
    PickFormat format;
    if (const BuiltIn* b = findBuiltIn(name)) {
        format.builtIn_ = b->name;
        return format;
    }
    const auto mine =
        std::find_if(own.begin(), own.end(), [&](const OwnFormat& f) { return f.name == name; });
    if (mine != own.end()) {
        format.pattern_ = mine->pattern;
        return format;
    }
    if (name.find('{') != std::string_view::npos) {
        format.error_ = templateError(name);
        format.pattern_ = name;
        return format;
    }
    std::string valid;
    for (std::string_view n : builtInFormatNames()) {
        valid += (valid.empty() ? "" : ", ") + std::string(n);
    }
    for (const OwnFormat& f : own) {
        valid += ", \"" + f.name + '"';
    }
    format.error_ = "unknown format \"" + std::string(name) + "\"; the formats are " + valid +
                    ", or a template such as \"{r},{g},{b}\"";
    return format;
}

std::string PickFormat::text(ColorValue c) const {
    if (!ok()) {
        return {};
    }
    return builtIn_ ? builtInText(*findBuiltIn(*builtIn_), c) : expandTemplate(pattern_, c);
}

std::string formatListing(ColorValue example, const std::vector<OwnFormat>& own) {
    std::size_t width = 0;
    for (std::string_view n : builtInFormatNames()) {
        width = std::max(width, n.size());
    }
    for (const OwnFormat& f : own) {
        width = std::max(width, f.name.size());
    }
    std::string out;
    auto line = [&](std::string_view name, const std::string& text) {
        out += name;
        out.append(width + 2 - name.size(), ' ');
        out += text + '\n';
    };
    for (const BuiltIn& b : builtIns()) {
        line(b.name, builtInText(b, example));
    }
    for (const OwnFormat& f : own) {
        line(f.name, expandTemplate(f.pattern, example));
    }
    return out;
}

} // namespace sv
