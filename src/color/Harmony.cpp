#include "color/Harmony.h"

#include "color/OkLab.h"
#include "color/Translatable.h"

namespace sv {

namespace {

struct Turns {
    std::array<double, 3> degrees{};
    std::size_t count = 0;
};

Turns turns(Harmony harmony) {
    switch (harmony) {
    case Harmony::Complementary:
        return {{180.0}, 1};
    case Harmony::SplitComplementary:
        return {{-150.0, 150.0}, 2};
    case Harmony::Triadic:
        return {{-120.0, 120.0}, 2};
    case Harmony::Analogous:
        return {{-30.0, 30.0}, 2};
    case Harmony::Tetradic:
        return {{90.0, 180.0, 270.0}, 3};
    }
    return {};
}

} // namespace

const char* harmonyName(Harmony harmony) {
    switch (harmony) {
    case Harmony::Complementary:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Complementary");
    case Harmony::SplitComplementary:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Split complementary");
    case Harmony::Triadic:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Triadic");
    case Harmony::Analogous:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Analogous");
    case Harmony::Tetradic:
        return QT_TRANSLATE_NOOP("sv::ColorAnalysisView", "Tetradic");
    }
    return "";
}

HarmonySet harmonyColors(ColorValue c, Harmony harmony) {
    HarmonySet set;
    set.colors[set.size++] = c;
    const Turns t = turns(harmony);
    for (std::size_t i = 0; i < t.count; ++i) {
        set.colors[set.size++] = rotateHue(c, t.degrees[i]);
    }
    return set;
}

} // namespace sv
