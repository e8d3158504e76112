#include "widgets/ToolPlacement.h"

#include <algorithm>

namespace sv {

TwipPoint toolWindowPlacement(const TwipRect& main, double toolWidth, double inset) {
    return {main.left + main.width - toolWidth - inset, main.top + kPalettePanelTop - 60};
}

TwipPoint besideWindowPlacement(const TwipRect& main, double toolWidth, double toolHeight,
                                const TwipRect& screen) {
    constexpr double kGap = 90; // six pixels between the windows
    const double screenRight = screen.left + screen.width;
    const double top = std::clamp(main.top, screen.top,
                                  std::max(screen.top, screen.top + screen.height - toolHeight));
    const double right = main.left + main.width + kGap;
    if (right + toolWidth <= screenRight) {
        return {right, top};
    }
    const double left = main.left - kGap - toolWidth;
    if (left >= screen.left) {
        return {left, top};
    }
    // Over the main window, but never off the screen: a window wider than the room left of the
    // main window's right edge would otherwise start left of the screen.
    TwipPoint inside = toolWindowPlacement(main, toolWidth);
    inside.left = std::max(inside.left, screen.left);
    inside.top = std::max(inside.top, screen.top);
    return inside;
}

TwipPoint aboutWindowPlacement(const TwipRect& main, double width, double height) {
    return {main.left + main.width - width - width / 2,
            main.top + main.height - height - height / 3};
}

} // namespace sv
