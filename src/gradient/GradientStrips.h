#pragma once
// The two gradient strips under the colour editor: the blend from the current colour to the
// last colour, and the last colour fading to black followed by a spectrum walk. A press on the
// blend strip tries a colour; a press on the spectrum strip chooses one.

#include "color/Color.h"

#include <QWidget>
#include <optional>

namespace sv {

class GradientStrip;

class GradientStrips : public QWidget {
    Q_OBJECT
public:
    // The strips' places are given in the parent's pixels.
    GradientStrips(const QRect& blendRect, const QRect& spectrumRect, QWidget* parent);

    GradientStrip* blendStrip() const { return blend_; }
    GradientStrip* spectrumStrip() const { return spectrum_; }

    // Recomputes both strips at their widths and paints each once; nothing when they already
    // show these colours.
    void redraw(ColorValue current, ColorValue last);

signals:
    // A press on the blend strip: the colour under the pointer, to try.
    void colorTried(sv::ColorValue color);
    // A press on the spectrum strip: the colour under the pointer, none past the strip.
    void colorChosen(std::optional<sv::ColorValue> color);

private:
    GradientStrip* blend_;
    GradientStrip* spectrum_;
    std::optional<std::pair<ColorValue, ColorValue>> drawn_;
};

} // namespace sv
