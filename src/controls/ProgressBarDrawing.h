#pragma once
// What the progress bar draws, as a list of simple drawing steps in the control's pixels.
// The widget only carries the steps out, so every line and colour can be checked here.

#include "color/Color.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sv {

class ProgressBarModel;

struct PbRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0; // exclusive
    bool operator==(const PbRect&) const = default;
};

enum class PbDrawKind {
    Fill,    // rect in color
    Frame,   // one-pixel frame just inside rect, in color
    Line,    // from (rect.left, rect.top) to (rect.right, rect.bottom), the end not drawn
    Pixel,   // (rect.left, rect.top) in color
    Edge,    // a 3-D edge round rect; param: 2 sunken, 6 etched, 9 bump
    Hatch,   // rect: background back, hatch pattern param in color
    Pattern, // rect filled with the control's picture as a tiled brush (color when none)
    Text,    // text in rect, in color; clipped to clip when it is set
};

struct PbDrawOp {
    PbDrawKind kind = PbDrawKind::Fill;
    PbRect rect;
    ColorValue color = 0;
    ColorValue back = 0;
    int param = 0;
    std::string text;
    std::optional<PbRect> clip;
};

// Width and height of a text in the control's font.
using PbTextMeasure = std::function<std::pair<int, int>(const std::string& text)>;

// Moves each channel towards white: c' = ((255 - amount) × c) \ 255 + amount, at most 255.
ColorValue lighten(ColorValue color, int amount);
// The channel-wise average of two colours.
ColorValue blendColors(ColorValue a, ColorValue b);

// A one-pixel line from (x, y) to (x2, y2), the end point not drawn.
void drawLine(std::vector<PbDrawOp>& out, int x, int y, int x2, int y2, ColorValue color);

// n + 1 lines shading from a to b, n being width when across, height otherwise. Across: the
// vertical lines x + i from y to height; otherwise the horizontal lines y + i from x to width.
// With n = 0 a single line in a is drawn.
void drawGradient(std::vector<PbDrawOp>& out, ColorValue a, ColorValue b, int x, int y, int width,
                  int height, bool across);

// The text rectangle of a w × h text centred in a control of the given size.
PbRect centredText(int controlWidth, int controlHeight, int textWidth, int textHeight);

// One whole redraw of a control of the given size: background, style, caption. Clamps the
// model's percent to 100 first.
std::vector<PbDrawOp> drawProgressBar(ProgressBarModel& model, int width, int height,
                                      const PbTextMeasure& measure);

} // namespace sv
