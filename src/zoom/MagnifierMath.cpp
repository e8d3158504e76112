#include "zoom/MagnifierMath.h"

#include "color/Numeric.h"
#include "gradient/GradientMath.h"

namespace sv {

int sourceSide(int viewHeight, ZoomLevel zoom) {
    const int divisor = zoom == ZoomLevel::Times5 ? 30 : zoom == ZoomLevel::Times10 ? 20 : 10;
    return static_cast<int>(roundEven(double(viewHeight) * divisor / 200.0));
}

PixelPoint sourceCorner(PixelPoint pointer, int side) {
    auto corner = [side](int c) { return static_cast<int>(roundEven(c - side / 2.0)) + 1; };
    return {corner(pointer.x), corner(pointer.y)};
}

void stretchSquare(const std::uint32_t* square, int side, std::uint32_t* view, int width,
                   int height) {
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns[static_cast<std::size_t>(x)] = sourceIndex(x, side, width);
    }
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = square + std::size_t(sourceIndex(y, side, height)) * side;
        std::uint32_t* out = view + std::size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            out[x] = row[columns[static_cast<std::size_t>(x)]];
        }
    }
}

std::vector<ColorValue> shadeColumns(ColorValue picked, ColorValue end, int widthTwips) {
    if (widthTwips <= 0) {
        return {};
    }
    const Components from = splitColor(picked);
    const Components to = splitColor(end);
    const auto width = static_cast<float>(widthTwips);
    const float dR = componentIncrement(to.red, from.red, width);
    const float dG = componentIncrement(to.green, from.green, width);
    const float dB = componentIncrement(to.blue, from.blue, width);
    const int pixels = (widthTwips + kTwipsPerPixel - 1) / kTwipsPerPixel;
    std::vector<ColorValue> columns;
    columns.reserve(static_cast<std::size_t>(pixels));
    for (int p = 0; p < pixels; ++p) {
        // The last line drawn into this pixel.
        const int x = std::min(p * kTwipsPerPixel + kTwipsPerPixel - 1, widthTwips);
        columns.push_back(rgb(componentAtStep(x, dR, from.red).value_or(0),
                              componentAtStep(x, dG, from.green).value_or(0),
                              componentAtStep(x, dB, from.blue).value_or(0)));
    }
    return columns;
}

MagnifierState nextState(MagnifierState state, MagnifierEvent event, StopCapture stop) {
    using S = MagnifierState;
    switch (event) {
    case MagnifierEvent::StartPressed:
        // While capturing, presses never reach the button: they end the capture instead.
        return state == S::Capturing ? state : S::Capturing;
    case MagnifierEvent::F10:
        // Starts a capture whatever the window shows, as Go does, and ends a running one.
        return state == S::Capturing ? S::Inspecting : S::Capturing;
    case MagnifierEvent::ButtonPressed:
        return state == S::Capturing && stop == StopCapture::OnPress ? S::Inspecting : state;
    case MagnifierEvent::ButtonReleased:
        return state == S::Capturing && stop == StopCapture::OnRelease ? S::Inspecting : state;
    case MagnifierEvent::ViewClicked:
        return state == S::Idle || state == S::Inspecting ? S::Locked : state;
    }
    return state;
}

} // namespace sv
