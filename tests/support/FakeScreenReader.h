#pragma once
// A screen made of one image in memory and a pointer that tests move by hand.

#include "widgets/ScreenReader.h"

namespace sv::test {

class FakeScreenReader : public ScreenReader {
public:
    QPoint pos;
    QImage screen;        // the fake screen; positions outside it cannot be read
    bool readable = true; // false: every read fails, as on Wayland
    int pixelReads = 0;

    QPoint cursorPos() const override { return pos; }
    std::optional<ColorValue> pixelAt(QPoint devicePos) override;
    bool canReadScreen() const override { return readable; }
    // Device pixels are the fake screen's pixels.
    QPoint pointerDevicePos() const override { return pos; }
    QImage grabDevicePixels(const QRect& deviceRect) override;
    QList<QRect> grabs; // every rectangle asked for
    bool isOnScreen(QPoint devicePos) const override { return screen.rect().contains(devicePos); }
    void movePointerTo(QPoint devicePos) override { pos = devicePos; }

    // Paints a rectangle of the fake screen in a colour (0x00BBGGRR).
    void fill(const QRect& r, ColorValue c);
};

} // namespace sv::test
