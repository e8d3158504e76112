#pragma once
// The slider's arithmetic, free of any widget: where the thumb stands for a value, which value
// a thumb position stands for, and the colour of each line of the fill.
//
// Offsets are in pixels along the track, counted from the end that means 0 (the left of a
// horizontal slider, the bottom of a vertical one). The track is the slider's length less the
// thumb's.

#include "color/Color.h"

#include <string>
#include <vector>

namespace sv {

inline constexpr int kSliderMaximum = 255;

// The thumb's offset for a value.
float sliderThumbOffset(int value, float track);
// The value an offset stands for: the nearest, halves to even, within 0 .. 255 (0 when the
// track has no length).
int sliderValueAt(float offset, float track);

// The tool tip for a value: "0 > ", " < 255" and " < N > " between them.
std::string sliderToolTip(int value);

// A fill colour table of length entries: a run from a to b of half + (length mod half)
// entries, then a run from b to c of half entries (half = length \ 2). Each run ends exactly
// on its end colour. Empty when half is below 3.
std::vector<ColorValue> sliderColorTable(ColorValue a, ColorValue b, ColorValue c, int length);

struct SliderFill {
    ColorValue start = 0;
    ColorValue middle = 0;
    ColorValue end = 0;
    int segmentSize = 0; // every segmentSize-th line shows gap; 0 for a solid fill
    ColorValue gap = 0;
};

// The colour of each fill line i = 1 .. F for a value over a slider extent pixels long, gaps
// included: F = round(value / 255 × extent).
std::vector<ColorValue> sliderFillLines(int value, int extent, const SliderFill& fill);

} // namespace sv
