#pragma once
// Where the program reads the pointer and the screen. The real one asks the X server through
// Qt; tests put a fake behind the same interface.

#include "color/Color.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

class QScreen;

namespace sv {

class ScreenReader {
public:
    virtual ~ScreenReader() = default;

    // The pointer position in screen (logical) pixels.
    virtual QPoint cursorPos() const = 0;
    // Whether cursorPos() knows where the pointer is yet.
    virtual bool knowsPointer() const { return true; }
    // The colour of the device pixel at a position of the desktop (see pointerDevicePos);
    // empty when it lies on no screen or cannot be read.
    virtual std::optional<ColorValue> pixelAt(QPoint devicePos) = 0;
    // Whether this platform can read the screen at all (Wayland cannot).
    virtual bool canReadScreen() const = 0;

    // The pointer's hot spot in device pixels of the whole desktop.
    virtual QPoint pointerDevicePos() const = 0;
    // The device pixels of a rectangle of the desktop as an RGB32 image of the rectangle's
    // size; whatever lies outside every screen is black. Null when the screen cannot be read.
    virtual QImage grabDevicePixels(const QRect& deviceRect) = 0;
    // Whether a device pixel lies on a screen (a pick's average takes only those).
    virtual bool isOnScreen(QPoint devicePos) const = 0;
    // Puts the pointer's hot spot on a device pixel (the arrow keys' steps during a pick).
    virtual void movePointerTo(QPoint devicePos) = 0;
    // A device pixel's place in logical pixels, without asking the X server again.
    virtual QPoint toLogical(QPoint devicePos) const;
};

// A screen's place on the desktop in device pixels.
QRect deviceGeometry(const QScreen* screen);
// The bounding box of every screen in device pixels.
QRect deviceDesktop();
// Whether this X11 program runs in a Wayland session (XWayland): the X server shows it none of
// the desktop's pixels there, so the root window and every Wayland window read black.
bool runsUnderXWayland();
// Whether this program can read the screen and ask the pointer's place at any time: not on
// Wayland, nor under XWayland.
bool screenIsReadable();

// The X11 implementation through Qt's screen grab (never under Wayland or XWayland).
class QtScreenReader : public ScreenReader {
public:
    QPoint cursorPos() const override;
    std::optional<ColorValue> pixelAt(QPoint devicePos) override;
    bool canReadScreen() const override;
    QPoint pointerDevicePos() const override;
    QImage grabDevicePixels(const QRect& deviceRect) override;
    bool isOnScreen(QPoint devicePos) const override;
    void movePointerTo(QPoint devicePos) override;
};

} // namespace sv
