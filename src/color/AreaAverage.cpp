#include "color/AreaAverage.h"

#include "color/ChoiceSteps.h"

namespace sv {

int stepSampleSize(int side, int steps) {
    return stepThrough(kSampleSizes, side, steps, 0);
}

void ChannelMean::add(ColorValue c) {
    red_ += std::uint32_t(c & 0xFF);
    green_ += std::uint32_t((c >> 8) & 0xFF);
    blue_ += std::uint32_t((c >> 16) & 0xFF);
    ++count_;
}

std::optional<ColorValue> ChannelMean::mean() const {
    if (count_ == 0) {
        return std::nullopt;
    }
    return rgb(meanRoundedHalfUp(red_, count_), meanRoundedHalfUp(green_, count_),
               meanRoundedHalfUp(blue_, count_));
}

} // namespace sv
