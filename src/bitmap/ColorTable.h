#pragma once
// The distinct colours of a picture, in the order they first appear when the pixels are read
// row by row from the top, left to right. Only the first 90 001 pixels are examined.

#include "color/Color.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sv {

inline constexpr std::size_t kMaxExaminedPixels = 90001;

// The sentences of the caption, %1 and %2 standing for the numbers; the window passes them
// in the user's language.
struct TableCaptionTexts {
    std::string counts = "All codes = %1 - Effective codes = %2";
    std::string part = " - first %1 of %2 pixels";
};

class ColorTable {
public:
    // rgb holds three bytes per pixel (red, green, blue), rows packed one after another, for a
    // picture of pixelCount pixels; only the first kMaxExaminedPixels of them are read, so rgb
    // needs to hold no more than those.
    ColorTable(std::vector<std::uint8_t> rgb, std::size_t pixelCount);

    // Examines up to count more pixels; true once every pixel to be examined has been.
    bool scan(std::size_t count);
    bool done() const { return examined_ == codeCount_; }

    // The number of pixels examined in all (the picture's size, at most 90 001).
    std::size_t codeCount() const { return codeCount_; }
    std::size_t examined() const { return examined_; }
    std::size_t pixelCount() const { return pixelCount_; }
    // More pixels than could be examined.
    bool truncated() const { return pixelCount_ > codeCount_; }
    const std::vector<ColorValue>& colors() const { return colors_; }

    // "All codes = i - Effective codes = E": i the pixel (from 0) where the latest new colour
    // was found, E the colours found so far; empty before any. Once done with a truncated
    // picture it says how much of it was examined.
    std::string caption(const TableCaptionTexts& texts = {}) const;

private:
    std::vector<std::uint8_t> rgb_;
    std::size_t pixelCount_;
    std::size_t codeCount_;
    std::size_t examined_ = 0;
    std::size_t lastNewAt_ = 0;
    std::vector<ColorValue> colors_;
    // One bit per possible colour: 2 MiB, and a constant-time lookup.
    std::vector<std::uint64_t> seen_;
};

} // namespace sv
