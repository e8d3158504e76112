#pragma once
// The colour analyst beside the details window's notations, following the current and the
// last colour live: for each contrast target the pair fails, the nearest text and background
// colours that pass; the colours and the pair as people with colour-vision deficiencies see
// them; and the current colour's harmonies.

#include "color/Color.h"
#include "color/ContrastSuggestion.h"
#include "color/Harmony.h"
#include "color/VisionSimulation.h"

#include <QWidget>
#include <array>
#include <vector>

class QGridLayout;
class QLabel;

namespace sv {

class ColorBox;
class ColorChip;
class ImageButton;
class ValueText;

class ColorAnalysisView : public QWidget {
    Q_OBJECT
public:
    explicit ColorAnalysisView(QWidget* parent = nullptr);

    // current as text on previous.
    void showColors(ColorValue current, ColorValue previous);

    // One line per target: the text colour and the background colour that pass.
    struct SuggestionLine {
        ColorChip* chip = nullptr;
        ValueText* text = nullptr; // notation and figure, or why there is none
        ImageButton* use = nullptr;
    };
    const SuggestionLine& textSuggestion(ContrastTarget t) const {
        return textLines_[std::size_t(t)];
    }
    const SuggestionLine& backgroundSuggestion(ContrastTarget t) const {
        return backLines_[std::size_t(t)];
    }
    struct VisionLine {
        ColorBox* swatch = nullptr;
        ValueText* text = nullptr; // notation and the pair's ratio
        ValueText* sample = nullptr;
    };
    const VisionLine& visionLine(Vision v) const { return visionLines_[std::size_t(v) - 1]; }
    struct HarmonyLine {
        std::array<ColorChip*, 4> chips{};
        ImageButton* toPalette = nullptr;
    };
    const HarmonyLine& harmonyLine(Harmony h) const { return harmonyLines_[std::size_t(h)]; }

signals:
    // A harmony's colour was chosen as the current colour.
    void colorChosen(sv::ColorValue color);
    // A suggestion was chosen: the text suggestion as the current colour on the same last
    // colour, the background suggestion as the last colour under the same current colour.
    void pairChosen(sv::ColorValue current, sv::ColorValue previous);
    // A harmony's colours, the current colour first, are to go into the palette.
    void paletteFillRequested(const std::vector<sv::ColorValue>& colors);

private:
    QLabel* heading(const QString& text);
    SuggestionLine suggestionLine(int row, int column, const QString& what, MovedColor moved);
    void showSuggestion(const SuggestionLine& line, ColorValue suggestion, const QString& what,
                        ColorValue text, ColorValue background, ContrastTarget target);

    QGridLayout* grid_ = nullptr;
    std::array<SuggestionLine, kContrastTargets.size()> textLines_{};
    std::array<SuggestionLine, kContrastTargets.size()> backLines_{};
    std::array<VisionLine, kVisions.size() - 1> visionLines_{};
    std::array<HarmonyLine, kHarmonies.size()> harmonyLines_{};
    std::array<HarmonySet, kHarmonies.size()> harmonies_{};
    ColorValue current_ = kBlack;
    ColorValue previous_ = kBlack;
};

} // namespace sv
