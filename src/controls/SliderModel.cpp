#include "controls/SliderModel.h"

#include "color/Numeric.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sv {

namespace {

// Division that gives 0 instead of failing on a zero divisor.
float safeDivide(float a, float b) {
    return b == 0.0f ? 0.0f : a / b;
}

void appendRun(std::vector<ColorValue>& table, ColorValue from, ColorValue to, int n) {
    auto channels = [](ColorValue c) {
        return std::array<int, 3>{c & 255, (c & 65280) / 256, (c & 0xFF0000) / 65536};
    };
    const auto a = channels(from);
    const auto b = channels(to);
    std::array<float, 3> step{};
    for (std::size_t k = 0; k < 3; ++k) {
        step[k] = safeDivide(static_cast<float>(b[k] - a[k]), static_cast<float>(n));
    }
    // Entry j is start + step × j: the run never repeats its start colour and ends on its end.
    for (int j = 1; j <= n; ++j) {
        std::array<int, 3> c{};
        for (std::size_t k = 0; k < 3; ++k) {
            const float product = step[k] * static_cast<float>(j);
            c[k] = static_cast<int>(roundEven(product + static_cast<float>(a[k])));
        }
        table.push_back(rgb(c[0], c[1], c[2]));
    }
}

} // namespace

SliderModel::SliderModel() {
    resetThumb();
}

float SliderModel::track() const {
    return orientation_ == kVertical ? static_cast<float>(height_ - thumbH_)
                                     : static_cast<float>(width_ - thumbW_);
}

void SliderModel::placeThumb(int v) {
    const double t = track();
    if (orientation_ == kHorizontal) {
        thumbX_ = static_cast<float>(t * v / kMaxValue);
    } else if (orientation_ == kVertical) {
        thumbY_ = static_cast<float>(t - t * v / kMaxValue);
    }
}

void SliderModel::resetThumb() {
    if (orientation_ == kHorizontal) {
        thumbX_ = 0.0f;
        thumbY_ = 0.0f;
    } else if (orientation_ == kVertical) {
        thumbX_ = 0.0f;
        thumbY_ = static_cast<float>(height_ - thumbH_);
    }
}

int SliderModel::valueFromThumb() const {
    const float t = track();
    float ratio = 0.0f;
    if (orientation_ == kHorizontal) {
        ratio = safeDivide(thumbX_, t);
    } else if (orientation_ == kVertical) {
        ratio = safeDivide(t - thumbY_, t);
    } else {
        return requested_;
    }
    const float v = roundEven(ratio * static_cast<float>(kMaxValue));
    return static_cast<int>(std::clamp(v, 0.0f, static_cast<float>(kMaxValue)));
}

int SliderModel::value() const {
    return valueFromThumb();
}

SliderEvents SliderModel::setValue(int v) {
    if (v < 0 || v > kMaxValue) {
        return {};
    }
    requested_ = v;
    if (v == current_) {
        return {};
    }
    // While dragging, the pointer owns the thumb.
    if (!dragging_) {
        placeThumb(v);
    }
    current_ = v;
    SliderEvents events{SliderEvent::ValueUpdated, SliderEvent::ToolTipChanged};
    if (v == kMaxValue) {
        events.push_back(SliderEvent::MaximumReached);
    }
    if (v == 0) {
        events.push_back(SliderEvent::MinimumReached);
    }
    return events;
}

void SliderModel::setOrientation(int o) {
    orientation_ = o;
    resetThumb();
    resize(width_, height_);
}

void SliderModel::setSegmentSize(int size) {
    segmentSize_ = std::clamp(size, 2, 5);
}

void SliderModel::setThumbSize(int w, int h) {
    thumbW_ = std::max(w, 0);
    thumbH_ = std::max(h, 0);
    resize(width_, height_);
}

std::pair<int, int> SliderModel::fittedSize(int w, int h) const {
    if (orientation_ == kHorizontal && w == 0) {
        w = thumbW_;
    } else if (orientation_ == kVertical) {
        if (h == 0) {
            h = thumbH_;
        }
        w = thumbW_;
    }
    return {w, h};
}

