#include "widgets/ScreenReader.h"

#include "widgets/QtColor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace sv {

QPoint QtScreenReader::cursorPos() const {
    return QCursor::pos();
}

bool QtScreenReader::canReadScreen() const {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

std::optional<ColorValue> QtScreenReader::pixelAt(QPoint globalPos) {
    if (!canReadScreen()) {
        return std::nullopt;
    }
    QScreen* screen = QGuiApplication::screenAt(globalPos);
    if (screen == nullptr) {
        return std::nullopt;
    }
    // grabWindow takes coordinates relative to the screen, in logical pixels; on HiDPI the
    // 1×1 logical square comes back as several device pixels, whose top-left one lies under
    // the pointer's hot spot.
    const QPoint local = globalPos - screen->geometry().topLeft();
    const QPixmap shot = screen->grabWindow(0, local.x(), local.y(), 1, 1);
    if (shot.isNull()) {
        return std::nullopt;
    }
    const QImage image = shot.toImage();
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        return std::nullopt;
    }
    return fromQRgb(image.pixel(0, 0));
}

} // namespace sv
