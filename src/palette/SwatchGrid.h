#pragma once
// The palette grid of the main window: 256 swatches (1 .. 256), 16 by 16, row-major, touching
// each other, the first at (6, 6) inside the container panel.
//
// A left click on an empty swatch stores the current colour there, a right click the previous
// colour; a left click on a filled swatch shows its colour, a right click empties it.

#include "color/Color.h"
#include "palette/MaskPictures.h"
#include "palette/Palette.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <bitset>
#include <optional>
#include <vector>

namespace sv {

class ColorSelection;
class Swatch;

class SwatchGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSwatchSize = 21; // 315 twips
    static constexpr int kMargin = 6;      // 90 twips from the container's edge
    static constexpr int kGridSize = Palette::kColumns * kSwatchSize;

    // Builds all 256 swatches inside container, every one empty with the given mask.
    SwatchGrid(QWidget* container, ColorSelection& selection, SwatchMask mask = SwatchMask::Mask1);

    // 1 .. 256; nullptr outside.
    Swatch* swatch(int index) const;
    bool isEmpty(int index) const;
    // The swatch's colour; empty for an empty swatch.
    std::optional<ColorValue> color(int index) const;

    // The mask picture that the swatches emptied from now on show.
    void setMask(SwatchMask mask);

    // Writes a colour into a swatch (as the gradient generator and a drop do).
    void setColor(int index, ColorValue c);
    // Empties swatch index with the current mask picture; index 0 empties all 256.
    void emptySwatches(int index);

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
    void buildSwatches();
    void onPressed(int index, Qt::MouseButton button);
    QImage currentMask();

    ColorSelection& selection_;
    SwatchMask mask_;
    std::vector<Swatch*> swatches_;
    std::array<QImage, kMaskCount> maskCache_;
};

} // namespace sv
