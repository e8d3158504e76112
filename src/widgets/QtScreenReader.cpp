#include "widgets/ScreenReader.h"

#include "widgets/QtColor.h"

#include <algorithm>
#include <cmath>

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#ifdef SV_HAVE_XINPUT
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace sv {

// Qt keeps each screen's origin and scales only its extent, so positions inside a screen scale
// about that origin.
QRect deviceGeometry(const QScreen* screen) {
    const QRect g = screen->geometry();
    const qreal dpr = screen->devicePixelRatio();
    return {g.topLeft(), QSize(qRound(g.width() * dpr), qRound(g.height() * dpr))};
}

QPoint ScreenReader::toLogical(QPoint devicePos) const {
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect device = deviceGeometry(s);
        if (device.contains(devicePos)) {
            // Down, never up: the last device pixel of a scaled screen is still on it.
            const QPoint origin = device.topLeft();
            const QPointF offset = QPointF(devicePos - origin) / s->devicePixelRatio();
            return origin + QPoint(int(std::floor(offset.x())), int(std::floor(offset.y())));
        }
    }
    return devicePos;
}

QRect deviceDesktop() {
    QRect desktop;
    for (const QScreen* s : QGuiApplication::screens()) {
        desktop |= deviceGeometry(s);
    }
    return desktop;
}

namespace {

#ifdef SV_HAVE_XINPUT
xcb_connection_t* x11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_screen_t* rootScreen(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

// The X server's own pixels of a rectangle of the root window, clipped to it; null when the
// server does not give 32-bit pixels of a 24-bit screen.
QImage readRoot(xcb_connection_t* connection, const QRect& rect) {
    const xcb_screen_t* screen = rootScreen(connection);
    const QRect clipped = rect & QRect(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    if (clipped.isEmpty()) {
        return {};
    }
    const auto cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                      std::int16_t(clipped.x()), std::int16_t(clipped.y()),
                      std::uint16_t(clipped.width()), std::uint16_t(clipped.height()), ~0u);
    std::unique_ptr<xcb_get_image_reply_t, FreeDeleter> reply(
        xcb_get_image_reply(connection, cookie, nullptr));
    if (!reply || reply->depth != 24 ||
        xcb_get_image_data_length(reply.get()) != clipped.width() * clipped.height() * 4) {
        return {};
    }
    const QImage view(xcb_get_image_data(reply.get()), clipped.width(), clipped.height(),
                      clipped.width() * 4, QImage::Format_RGB32);
    if (clipped == rect) {
        return view.copy(); // the usual case: no painter for a few pixels read at every tick
    }
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(clipped.topLeft() - rect.topLeft(), view);
    return out;
}
#endif

} // namespace

QPoint QtScreenReader::cursorPos() const {
    return QCursor::pos();
}

bool runsUnderXWayland() {
    // Xwayland names its outputs XWAYLAND0, XWAYLAND1, ... A WAYLAND_DISPLAY alone says
    // nothing: an X server started from a Wayland session (Xvfb, Xephyr, a VNC server) has it
    // too, and its screen can be read.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [](const QScreen* s) {
        return s->name().startsWith(QLatin1String("XWAYLAND"));
    });
}

bool screenIsReadable() {
    return QGuiApplication::platformName() != QLatin1String("wayland") && !runsUnderXWayland();
}

bool QtScreenReader::canReadScreen() const {
    return screenIsReadable();
}

bool QtScreenReader::isOnScreen(QPoint devicePos) const {
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* s) { return deviceGeometry(s).contains(devicePos); });
}

void QtScreenReader::movePointerTo(QPoint devicePos) {
#ifdef SV_HAVE_XINPUT
    if (xcb_connection_t* connection = x11Connection()) {
        xcb_warp_pointer(connection, XCB_NONE, rootScreen(connection)->root, 0, 0, 0, 0,
                         std::int16_t(devicePos.x()), std::int16_t(devicePos.y()));
        xcb_flush(connection);
        return;
    }
#endif
    QCursor::setPos(toLogical(devicePos));
}

std::optional<ColorValue> QtScreenReader::pixelAt(QPoint devicePos) {
    if (!canReadScreen() || !isOnScreen(devicePos)) {
        return std::nullopt;
    }
    const QImage pixel = grabDevicePixels(QRect(devicePos, QSize(1, 1)));
    if (pixel.isNull()) {
        return std::nullopt;
    }
    return fromQRgb(pixel.pixel(0, 0));
}

QPoint QtScreenReader::pointerDevicePos() const {
#ifdef SV_HAVE_XINPUT
    if (xcb_connection_t* connection = x11Connection()) {
        std::unique_ptr<xcb_query_pointer_reply_t, FreeDeleter> reply(xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, rootScreen(connection)->root), nullptr));
        if (reply) {
            return {reply->root_x, reply->root_y};
        }
    }
#endif
    const QPoint logical = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(logical);
    if (screen == nullptr) {
        return logical;
    }
    const QPoint origin = screen->geometry().topLeft();
    return origin + (logical - origin) * screen->devicePixelRatio();
}

QImage QtScreenReader::grabDevicePixels(const QRect& deviceRect) {
    if (!canReadScreen() || deviceRect.isEmpty()) {
        return {};
    }
    QImage out;
#ifdef SV_HAVE_XINPUT
    if (xcb_connection_t* connection = x11Connection()) {
        out = readRoot(connection, deviceRect);
    }
#endif
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (out.isNull()) {
        // Screen by screen through Qt, where the X server cannot be asked directly.
        out = QImage(deviceRect.size(), QImage::Format_RGB32);
        out.fill(Qt::black);
        QPainter p(&out);
        for (QScreen* screen : screens) {
            const QRect part = deviceGeometry(screen) & deviceRect;
            if (part.isEmpty()) {
                continue;
            }
            const qreal dpr = screen->devicePixelRatio();
            const QPoint origin = screen->geometry().topLeft();
            const QRectF logical(QPointF(part.topLeft() - origin) / dpr, QSizeF(part.size()) / dpr);
            const QRect whole = logical.toAlignedRect();
            QImage shot = screen->grabWindow(0, whole.x(), whole.y(), whole.width(), whole.height())
                              .toImage();
            const QPoint within = part.topLeft() - origin - whole.topLeft() * dpr;
            p.drawImage(part.topLeft() - deviceRect.topLeft(), shot, QRect(within, part.size()));
        }
        return out;
    }
    // What lies outside every screen (a gap between monitors of different sizes) is black.
    if (std::any_of(screens.begin(), screens.end(),
                    [&](const QScreen* s) { return deviceGeometry(s).contains(deviceRect); })) {
        return out;
    }
    QRegion covered;
    for (const QScreen* screen : screens) {
        covered += deviceGeometry(screen).translated(-deviceRect.topLeft());
    }
    const QRegion uncovered = QRegion(out.rect()) - covered;
    if (!uncovered.isEmpty()) {
        QPainter p(&out);
        for (const QRect& r : uncovered) {
            p.fillRect(r, Qt::black);
        }
    }
    return out;
}

} // namespace sv
