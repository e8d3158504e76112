#include "color/ContrastSuggestion.h"

#include "color/Contrast.h"
#include "color/OkLab.h"
#include "color/Translatable.h"

#include <cmath>

namespace sv {

namespace {

// The lightness is stepped towards black or white in steps of 1 / 64: near the edges of
// sRGB a reduced chroma can make a lighter colour less readable than a darker one, so the
// first step that passes is looked for rather than halved towards. Then the step is halved
// down to 1 / 2048, finer than one 8-bit step of any component.
constexpr double kLightnessStep = 1.0 / 64.0;
constexpr int kStepHalvings = 5;
// Refining moves a colour within one step of lightness, by far less than this in OKLab:
// where the two sides' first passing steps lie further apart, the farther side cannot become
// the nearer, and is not refined.
constexpr double kUndecided = 0.03;

constexpr std::size_t kTargetCount = kContrastTargets.size();

// What one pair reaches, worked out once for all six targets.
struct Figures {
    double ratio;
    double lc;
    bool meets(ContrastTarget target) const {
        const WcagVerdicts v = wcagVerdicts(ratio);
        switch (target) {
        case ContrastTarget::WcagAA:
            return v.normalAA;
        case ContrastTarget::WcagAAA:
            return v.normalAAA;
        case ContrastTarget::WcagAALarge:
            return v.largeAA;
        case ContrastTarget::ApcaBody:
            return std::abs(lc) >= 60.0;
        case ContrastTarget::ApcaFluent:
            return std::abs(lc) >= 75.0;
        case ContrastTarget::ApcaAny:
            return std::abs(lc) >= 90.0;
        }
        return false;
    }
};

Figures figures(ColorValue text, ColorValue background) {
    return {wcagContrastRatio(text, background), apcaContrast(text, background)};
}

// The moved colour along its lightness, with the pair it makes.
struct Path {
    OkLch from;
    ColorValue fixed;
    MovedColor moved;

    ColorValue at(double lightness) const { return fromOkLch({lightness, from.chroma, from.hue}); }
    Figures judge(ColorValue c) const {
        return moved == MovedColor::Text ? figures(c, fixed) : figures(fixed, c);
    }
};

// Where a target is first met on the way towards black or white: the colour there and the
// lightnesses either side of it.
struct Bracket {
    ColorValue color = kBlack;
    double failing = 0.0;
    double passing = 0.0;
};
using Brackets = std::array<std::optional<Bracket>, kTargetCount>;

// For each wanted target, the first step towards end (0 or 1) after which the pair meets it.
Brackets towards(double end, const Path& path, const std::array<bool, kTargetCount>& wanted) {
    Brackets found;
    // Only targets that black or white meets can be met on the way.
    const Figures atEnd = path.judge(path.at(end));
    std::array<bool, kTargetCount> reachable{};
    std::size_t left = 0;
    for (std::size_t t = 0; t < kTargetCount; ++t) {
        reachable[t] = wanted[t] && atEnd.meets(kContrastTargets[t]);
        left += reachable[t] ? 1 : 0;
    }
    const double direction = end > path.from.lightness ? 1.0 : -1.0;
    double last = path.from.lightness;
    while (left > 0) {
        const double next =
            std::abs(end - last) <= kLightnessStep ? end : last + direction * kLightnessStep;
        const ColorValue c = path.at(next);
        const Figures f = path.judge(c);
        for (std::size_t t = 0; t < kTargetCount; ++t) {
            if (reachable[t] && !found[t] && f.meets(kContrastTargets[t])) {
                found[t] = Bracket{c, last, next};
                --left;
            }
        }
        last = next;
    }
    return found;
}

// The colour of the least lightness inside the bracket that meets the target.
ColorValue refine(Bracket b, const Path& path, ContrastTarget target) {
    for (int i = 0; i < kStepHalvings; ++i) {
        const double middle = (b.failing + b.passing) / 2.0;
        const ColorValue c = path.at(middle);
        if (path.judge(c).meets(target)) {
            b.passing = middle;
            b.color = c;
        } else {
            b.failing = middle;
        }
    }
    return b.color;
}

} // namespace

const char* contrastTargetName(ContrastTarget target) {
    switch (target) {
    case ContrastTarget::WcagAA:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "AA 4.5:1");
    case ContrastTarget::WcagAAA:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "AAA 7:1");
    case ContrastTarget::WcagAALarge:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "AA large 3:1");
    case ContrastTarget::ApcaBody:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "APCA Lc 60");
    case ContrastTarget::ApcaFluent:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "APCA Lc 75");
    case ContrastTarget::ApcaAny:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "APCA Lc 90");
    }
    return "";
}

bool meetsTarget(ContrastTarget target, ColorValue text, ColorValue background) {
    return figures(text, background).meets(target);
}

std::string targetFigure(ContrastTarget target, ColorValue text, ColorValue background) {
    switch (target) {
    case ContrastTarget::WcagAA:
    case ContrastTarget::WcagAAA:
    case ContrastTarget::WcagAALarge:
        return wcagRatioText(wcagContrastRatio(text, background));
    case ContrastTarget::ApcaBody:
    case ContrastTarget::ApcaFluent:
    case ContrastTarget::ApcaAny:
        return apcaText(apcaContrast(text, background));
    }
    return {};
}

PassingColors passingColors(ColorValue text, ColorValue background, MovedColor moved) {
    const Figures now = figures(text, background);
    std::array<bool, kTargetCount> wanted{};
    for (std::size_t t = 0; t < kTargetCount; ++t) {
        wanted[t] = !now.meets(kContrastTargets[t]);
    }
    const ColorValue moving = moved == MovedColor::Text ? text : background;
    const Path path{toOkLch(moving), moved == MovedColor::Text ? background : text, moved};
    const Brackets lighter = towards(1.0, path, wanted);
    const Brackets darker = towards(0.0, path, wanted);
    PassingColors nearest;
    for (std::size_t t = 0; t < kTargetCount; ++t) {
        const ContrastTarget target = kContrastTargets[t];
        if (!lighter[t] || !darker[t]) {
            const auto& side = lighter[t] ? lighter[t] : darker[t];
            if (side) {
                nearest[t] = refine(*side, path, target);
            }
            continue;
        }
        // Only a side that may turn out nearer is refined.
        const double up = okLabDistance(lighter[t]->color, moving);
        const double down = okLabDistance(darker[t]->color, moving);
        std::optional<ColorValue> high;
        std::optional<ColorValue> low;
        if (up < down + kUndecided) {
            high = refine(*lighter[t], path, target);
        }
        if (down < up + kUndecided) {
            low = refine(*darker[t], path, target);
        }
        if (high && low) {
            nearest[t] = okLabDistance(*high, moving) <= okLabDistance(*low, moving) ? high : low;
        } else {
            nearest[t] = high ? high : low;
        }
    }
    return nearest;
}

} // namespace sv
