#include "palette/AdobeSwatches.h"

#include "color/Srgb.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace sv {

namespace {

constexpr std::string_view kSignature = "ASEF";
constexpr std::size_t kHeaderSize = 12; // signature, version 1.0, block count
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kColorEntry = 0x0001;
constexpr std::uint16_t kGlobalColor = 0;

// A cursor over big-endian bytes that never reads past its end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool has(std::size_t n) const { return bytes_.size() - at_ >= n; }
    std::size_t left() const { return bytes_.size() - at_; }
    std::optional<std::uint32_t> number(std::size_t width) {
        if (!has(width)) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value = (value << 8) | static_cast<unsigned char>(bytes_[at_ + i]);
        }
        at_ += width;
        return value;
    }
    std::optional<float> real() {
        const auto bits = number(4);
        return bits ? std::optional(std::bit_cast<float>(*bits)) : std::nullopt;
    }
    std::optional<std::string_view> take(std::size_t n) {
        if (!has(n)) {
            return std::nullopt;
        }
        const std::string_view part = bytes_.substr(at_, n);
        at_ += n;
        return part;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

// A colour entry's payload: name, model, components (the type that follows is not needed).
std::optional<ColorValue> colorEntry(std::string_view payload) {
    Reader in(payload);
    const auto nameLength = in.number(2);
    if (!nameLength || !in.take(std::size_t(*nameLength) * 2)) {
        return std::nullopt;
    }
    const auto model = in.take(4);
    if (!model) {
        return std::nullopt;
    }
    struct Model {
        std::string_view name;
        std::size_t components;
    };
    static constexpr std::array<Model, 4> kModels{
        {{"RGB ", 3}, {"Gray", 1}, {"CMYK", 4}, {"LAB ", 3}}};
    std::array<double, 4> v{};
    for (const Model& m : kModels) {
        if (*model != m.name) {
            continue;
        }
        for (std::size_t i = 0; i < m.components; ++i) {
            const auto value = in.real();
            if (!value) {
                return std::nullopt;
            }
            v[i] = std::isfinite(*value) ? *value : 0.0;
        }
        if (m.name == "RGB ") {
            return rgb(unitToByte(v[0]), unitToByte(v[1]), unitToByte(v[2]));
        }
        if (m.name == "Gray") {
            const int grey = unitToByte(v[0]);
            return rgb(grey, grey, grey);
        }
        if (m.name == "CMYK") {
            return cmykToColor(v[0], v[1], v[2], v[3]);
        }
        return labD50ToColor(v[0] * 100.0, v[1], v[2]); // L is stored as 0 .. 1
    }
    return std::nullopt;
}

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>((v >> 8) & 0xFF);
    out += static_cast<char>(v & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v >> 16);
    put16(out, v & 0xFFFF);
}

// The code points of UTF-8 text; a byte that starts no valid sequence reads as U+FFFD.
std::u32string codePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC2 ? 2
                                                  : 0;
        char32_t cp = length == 1   ? lead
                      : length == 2 ? lead & 0x1F
                      : length == 3 ? lead & 0x0F
                                    : lead & 0x07;
        bool valid = length != 0 && length <= text.size() - i && lead < 0xF5;
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        if (!valid || overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += cp;
        i += length;
    }
    return out;
}

// A UTF-16 name with its length in code units, the closing zero included.
std::string nameField(std::string_view name) {
    std::string units;
    std::uint32_t count = 1;
    for (const char32_t cp : codePoints(name)) {
        if (cp >= 0x10000) {
            put16(units, 0xD800 + ((cp - 0x10000) >> 10));
            put16(units, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            count += 2;
        } else {
            put16(units, cp);
            ++count;
        }
    }
    put16(units, 0);
    std::string out;
    put16(out, count);
    return out + units;
}

void putBlock(std::string& out, std::uint16_t type, const std::string& payload) {
    put16(out, type);
    put32(out, static_cast<std::uint32_t>(payload.size()));
    out += payload;
}

} // namespace

