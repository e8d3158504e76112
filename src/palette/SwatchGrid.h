#pragma once
// The palette grid of the main window: 256 swatches piCs (1 .. 256), 16 by 16, row-major,
// touching each other, the first at (6, 6) inside the container panel. It knows its host only
// through the callbacks of SwatchHost.

#include "color/Color.h"
#include "palette/Palette.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <bitset>
#include <functional>
#include <vector>

namespace sv {

class Swatch;

// What the grid needs from the window that hosts it.
struct SwatchHost {
    std::function<ColorValue()> currentColor;  // picRefer's colour
    std::function<ColorValue()> lastColor;     // picStep's colour ("Last color")
    std::function<void(ColorValue)> showColor; // make it current and run mostraCodigos
    std::function<int()> maskIndex;            // the IndexPicMask option, 1 .. 5
};

class SwatchGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSwatchSize = 21; // 315 twips
    static constexpr int kMargin = 6;      // 90 twips from the container's edge
    static constexpr int kGridSize = Palette::kColumns * kSwatchSize;

    // Builds all 256 swatches inside container (BuildSwatchGrid), every one empty.
    explicit SwatchGrid(QWidget* container, SwatchHost host = {});

    void setHost(SwatchHost host) { host_ = std::move(host); }

    // 1 .. 256; nullptr outside.
    Swatch* swatch(int index) const;
    bool isEmpty(int index) const;
    // kButtonFace for an empty swatch.
    ColorValue color(int index) const;

    // Writes a colour into a swatch (as the gradient generator and a drop do).
    void setColor(int index, ColorValue c);
    void ClearSwatch(int index);
    // Empties swatch index with the current mask picture; index 0 empties all 256.
    void EmptySwatches(int index);

    // All 256 swatches as a palette value.
    Palette palette() const;
    // Makes every swatch as in p.
    void setPalette(const Palette& p);
    // Makes only the swatches marked in which as in p (what a palette file wrote).
    void applyPalette(const Palette& p, const std::bitset<Palette::kSize>& which);

signals:
    // A swatch's colour or empty state changed (by the user, a drop or a call).
    void swatchChanged(int index);

private:
    void BuildSwatchGrid();
    void onPressed(int index, Qt::MouseButton button);
    QImage currentMask();

    SwatchHost host_;
    std::vector<Swatch*> swatches_;
    std::array<QImage, 6> maskCache_;
};

} // namespace sv
