#pragma once
// Where the tool windows open, against the main window. All values in twips.

namespace sv {

struct TwipRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct TwipPoint {
    double left = 0;
    double top = 0;
};

// The top of the main window's palette panel, which the tool windows line up with.
inline constexpr double kPalettePanelTop = 705;
// How far a tool window's right edge stays inside the main window's right edge.
inline constexpr double kToolInset = 100;
inline constexpr double kMagnifierInset = 200;

// left = main left + main width - tool width - inset; top = main top + palette top - 60.
TwipPoint toolWindowPlacement(const TwipRect& main, double toolWidth, double inset = kToolInset);

// Beside the main window, for a window that would hide what it reads (the colour details):
// right of it where the screen has room, else left of it, its top level with the main
// window's and kept on the screen; where neither side has room, as toolWindowPlacement.
// screen: the screen's available area.
TwipPoint besideWindowPlacement(const TwipRect& main, double toolWidth, double toolHeight,
                                const TwipRect& screen);

// Near the main window's bottom-right corner: top = main top + main height - h - h / 3,
// left = main left + main width - w - w / 2.
TwipPoint aboutWindowPlacement(const TwipRect& main, double width, double height);

} // namespace sv