void SliderModel::resize(int w, int h) {
    width_ = w;
    height_ = h;
    if (orientation_ == kHorizontal) {
        thumbY_ = 0.0f;
    } else if (orientation_ == kVertical) {
        thumbX_ = 0.0f;
    }
    placeThumb(requested_);
}

SliderEvents SliderModel::drag(float x, float y) {
    const float t = track();
    if (orientation_ == kHorizontal) {
        const float p = x - grabX_;
        thumbX_ = p < 0.0f ? 0.0f : (p <= t ? p : t);
    } else if (orientation_ == kVertical) {
        const float p = y - grabY_;
        thumbY_ = p < 0.0f ? 0.0f : (p <= t ? p : t);
    }
    // Snap the thumb to the value it stands for.
    const int v = valueFromThumb();
    placeThumb(v);
    return setValue(v);
}

SliderEvents SliderModel::press(int button, float x, float y) {
    SliderEvents events;
    if (enabled_ && button == kLeftButton) {
        dragging_ = true;
        const bool onThumb = thumbX_ <= x && x < thumbX_ + static_cast<float>(thumbW_) &&
                             thumbY_ <= y && y < thumbY_ + static_cast<float>(thumbH_);
        if (onThumb) {
            grabX_ = x - thumbX_;
            grabY_ = y - thumbY_;
        } else {
            // The thumb jumps to centre on the press point and follows from there.
            grabX_ = static_cast<float>(thumbW_) / 2.0f;
            grabY_ = static_cast<float>(thumbH_) / 2.0f;
            events = drag(x, y);
        }
        events.push_back(SliderEvent::Pressed);
    }
    events.push_back(SliderEvent::HostWrite);
    return events;
}

SliderEvents SliderModel::move(float x, float y) {
    return dragging_ ? drag(x, y) : SliderEvents{};
}

SliderEvents SliderModel::release(int button, float x, float y) {
    SliderEvents events;
    if (button == kLeftButton && x >= 0.0f && x < static_cast<float>(width_) && y >= 0.0f &&
        y < static_cast<float>(height_)) {
        events.push_back(SliderEvent::Clicked);
    }
    if (dragging_) {
        events.push_back(SliderEvent::Released);
    }
    dragging_ = false;
    events.push_back(SliderEvent::HostWrite);
    return events;
}

std::vector<ColorValue> SliderModel::fillLines() const {
    if (orientation_ != kHorizontal && orientation_ != kVertical) {
        return {};
    }
    const int extent = orientation_ == kHorizontal ? width_ : height_;
    const auto lineCount = static_cast<std::size_t>(
        std::max(0.0, roundEven(static_cast<double>(requested_) / kMaxValue * extent)));
    const std::vector<ColorValue> table =
        useGradient_ ? sliderColorTable(startColor_, midColor_, endColor_, extent)
                     : sliderColorTable(foreColor_, foreColor_, foreColor_, extent);
    if (table.empty()) {
        return {};
    }
    std::vector<ColorValue> lines(
        table.begin(),
        table.begin() + static_cast<std::ptrdiff_t>(std::min(lineCount, table.size())));
    if (segmented_) {
        int counter = 0;
        for (ColorValue& line : lines) {
            if (++counter == segmentSize_) {
                line = backColor_;
                counter = 0;
            }
        }
    }
    return lines;
}

std::string sliderToolTip(int value) {
    const std::string number = std::to_string(value);
    if (value == 0) {
        return number + " > ";
    }
    if (value == SliderModel::kMaxValue) {
        return " < " + number;
    }
    return " < " + number + " > ";
}

std::vector<ColorValue> sliderColorTable(ColorValue a, ColorValue b, ColorValue c, int length) {
    const int half = length / 2;
    if (half < 3) {
        return {};
    }
    std::vector<ColorValue> table;
    table.reserve(static_cast<std::size_t>(length));
    appendRun(table, a, b, half + length % half);
    appendRun(table, b, c, half);
    return table;
}

} // namespace sv
