#include "controls/SliderMath.h"

#include "color/Numeric.h"

#include <algorithm>
#include <array>

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

float sliderThumbOffset(int value, float track) {
    return static_cast<float>(static_cast<double>(track) * value / kSliderMaximum);
}

int sliderValueAt(float offset, float track) {
    const float v = roundEven(safeDivide(offset, track) * static_cast<float>(kSliderMaximum));
    return static_cast<int>(std::clamp(v, 0.0f, static_cast<float>(kSliderMaximum)));
}

std::string sliderToolTip(int value) {
    const std::string number = std::to_string(value);
    if (value == 0) {
        return number + " > ";
    }
    if (value == kSliderMaximum) {
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

std::vector<ColorValue> sliderFillLines(int value, int extent, const SliderFill& fill) {
    const auto lineCount = static_cast<std::size_t>(
        std::max(0.0, roundEven(static_cast<double>(value) / kSliderMaximum * extent)));
    std::vector<ColorValue> lines = sliderColorTable(fill.start, fill.middle, fill.end, extent);
    lines.resize(std::min(lineCount, lines.size()));
    if (fill.segmentSize > 0) {
        for (std::size_t i = static_cast<std::size_t>(fill.segmentSize) - 1; i < lines.size();
             i += static_cast<std::size_t>(fill.segmentSize)) {
            lines[i] = fill.gap;
        }
    }
    return lines;
}

} // namespace sv
