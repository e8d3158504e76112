#include "support/FakeScreenReader.h"

#include "widgets/QtColor.h"

#include <QPainter>

namespace sv::test {

std::optional<ColorValue> FakeScreenReader::pixelAt(QPoint globalPos) {
    ++pixelReads;
    if (!readable || !screen.rect().contains(globalPos)) {
        return std::nullopt;
    }
    return fromQRgb(screen.pixel(globalPos));
}

void FakeScreenReader::fill(const QRect& r, ColorValue c) {
    if (screen.isNull()) {
        screen = QImage(1280, 1024, QImage::Format_RGB32);
        screen.fill(Qt::black);
    }
    QPainter p(&screen);
    p.fillRect(r, toQColor(c));
}

} // namespace sv::test
