#include "support/FakeScreenReader.h"

#include "widgets/QtColor.h"

#include <QPainter>

namespace sv::test {

std::optional<ColorValue> FakeScreenReader::pixelAt(QPoint devicePos) {
    ++pixelReads;
    if (!readable || !screen.rect().contains(devicePos)) {
        return std::nullopt;
    }
    return fromQRgb(screen.pixel(devicePos));
}

QImage FakeScreenReader::grabDevicePixels(const QRect& deviceRect) {
    grabs.append(deviceRect);
    if (!readable) {
        return {};
    }
    QImage out(deviceRect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), screen, deviceRect);
    return out;
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
