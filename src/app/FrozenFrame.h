#pragma once
// One picture of the whole desktop shown full screen on every monitor, still while the
// desktop beneath goes on: the frozen frame that picks and the magnifier's capture run over.
// On Wayland, where the screen itself cannot be read, the desktop portal's screenshot; on X11,
// the desktop's own device pixels, read once. Its views report the pointer, the buttons, the
// keys and the wheel; what they mean is for the user of the frame to say.

#include "widgets/ScreenReader.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <optional>
#include <vector>

class QKeyEvent;
class QWheelEvent;
class QWidget;

namespace sv {

// A screen made of a screenshot of the whole desktop: the pointer's place on the desktop,
// scaled onto the picture.
class FrozenScreen : public ScreenReader {
public:
    // desktop: the bounding box of every screen, in logical pixels, that the picture covers.
    void setFrame(const QImage& frame, const QRect& desktop);
    // A picture of the desktop's device pixels from deviceOrigin on, under the pointer that
    // live reports and moves (X11, where the program knows where the pointer is).
    void setDeviceFrame(const QImage& frame, QPoint deviceOrigin, ScreenReader& live);
    const QImage& frame() const { return frame_; }
    // A logical desktop position as a pixel of the picture.
    QPoint toFrame(QPoint logical) const;
    // The part of the picture that a logical rectangle of the desktop covers.
    QRect frameRect(const QRect& logical) const;

    // Where the views last saw the pointer, while Qt's own idea of it has not moved on since;
    // else Qt's. A Wayland program learns the pointer's place only from its windows' events,
    // and there Qt's QCursor::pos() is a place in whichever window had the last event.
    QPoint cursorPos() const override;
    // Not until a view has seen the pointer where the program cannot ask for it: on Wayland,
    // and under XWayland, whose X server learns where the pointer is only when it moves over
    // an X11 window.
    bool knowsPointer() const override {
        return live_ != nullptr || pointer_.has_value() || qtKnowsPointer_;
    }
    void notePointer(QPoint logical);
    std::optional<ColorValue> pixelAt(QPoint framePos) override;
    bool canReadScreen() const override { return !frame_.isNull(); }
    QPoint pointerDevicePos() const override;
    QImage grabDevicePixels(const QRect& frameRect) override;
    bool isOnScreen(QPoint framePos) const override { return frame_.rect().contains(framePos); }
    void movePointerTo(QPoint framePos) override;
    QPoint toLogical(QPoint framePos) const override;

private:
    QImage frame_;
    ScreenReader* live_ = nullptr;
    QPoint deviceOrigin_;
    QRect desktop_;
    std::optional<QPoint> pointer_;
    QPoint qtPointerAtNote_;
    bool qtKnowsPointer_ = false;
};

class FrozenFrame : public QObject {
    Q_OBJECT
public:
    explicit FrozenFrame(QObject* parent = nullptr);
    ~FrozenFrame() override;

    // Shows a screenshot of the whole desktop on every screen.
    void show(const QImage& screenshot);
    // Shows a picture of the desktop's device pixels from deviceOrigin, with live's pointer.
    void showDevicePixels(const QImage& frame, QPoint deviceOrigin, ScreenReader& live);
    void close();
    bool isShown() const { return !views_.empty(); }

    FrozenScreen& screen() { return screen_; }
    // The full-screen views of the frame, one per screen, while it shows.
    std::vector<QWidget*> views() const;

signals:
    void pointerMoved();
    void buttonPressed();
    void buttonReleased();
    void keyPressed(QKeyEvent* event);
    void wheelTurned(QWheelEvent* event);

private:
    void showViews();
    // Repaints a pixel of every view each frame for a while (Wayland).
    void keepCommitting();

    FrozenScreen screen_;
    // Deleted later: a view may be handling the very event that closes the frame.
    std::vector<QPointer<QWidget>> views_;
    QTimer commitTimer_;
    int commitsLeft_ = 0;
};

} // namespace sv
