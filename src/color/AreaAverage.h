#pragma once
// A pick's colour over a square of pixels: each channel's arithmetic mean of its 8-bit values,
// rounded half up.

#include "color/Color.h"

#include <array>
#include <cstdint>
#include <optional>

namespace sv {

// The sides, in device pixels, of the squares a pick can average over; 1 reads the one pixel
// under the pointer.
inline constexpr std::array<int, 4> kSampleSizes{1, 3, 5, 9};

constexpr bool isSampleSize(int side) {
    for (int s : kSampleSizes) {
        if (s == side) {
            return true;
        }
    }
    return false;
}

// The sample size steps sizes away (a wheel's notches), held within the sizes above.
int stepSampleSize(int side, int steps);

// sum / count rounded half up, in integers: (2 × sum + count) / (2 × count). count > 0.
constexpr int meanRoundedHalfUp(std::uint32_t sum, int count) {
    const auto n = static_cast<std::uint64_t>(count);
    return static_cast<int>((2 * std::uint64_t(sum) + n) / (2 * n));
}

class ChannelMean {
public:
    void add(ColorValue c);
    int count() const { return count_; }
    // None when no pixel was added (a square wholly off every screen).
    std::optional<ColorValue> mean() const;

private:
    std::uint32_t red_ = 0;
    std::uint32_t green_ = 0;
    std::uint32_t blue_ = 0;
    int count_ = 0;
};

} // namespace sv
