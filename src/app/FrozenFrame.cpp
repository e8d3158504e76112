#include "app/FrozenFrame.h"

#include "widgets/QtColor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <QWidget>
#include <cmath>

namespace sv {

namespace {

// One screen's part of the frame, full screen, under a crosshair. It keeps the desktop place of
// the screen it was made for: a Wayland program never learns where its windows stand, so the
// window's own geometry and screen say nothing about which part of the desktop it covers.
class FrameView : public QWidget {
public:
    // Under XWayland the compositor puts every full-screen X11 window on one output: there the
    // views stand where they are put, out of the window manager's hands, and as ordinary
    // windows (not tool windows), which the compositor gives the keyboard while they show and
    // hands back afterwards.
    FrameView(FrozenFrame& frame, QScreen* screen, bool unmanaged)
        : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               (unmanaged ? Qt::X11BypassWindowManagerHint : Qt::Tool)),
          frame_(frame), place_(screen->geometry()), unmanaged_(unmanaged) {
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
        setScreen(screen);
        setGeometry(screen->geometry());
        setAccessibleName(QCoreApplication::translate("sv::FrozenFramePick", "Frozen screen"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(rect(), frame_.screen().frame(), frame_.screen().frameRect(place_));
    }
    // A pointer that comes onto this screen says where in its enter event, before any move;
    // but not under XWayland, whose X server sends one for the last place it saw the pointer
    // at, wherever the pointer is now.
    void enterEvent(QEnterEvent* event) override {
        if (!unmanaged_) {
            frame_.screen().notePointer(place_.topLeft() + event->position().toPoint());
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        notePointer(*event);
        emit frame_.pointerMoved();
    }
    void mousePressEvent(QMouseEvent* event) override {
        notePointer(*event);
        emit frame_.buttonPressed();
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        notePointer(*event);
        emit frame_.buttonReleased();
    }
    void keyPressEvent(QKeyEvent* event) override { emit frame_.keyPressed(event); }
    void wheelEvent(QWheelEvent* event) override { emit frame_.wheelTurned(event); }

private:
    void notePointer(const QMouseEvent& event) {
        frame_.screen().notePointer(place_.topLeft() + event.position().toPoint());
    }

    FrozenFrame& frame_;
    const QRect place_;
    const bool unmanaged_;
};

} // namespace

void FrozenScreen::setFrame(const QImage& frame, const QRect& desktop) {
    frame_ = frame.convertToFormat(QImage::Format_RGB32);
    desktop_ = desktop;
    pointer_.reset();
    live_ = nullptr;
    qtKnowsPointer_ = screenIsReadable();
}

void FrozenScreen::setDeviceFrame(const QImage& frame, QPoint deviceOrigin, ScreenReader& live) {
    setFrame(frame, QRect());
    live_ = &live;
    deviceOrigin_ = deviceOrigin;
}

QPoint FrozenScreen::pointerDevicePos() const {
    return live_ != nullptr ? live_->pointerDevicePos() - deviceOrigin_ : toFrame(cursorPos());
}

void FrozenScreen::movePointerTo(QPoint framePos) {
    if (live_ != nullptr) {
        live_->movePointerTo(framePos + deviceOrigin_);
    } else if (!frame_.isNull()) {
        // A Wayland program cannot move the pointer: the pick's own idea of it moves instead.
        notePointer(toLogical(framePos));
    }
}

QPoint FrozenScreen::toLogical(QPoint framePos) const {
    if (live_ != nullptr) {
        return live_->toLogical(framePos + deviceOrigin_);
    }
    if (frame_.isNull()) {
        return framePos;
    }
    const QPointF scale(double(desktop_.width()) / frame_.width(),
                        double(desktop_.height()) / frame_.height());
    return desktop_.topLeft() + QPoint(int(std::floor((framePos.x() + 0.5) * scale.x())),
                                       int(std::floor((framePos.y() + 0.5) * scale.y())));
}

QPoint FrozenScreen::toFrame(QPoint logical) const {
    if (desktop_.isEmpty()) {
        return {};
    }
    const QPointF scale(double(frame_.width()) / desktop_.width(),
                        double(frame_.height()) / desktop_.height());
    const QPoint in = logical - desktop_.topLeft();
    return {int(std::floor(in.x() * scale.x())), int(std::floor(in.y() * scale.y()))};
}

QRect FrozenScreen::frameRect(const QRect& logical) const {
    if (live_ != nullptr) {
        // A screen's device pixels start at its logical origin and span its size times its scale.
        const QScreen* screen = QGuiApplication::screenAt(logical.center());
        const qreal dpr = screen != nullptr ? screen->devicePixelRatio() : 1.0;
        return QRect(logical.topLeft() - deviceOrigin_,
                     QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
    }
    const QPoint bottomRight =
        toFrame(logical.topLeft() + QPoint(logical.width(), logical.height()));
    return QRect(toFrame(logical.topLeft()), bottomRight - QPoint(1, 1));
}

void FrozenScreen::notePointer(QPoint logical) {
    pointer_ = logical;
    qtPointerAtNote_ = QCursor::pos();
}

QPoint FrozenScreen::cursorPos() const {
    if (live_ != nullptr) {
        return live_->cursorPos();
    }
    const QPoint qt = QCursor::pos();
    return pointer_ && qt == qtPointerAtNote_ ? *pointer_ : qt;
}

std::optional<ColorValue> FrozenScreen::pixelAt(QPoint framePos) {
    if (!frame_.rect().contains(framePos)) {
        return std::nullopt;
    }
    return fromQRgb(frame_.pixel(framePos));
}

QImage FrozenScreen::grabDevicePixels(const QRect& rect) {
    if (frame_.isNull()) {
        return {};
    }
    QImage out(rect.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), frame_, rect);
    return out;
}

FrozenFrame::FrozenFrame(QObject* parent) : QObject(parent) {
    commitTimer_.setInterval(16);
    connect(&commitTimer_, &QTimer::timeout, this, [this] {
        for (QWidget* v : views()) {
            v->update(0, 0, 1, 1);
        }
        if (--commitsLeft_ <= 0) {
            commitTimer_.stop();
        }
    });
}

FrozenFrame::~FrozenFrame() {
    for (const QPointer<QWidget>& v : views_) {
        delete v.data();
    }
}

std::vector<QWidget*> FrozenFrame::views() const {
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& v : views_) {
        if (v != nullptr) {
            out.push_back(v.data());
        }
    }
    return out;
}

void FrozenFrame::show(const QImage& screenshot) {
    QRect desktop;
    for (const QScreen* s : QGuiApplication::screens()) {
        desktop |= s->geometry();
    }
    screen_.setFrame(screenshot, desktop);
    showViews();
}

void FrozenFrame::showDevicePixels(const QImage& frame, QPoint deviceOrigin, ScreenReader& live) {
    screen_.setDeviceFrame(frame, deviceOrigin, live);
    showViews();
}

void FrozenFrame::showViews() {
    close();
    const bool xwayland = runsUnderXWayland();
    for (QScreen* s : QGuiApplication::screens()) {
        views_.push_back(new FrameView(*this, s, xwayland));
        if (xwayland) {
            views_.back()->show();
        } else {
            // Full screen, not merely screen-sized: a Wayland compositor places an ordinary
            // window where it likes (tiled, under a title bar), which would shift the frame off
            // the screen it stands for.
            views_.back()->showFullScreen();
        }
    }
    if (xwayland) {
        // The compositor's window manager undoes any focus an X11 program gives itself, and
        // gives none to unmanaged windows: the keys come through a grab instead, which ends
        // with the views.
        views_.front()->grabKeyboard();
    } else {
        views_.front()->activateWindow();
    }
    views_.front()->setFocus();
    keepCommitting();
}

void FrozenFrame::keepCommitting() {
    // A Wayland window answers the compositor's configure only with its next commit, and Qt
    // commits only when it paints: a configure that changes neither the size nor the state
    // (the second view's move to its own output) is acknowledged but never committed, and a
    // compositor that applies its layout in transactions (sway) waits for it, up to 200 ms a
    // view, before the frame shows. A pixel repainted each frame commits every answer at once.
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        return;
    }
    commitsLeft_ = 60;
    commitTimer_.start();
}

void FrozenFrame::close() {
    commitTimer_.stop();
    for (const QPointer<QWidget>& v : views_) {
        if (v != nullptr) {
            v->hide();
            v->deleteLater();
        }
    }
    views_.clear();
}

} // namespace sv
