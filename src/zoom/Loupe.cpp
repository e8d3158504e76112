#include "zoom/Loupe.h"

#include "color/Contrast.h"
#include "widgets/QtColor.h"
#include "zoom/LoupeMath.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>
#include <QtMath>
#include <algorithm>

namespace sv {

namespace {

constexpr int kBorder = 1;

// Black or white, whichever stands out more from the pixel: the frame shows on any colour.
QColor contrasting(QRgb pixel) {
    const ColorValue c = fromQRgb(pixel);
    return wcagContrastRatio(kBlack, c) >= wcagContrastRatio(kWhite, c) ? Qt::black : Qt::white;
}

} // namespace

Loupe::Loupe(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      zoom_(kDefaultLoupeZoom) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    fitSize();
    // Named once the event loop runs: the first name set starts the accessibility bridge's
    // connection to its bus, which a pick from a shortcut should not wait for to show.
    QTimer::singleShot(0, this, [this] { setAccessibleName(tr("Loupe")); });
}

void Loupe::setZoom(int zoom) {
    const int stepped = stepLoupeZoom(zoom, 0);
    if (stepped == zoom_) {
        return;
    }
    zoom_ = stepped;
    fitSize();
    emit zoomChanged(zoom_);
}

void Loupe::setSampleSize(int side) {
    if (side == sampleSize_) {
        return;
    }
    sampleSize_ = side;
    fitSize();
}

int Loupe::pixelsShown() const {
    return loupePixelsShown(zoom_, sampleSize_);
}

int Loupe::textLineHeight() const {
    // From the font's size first: the first question for real metrics loads every font the
    // desktop has (several milliseconds), which a pick started from a shortcut should not wait
    // for before its loupe shows. Generous, so the real line nearly always fits; once the first
    // paint has loaded the fonts anyway, a taller real line wins.
    const QFont f = font();
    const qreal pixels = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * logicalDpiY() / 72.0;
    const int estimate = qCeil(pixels * 1.3);
    return fontLoaded_ ? std::max(estimate, fontMetrics().height()) : estimate;
}

void Loupe::fitSize() {
    const int view = pixelsShown() * zoom_ + 2 * kBorder;
    setFixedSize(view, view + textLineHeight() + 4);
    update();
}

void Loupe::placeBeside(QPoint pointer) {
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    const QRect area = screen != nullptr ? screen->geometry() : QRect(pointer, QSize(1, 1));
    const PixelPoint at = loupePlace({pointer.x(), pointer.y()}, width(), height(),
                                     {area.x(), area.y(), area.width(), area.height()});
    if (pos() != QPoint(at.x, at.y)) {
        move(at.x, at.y);
    }
}

QRect Loupe::deviceFrame() const {
    if (!isVisible()) {
        return {};
    }
    const QRect g = frameGeometry();
    const QScreen* s = screen();
    const qreal dpr = s != nullptr ? s->devicePixelRatio() : 1.0;
    const QPoint origin = s != nullptr ? s->geometry().topLeft() : QPoint();
    const QRect device(origin + (g.topLeft() - origin) * dpr, g.size() * dpr);
    return device;
}

void Loupe::showPixels(const QImage& pixels, ColorValue picked) {
    if (picked == picked_ && pixels == pixels_) {
        return;
    }
    pixels_ = pixels;
    picked_ = picked;
    update();
}

void Loupe::paintEvent(QPaintEvent*) {
    if (!fontLoaded_) {
        fontLoaded_ = true;
        if (height() != width() + textLineHeight() + 4) { // a real line taller than guessed
            QTimer::singleShot(0, this, &Loupe::fitSize);
        }
    }
    QPainter p(this);
    const int n = pixelsShown();
    const int view = n * zoom_;
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(0, 0, width() - 1, view + 2 * kBorder - 1);
    const QRect viewRect(kBorder, kBorder, view, view);
    if (pixels_.width() == n && pixels_.height() == n) {
        p.drawImage(viewRect, pixels_);
    } else {
        p.fillRect(viewRect, Qt::black);
    }
    const int centre = n / 2;
    auto cells = [&](int first, int count) {
        return QRect(kBorder + first * zoom_, kBorder + first * zoom_, count * zoom_,
                     count * zoom_);
    };
    const QRgb centrePixel = pixels_.isNull() ? 0 : pixels_.pixel(centre, centre);
    p.setPen(contrasting(centrePixel));
    // Round the picked pixel, outside it, so the pixel itself shows whole.
    p.drawRect(cells(centre, 1).adjusted(-1, -1, 0, 0));
    if (sampleSize_ > 1) {
        p.setPen(QPen(contrasting(centrePixel), 1, Qt::DashLine));
        p.drawRect(cells(centre - sampleSize_ / 2, sampleSize_).adjusted(-1, -1, 0, 0));
    }
    p.setPen(palette().color(QPalette::WindowText));
    const QRect textRect(0, view + 2 * kBorder, width(), height() - view - 2 * kBorder);
    p.drawText(textRect, Qt::AlignCenter, QString::fromStdString(makeNotations(picked_).html));
}

void Loupe::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() > 0 ? 1 : event->angleDelta().y() < 0 ? -1 : 0;
    setZoom(stepLoupeZoom(zoom_, steps));
    event->accept();
}

} // namespace sv
