#pragma once
// The palette every view and command works on: the 256 swatches, with one signal per swatch
// that changes. The main window's grid paints it, the colour grid and the gradient generator
// read and write it, palette files are loaded into it and saved from it.

#include "palette/Palette.h"

#include <QObject>
#include <bitset>
#include <optional>

namespace sv {

class PaletteModel : public QObject {
    Q_OBJECT
public:
    explicit PaletteModel(QObject* parent = nullptr) : QObject(parent) {}

    const Palette& palette() const { return palette_; }
    bool isEmpty(int index) const { return palette_.isEmpty(index); }
    // The swatch's colour; empty for an empty swatch or an index outside 1 .. 256.
    std::optional<ColorValue> color(int index) const;

    // Swatch index holds c (an index outside 1 .. 256 is ignored).
    void setColor(int index, ColorValue c);
    // Empties swatch index (an index outside 1 .. 256 is ignored).
    void emptySwatch(int index);
    void emptyAll();
    // Every swatch as in p.
    void setPalette(const Palette& p);
    // Only the swatches marked in which as in p (what a palette file held).
    void applyPalette(const Palette& p, const std::bitset<Palette::kSize>& which);

signals:
    // Swatch index now holds another colour, was filled, or was emptied (also when it was
    // empty already: its views then show the mask picture chosen now). Once per swatch per
    // call; never for a swatch given the colour it held.
    void swatchChanged(int index);

private:
    void replace(int index, const Palette& from);

    Palette palette_;
};

} // namespace sv
