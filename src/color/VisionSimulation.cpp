#include "color/VisionSimulation.h"

#include "color/Srgb.h"
#include "color/Translatable.h"

namespace sv {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0.
constexpr Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                 {0.114503, 0.786281, 0.099216},
                                 {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                   {0.280085, 0.672501, 0.047413},
                                   {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                 {-0.078411, 0.930809, 0.147602},
                                 {0.004733, 0.691367, 0.303900}}};
// Relative luminance, as WCAG weighs the linear components; a grey keeps all three.
constexpr Matrix kAchromatopsia = {
    {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

const Matrix* matrixFor(Vision vision) {
    switch (vision) {
    case Vision::Typical:
        return nullptr;
    case Vision::Protanopia:
        return &kProtanopia;
    case Vision::Deuteranopia:
        return &kDeuteranopia;
    case Vision::Tritanopia:
        return &kTritanopia;
    case Vision::Achromatopsia:
        return &kAchromatopsia;
    }
    return nullptr;
}

const std::array<double, 256>& linearTable() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (std::size_t v = 0; v < t.size(); ++v) {
            t[v] = srgbToLinear(static_cast<int>(v));
        }
        return t;
    }();
    return table;
}

// Red, green and blue (0 .. 255 each) through the matrix.
std::array<int, 3> simulate(const Matrix& m, int r, int g, int b) {
    const auto& linear = linearTable();
    const double lr = linear[std::size_t(r)];
    const double lg = linear[std::size_t(g)];
    const double lb = linear[std::size_t(b)];
    std::array<int, 3> out{};
    for (std::size_t i = 0; i < 3; ++i) {
        out[i] = linearToSrgbByte(m[i][0] * lr + m[i][1] * lg + m[i][2] * lb);
    }
    return out;
}

} // namespace

const char* visionName(Vision vision) {
    switch (vision) {
    case Vision::Typical:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "None");
    case Vision::Protanopia:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Protanopia");
    case Vision::Deuteranopia:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Deuteranopia");
    case Vision::Tritanopia:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Tritanopia");
    case Vision::Achromatopsia:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Achromatopsia");
    }
    return "";
}

ColorValue simulateVision(ColorValue c, Vision vision) {
    const Matrix* m = matrixFor(vision);
    if (m == nullptr || c < 0 || c > kWhite) {
        return c; // nothing to simulate, or no colour (an empty swatch)
    }
    const auto [r, g, b] = splitColor(c);
    const auto [sr, sg, sb] = simulate(*m, r, g, b);
    return rgb(sr, sg, sb);
}

void simulateVision(std::uint32_t* pixels, std::size_t count, Vision vision) {
    const Matrix* m = matrixFor(vision);
    if (m == nullptr) {
        return;
    }
    // Screens hold long runs of one colour: the last pixel's answer is kept.
    std::uint32_t lastIn = 0;
    std::uint32_t lastOut = 0;
    bool haveLast = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t colour = p & 0xFFFFFFu;
        if (!haveLast || colour != lastIn) {
            const auto [r, g, b] = simulate(*m, int((colour >> 16) & 0xFF),
                                            int((colour >> 8) & 0xFF), int(colour & 0xFF));
            lastIn = colour;
            lastOut = (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
            haveLast = true;
        }
        pixels[i] = (p & 0xFF000000u) | lastOut;
    }
}

} // namespace sv