bool isAdobeSwatches(std::string_view bytes) {
    return bytes.size() >= kHeaderSize && bytes.substr(0, 4) == kSignature && bytes[4] == 0 &&
           bytes[5] == 1;
}

PaletteColors readAdobeSwatches(std::string_view bytes) {
    PaletteColors out;
    if (!isAdobeSwatches(bytes)) {
        return out;
    }
    Reader in(bytes.substr(kHeaderSize));
    while (in.has(6)) {
        const std::uint32_t type = *in.number(2);
        const std::uint32_t length = *in.number(4);
        const auto payload = in.take(length);
        if (!payload) {
            break;
        }
        if (type != kColorEntry) {
            continue; // group start and end, and blocks of kinds this reader does not know
        }
        const auto color = colorEntry(*payload);
        if (!color) {
            continue;
        }
        if (out.colors.size() < static_cast<std::size_t>(Palette::kSize)) {
            out.colors.push_back(*color);
        }
        ++out.total;
    }
    return out;
}

ColorValue cmykToColor(double cyan, double magenta, double yellow, double black) {
    auto clampUnit = [](double v) { return v > 1.0 ? 1.0 : (v > 0.0 ? v : 0.0); };
    const double keep = 1.0 - clampUnit(black);
    return rgb(unitToByte((1.0 - clampUnit(cyan)) * keep),
               unitToByte((1.0 - clampUnit(magenta)) * keep),
               unitToByte((1.0 - clampUnit(yellow)) * keep));
}

ColorValue labD50ToColor(double lightness, double a, double b) {
    // CIE constants as exact fractions, and the D50 white of CSS Color 4.
    constexpr double kappa = 24389.0 / 27.0;
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr std::array<double, 3> white{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const double fy = (lightness + 16.0) / 116.0;
    const double fx = fy + a / 500.0;
    const double fz = fy - b / 200.0;
    auto inverse = [&](double f) {
        return f * f * f > epsilon ? f * f * f : (116.0 * f - 16.0) / kappa;
    };
    const double x = white[0] * inverse(fx);
    const double y = white[1] * (lightness > kappa * epsilon ? fy * fy * fy : lightness / kappa);
    const double z = white[2] * inverse(fz);
    // Bradford D50 -> D65, then XYZ (D65) -> linear sRGB.
    const double x65 = 0.955473421488075 * x - 0.02309845494876471 * y + 0.06325924320057072 * z;
    const double y65 = -0.0283697093338637 * x + 1.0099953980813041 * y + 0.021041441191917323 * z;
    const double z65 = 0.012314014864481998 * x - 0.020507649298898964 * y + 1.330365926242124 * z;
    return rgb(linearToSrgbByte(3.2409699419045226 * x65 - 1.537383177570094 * y65 -
                                0.4986107602930034 * z65),
               linearToSrgbByte(-0.9692436362808796 * x65 + 1.8759675015077202 * y65 +
                                0.04155505740717559 * z65),
               linearToSrgbByte(0.05563007969699366 * x65 - 0.20397695888897652 * y65 +
                                1.0569715142428786 * z65));
}

std::string writeAdobeSwatches(const Palette& palette, std::string_view name) {
    std::string blocks;
    std::uint32_t count = 0;
    const std::string note = skippedSwatchesNote(palette);
    std::string groupName(name);
    if (!note.empty()) {
        groupName += " (" + note + ')';
    }
    putBlock(blocks, kGroupStart, nameField(groupName));
    ++count;
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (palette.isEmpty(i)) {
            continue;
        }
        const auto [r, g, b] = splitColor(palette.color(i));
        std::string entry = nameField("Swatch " + std::to_string(i)) + "RGB ";
        for (const int component : {r, g, b}) {
            put32(entry, std::bit_cast<std::uint32_t>(static_cast<float>(component) / 255.0f));
        }
        put16(entry, kGlobalColor);
        putBlock(blocks, kColorEntry, entry);
        ++count;
    }
    putBlock(blocks, kGroupEnd, {});
    ++count;
    std::string out(kSignature);
    put16(out, 1);
    put16(out, 0);
    put32(out, count);
    return out + blocks;
}

} // namespace sv
