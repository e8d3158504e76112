#include "gradient/GradientStrips.h"

#include "color/Numeric.h"
#include "gradient/GradientMath.h"
#include "gradient/GradientStrip.h"

namespace sv {

GradientStrips::GradientStrips(const QRect& blendRect, const QRect& spectrumRect, QWidget* parent)
    : QWidget(parent) {
    // Covers both strips; they touch, the spectrum strip lying over the blend strip's last
    // pixel column.
    setGeometry(blendRect.united(spectrumRect));
    const QPoint origin = pos();
    blend_ = new GradientStrip(this);
    blend_->setGeometry(blendRect.translated(-origin));
    blend_->setBackColor(0xE0E0E0);
    spectrum_ = new GradientStrip(this);
    spectrum_->setGeometry(spectrumRect.translated(-origin));
    spectrum_->setBackColor(0xC0C0C0);
    blend_->setAccessibleName(tr("Blend from the current to the last colour"));
    spectrum_->setAccessibleName(tr("Last colour to black, then the spectrum"));

    connect(blend_, &GradientStrip::pressed, this, [this](Qt::MouseButton, QPoint pos) {
        if (const auto c = blend_->colorAt(pos)) {
            emit colorTried(*c);
        }
    });
    connect(spectrum_, &GradientStrip::pressed, this,
            [this](Qt::MouseButton, QPoint pos) { emit colorChosen(spectrum_->colorAt(pos)); });
}

void GradientStrips::redraw(ColorValue current, ColorValue last) {
    if (drawn_ == std::pair(current, last)) {
        return;
    }
    drawn_ = std::pair(current, last);
    blend_->setColumns(gradientColumns(current, last, blend_->widthTwips()));
    spectrum_->setColumns(spectrumColumns(last, toInt32(spectrum_->widthTwips()).value_or(0)));
}

} // namespace sv
