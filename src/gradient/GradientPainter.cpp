#include "gradient/GradientPainter.h"

#include "color/Numeric.h"
#include "gradient/GradientMath.h"
#include "gradient/GradientStrip.h"

namespace sv {

void pintaGradiente(GradientStrip& grad1, GradientStrip& grad2, const std::string& red,
                    const std::string& green, const std::string& blue, ColorValue last) {
    grad1.setColumns(gradientColumns(red, green, blue, last, grad1.widthTwips()));
    const int width2 = toInt32(grad2.widthTwips()).value_or(0);
    grad2.setColumns(spectrumColumns(last, width2));
}

} // namespace sv
