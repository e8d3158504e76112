#pragma once
// The slider's state and arithmetic, without any widget: values, thumb placement and the fill
// colours. The Slider widget paints this and turns its event lists
// into signals.
//
// Geometry is in pixels of the slider's surface. The thumb position is kept without any inset:
// horizontally its left edge runs from 0 to W − thumb width, vertically its top edge runs from
// H − thumb height (value 0) to 0 (value 255).

#include "color/Color.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace sv {

// What a step of the slider announces, in the order it happens.
enum class SliderEvent : std::uint8_t {
    Clicked,
    MinimumReached,
    MaximumReached,
    ValueUpdated,
    Pressed,
    Released,
    ToolTipChanged, // the tool tip text now follows the new value
    HostWrite,      // the host's field takes the requested value
};
using SliderEvents = std::vector<SliderEvent>;

// The system colours the control uses before anything else is set.
inline constexpr ColorValue kButtonText = static_cast<ColorValue>(0x80000012u);

// Mouse-button codes as the slider's events carry them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

class SliderModel {
public:
    static constexpr int kHorizontal = 0;
    static constexpr int kVertical = 1;
    static constexpr int kMaxValue = 255;

    SliderModel();

    // Value. setValue returns what it announced; out-of-range values are ignored.
    int value() const; // recomputed from the thumb position
    int currentValue() const { return current_; }
    int requestedValue() const { return requested_; }
    SliderEvents setValue(int v);

    std::int16_t max() const { return max_; }
    void setMax(std::int16_t v) { max_ = v; }
    std::int16_t min() const { return min_; }
    void setMin(std::int16_t v) { min_ = v; }
    ColorValue backColor() const { return backColor_; }
    void setBackColor(ColorValue c) { backColor_ = c; }
    ColorValue foreColor() const { return foreColor_; }
    void setForeColor(ColorValue c) { foreColor_ = c; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool on) { enabled_ = on; }
    ColorValue gradientStartColor() const { return startColor_; }
    void setGradientStartColor(ColorValue c) { startColor_ = c; }
    ColorValue gradientMidColor() const { return midColor_; }
    void setGradientMidColor(ColorValue c) { midColor_ = c; }
    ColorValue gradientEndColor() const { return endColor_; }
    void setGradientEndColor(ColorValue c) { endColor_ = c; }
    int orientation() const { return orientation_; }
    void setOrientation(int o); // moves the thumb home, then lays out again
    bool segmented() const { return segmented_; }
    void setSegmented(bool on) { segmented_ = on; }
    int segmentSize() const { return segmentSize_; }
    void setSegmentSize(int size); // clamped to 2 .. 5
    bool useGradient() const { return useGradient_; }
    void setUseGradient(bool on) { useGradient_ = on; }

    // Geometry.
    int surfaceWidth() const { return width_; }
    int surfaceHeight() const { return height_; }
    int thumbWidth() const { return thumbW_; }
    int thumbHeight() const { return thumbH_; }
    float thumbLeft() const { return thumbX_; }
    float thumbTop() const { return thumbY_; }
    void setThumbSize(int w, int h); // a new thumb picture; lays out again
    // The size the control must take for a requested size: an empty length becomes the
    // thumb's, and a vertical slider is exactly as wide as its thumb.
    std::pair<int, int> fittedSize(int w, int h) const;
    // The surface has a new size: place the thumb for the requested value.
    void resize(int w, int h);

    // Mouse, in surface pixels; button is 1 left, 2 right, 4 middle.
    bool dragging() const { return dragging_; }
    SliderEvents press(int button, float x, float y);
    SliderEvents move(float x, float y);
    SliderEvents release(int button, float x, float y);

    // The colour of each fill line i = 1 .. F, gaps included. Horizontal line i is pixel
    // column i (rows 2 .. H − 3); vertical line i is pixel row H − i (columns 2 .. W − 3).
    std::vector<ColorValue> fillLines() const;

private:
    float track() const; // W − thumb width (horizontal) or H − thumb height (vertical)
    void placeThumb(int v);
    void resetThumb();
    int valueFromThumb() const;
    SliderEvents drag(float x, float y);

    int current_ = 0;
    int requested_ = 0;
    std::int16_t max_ = 255;
    std::int16_t min_ = 0;
    ColorValue backColor_ = kButtonFace;
    ColorValue foreColor_ = kButtonText;
    bool enabled_ = true;
    ColorValue startColor_ = 0x00FF00;
    ColorValue midColor_ = 0x00FFFF;
    ColorValue endColor_ = 0x0000FF;
    int orientation_ = kHorizontal;
    bool segmented_ = false;
    int segmentSize_ = 3;
    bool useGradient_ = false;

    int width_ = 0;
    int height_ = 0;
    int thumbW_ = 16;
    int thumbH_ = 16;
    float thumbX_ = 0.0f;
    float thumbY_ = 0.0f;
    bool dragging_ = false;
    float grabX_ = 0.0f;
    float grabY_ = 0.0f;
};

// The tool tip for a value: "0 > ", " < 255" and " < N > " between them.
std::string sliderToolTip(int value);

// A fill colour table of length entries: a run from a to b of half + (length mod half)
// entries, then a run from b to c of half entries (half = length \ 2). Each run ends exactly
// on its end colour. Empty when half is below 3.
std::vector<ColorValue> sliderColorTable(ColorValue a, ColorValue b, ColorValue c, int length);

} // namespace sv
