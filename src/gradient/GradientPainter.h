#pragma once
// Redraws both gradient strips of the main window for a colour: the blend strip from the
// editor's colour to the last colour, then the last colour's fade and spectrum walk.

#include "color/Color.h"

#include <string>

namespace sv {

class GradientStrip;

// red, green, blue: the texts of the editor fields; last: the "Last color" swatch's colour.
// Computes both strips at their current widths and paints each once.
void pintaGradiente(GradientStrip& grad1, GradientStrip& grad2, const std::string& red,
                    const std::string& green, const std::string& blue, ColorValue last);

} // namespace sv
