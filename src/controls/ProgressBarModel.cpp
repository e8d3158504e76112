#include "controls/ProgressBarModel.h"

#include "color/Numeric.h"

#include <limits>

namespace sv {

namespace {

// The classic values of the system colours the control can be given.
ColorValue classicSystemColor(int index) {
    switch (index) {
    case 5:  // window
    case 14: // highlight text
    case 20: // button highlight
        return kWhite;
    case 13: // highlight
        return rgb(0, 120, 215);
    case 15: // button face
        return rgb(240, 240, 240);
    case 16: // button shadow
        return rgb(160, 160, 160);
    default:
        return kBlack;
    }
}

std::int32_t clampToInt32(double v) {
    if (!(v == v)) {
        return 0;
    }
    if (const auto r = toInt32(v)) {
        return *r;
    }
    return v < 0 ? std::numeric_limits<std::int32_t>::min()
                 : std::numeric_limits<std::int32_t>::max();
}

} // namespace

ProgressBarModel::ProgressBarModel(SystemColorResolver resolver) : resolver_(std::move(resolver)) {
    color_ = resolve(kSystemHighlight);
}

void ProgressBarModel::setValue(std::int32_t value) {
    // A scale of 0 would divide by zero; an empty scale shows an empty bar instead.
    if (max_ == 0) {
        percent_ = 0;
        return;
    }
    percent_ = clampToInt32(roundEven(static_cast<double>(value) * 100.0 / max_ + min_));
}

std::int32_t ProgressBarModel::value() const {
    const double d = min_ >= 1 ? min_ : 1;
    return clampToInt32(roundEven(percent_ / 100.0 * max_ / d));
}

std::string ProgressBarModel::caption() const {
    if (scrolling_ == 2) {
        return "Searching..";
    }
    return std::to_string(percent_) + " %";
}

std::int32_t ProgressBarModel::clampPercentForDrawing() {
    if (percent_ > 100) {
        percent_ = 100;
    }
    return percent_;
}

ColorValue ProgressBarModel::resolve(ColorValue color) const {
    if (color >= 0) {
        return color;
    }
    const int index = static_cast<int>(static_cast<std::uint32_t>(color) & 0x7FFFFFFFu);
    return resolver_ ? resolver_(index) : classicSystemColor(index);
}

} // namespace sv
