#include "palette/SwatchGrid.h"

#include "color/ColorSelection.h"
#include "palette/MaskPictures.h"
#include "palette/Swatch.h"
#include "widgets/Artwork.h"

namespace sv {

SwatchGrid::SwatchGrid(QWidget* container, ColorSelection& selection, SwatchMask mask)
    : QWidget(container), selection_(selection), mask_(mask) {
    setGeometry(kMargin, kMargin, kGridSize, kGridSize);
    buildSwatches();
    emptySwatches(0);
}

void SwatchGrid::buildSwatches() {
    swatches_.reserve(Palette::kSize);
    const QCursor tinta = appCursor(AppCursor::Tinta);
    for (int i = 1; i <= Palette::kSize; ++i) {
        auto* s = new Swatch(i, this);
        // Each swatch takes its size and pointer from the first; neighbours touch.
        const int row = (i - 1) / Palette::kColumns;
        const int column = (i - 1) % Palette::kColumns;
        s->setGeometry(column * kSwatchSize, row * kSwatchSize, kSwatchSize, kSwatchSize);
        s->setCursor(tinta);
        connect(s, &Swatch::pressed, this,
                [this, i](Qt::MouseButton button, QPoint) { onPressed(i, button); });
        connect(s, &Swatch::colorDropped, this,
                [this](int index, ColorValue c) { setColor(index, c); });
        swatches_.push_back(s);
    }
}

Swatch* SwatchGrid::swatch(int index) const {
    return Palette::validIndex(index) ? swatches_[static_cast<std::size_t>(index - 1)] : nullptr;
}

bool SwatchGrid::isEmpty(int index) const {
    const Swatch* s = swatch(index);
    return s == nullptr || s->isEmpty();
}

std::optional<ColorValue> SwatchGrid::color(int index) const {
    const Swatch* s = swatch(index);
    if (s == nullptr || s->isEmpty()) {
        return std::nullopt;
    }
    return s->backColor();
}

void SwatchGrid::setMask(SwatchMask mask) {
    mask_ = mask;
}

void SwatchGrid::setColor(int index, ColorValue c) {
    if (Swatch* s = swatch(index)) {
        s->fill(c);
        emit swatchChanged(index);
    }
}

QImage SwatchGrid::currentMask() {
    QImage& cached = maskCache_[static_cast<std::size_t>(mask_) - 1];
    if (cached.isNull()) {
        cached = maskPicture(mask_);
    }
    return cached;
}

void SwatchGrid::emptySwatches(int index) {
    const QImage mask = currentMask();
    const int first = index == 0 ? 1 : index;
    const int last = index == 0 ? Palette::kSize : index;
    for (int i = first; i <= last; ++i) {
        if (Swatch* s = swatch(i)) {
            s->makeEmpty(mask);
            emit swatchChanged(i);
        }
    }
}

Palette SwatchGrid::palette() const {
    Palette p;
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (const auto c = color(i)) {
            p.setColor(i, *c);
        }
    }
    return p;
}

void SwatchGrid::setPalette(const Palette& p) {
    std::bitset<Palette::kSize> all;
    all.set();
    applyPalette(p, all);
}

void SwatchGrid::applyPalette(const Palette& p, const std::bitset<Palette::kSize>& which) {
    for (int i = 1; i <= Palette::kSize; ++i) {
        if (!which.test(static_cast<std::size_t>(i - 1))) {
            continue;
        }
        if (p.isEmpty(i)) {
            emptySwatches(i);
        } else {
            setColor(i, p.color(i));
        }
    }
}

void SwatchGrid::onPressed(int index, Qt::MouseButton button) {
    Swatch* s = swatch(index);
    const bool left = button == Qt::LeftButton;
    if (s->isEmpty()) {
        setColor(index, left ? selection_.current() : selection_.previous());
    } else if (left) {
        selection_.setCurrent(s->backColor());
    } else {
        emptySwatches(index);
    }
}

} // namespace sv
