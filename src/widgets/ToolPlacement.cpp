#include "widgets/ToolPlacement.h"

namespace sv {

TwipPoint toolWindowPlacement(const TwipRect& main, double toolWidth, double inset) {
    return {main.left + main.width - toolWidth - inset, main.top + kPalettePanelTop - 60};
}

TwipPoint aboutWindowPlacement(const TwipRect& main, double width, double height) {
    return {main.left + main.width - width - width / 2,
            main.top + main.height - height - height / 3};
}

} // namespace sv
