#pragma once
// The state of the progress bar control: its properties and the percentage they give. No
// drawing here (see ProgressBarDrawing.h).

#include "color/Color.h"

#include <cstdint>
#include <functional>
#include <string>

namespace sv {

class ProgressBarModel {
public:
    // A colour with its top bit set names a system colour (its low 31 bits are the number).
    static constexpr ColorValue kSystemHighlight = static_cast<ColorValue>(0x8000000Du);
    // Gives the current value of the system colour whose number is passed.
    using SystemColorResolver = std::function<ColorValue(int index)>;

    // Without a resolver the classic system colours are used.
    explicit ProgressBarModel(SystemColorResolver resolver = {});

    // percent = round(value × 100 / Max + Min), halves to even. A Max of 0 gives 0 %.
    void setValue(std::int32_t value);
    // round(percent / 100 × Max / d), d being Min when Min is 1 or more, otherwise 1.
    std::int32_t value() const;
    std::int32_t percent() const { return percent_; }

    // Max and Min only take effect at the next setValue.
    void setMax(std::int32_t max) { max_ = max; }
    std::int32_t max() const { return max_; }
    void setMin(std::int32_t min) { min_ = min; }
    std::int32_t min() const { return min_; }

    // Stores the colour with a system colour resolved to its current value.
    void setColor(ColorValue color) { color_ = resolve(color); }
    ColorValue color() const { return color_; }

    // Drawing style 0 .. 9.
    void setScrolling(std::int32_t style) { scrolling_ = style; }
    std::int32_t scrolling() const { return scrolling_; }
    // 0 horizontal, anything else vertical (styles 0 to 2 only).
    void setOrientation(std::int32_t orientation) { orientation_ = orientation; }
    std::int32_t orientation() const { return orientation_; }
    void setShowText(bool show) { showText_ = show; }
    bool showText() const { return showText_; }
    // Hatch pattern of style 7 (0 horizontal, 1 vertical, 2 and 3 diagonal, 4 cross, 5 both).
    void setBrushStyle(std::int32_t style) { brushStyle_ = style; }
    std::int32_t brushStyle() const { return brushStyle_; }

    // The text the bar shows: "Searching.." in style 2, otherwise the percent and " %".
    std::string caption() const;

    // A drawing never shows more than 100 %, and the stored percent follows it.
    std::int32_t clampPercentForDrawing();

    // A system colour as its current value; any other colour as it is.
    ColorValue resolve(ColorValue color) const;

private:
    SystemColorResolver resolver_;
    std::int32_t percent_ = 0;
    std::int32_t max_ = 100;
    std::int32_t min_ = 0;
    ColorValue color_ = 0;
    std::int32_t scrolling_ = 0;
    std::int32_t orientation_ = 0;
    bool showText_ = false;
    std::int32_t brushStyle_ = 0;
};

} // namespace sv
