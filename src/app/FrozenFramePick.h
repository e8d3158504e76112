#pragma once
// The live pick over a frozen frame: one screenshot is shown full screen on every monitor and
// the usual live pick runs over it, the notations following the pointer. On Wayland, where the
// screen itself cannot be read, the desktop portal's screenshot; on X11 (Shift+F9), the
// desktop's own device pixels, read once, for hover states, menus that close and videos. A
// click keeps the colour, Escape puts back the colours shown before the pick.

#include "widgets/ScreenReader.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <vector>

namespace sv {

class ColorSelection;
class ScreenSampler;

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
    // Not until a view has seen the pointer, where the program cannot ask for it (Wayland).
    bool knowsPointer() const override { return live_ != nullptr || pointer_.has_value(); }
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
};

class FrozenFramePick : public QObject {
    Q_OBJECT
public:
    explicit FrozenFramePick(const ColorSelection& selection, QObject* parent = nullptr);
    ~FrozenFramePick() override;

    // The sample size and loupe of the picks to come (the loupe where windows can be placed:
    // X11).
    void setPickSettings(int sampleSize, bool loupe);
    // Shows the screenshot on every screen and starts the live pick over it.
    void start(const QImage& screenshot);
    // The same over a picture of the desktop's device pixels from deviceOrigin, with live's
    // pointer.
    void startOverDevicePixels(const QImage& frame, QPoint deviceOrigin, ScreenReader& live);
    // Ends the pick with the colour under the pointer.
    void keep();
    // Ends the pick and puts back the colours of before.
    void cancel();
    bool isRunning() const { return sampler_ != nullptr; }

    FrozenScreen& screen() { return screen_; }
    ScreenSampler* sampler() const { return sampler_.get(); }
    // The full-screen views of the frame, one per screen, while the pick runs.
    std::vector<QWidget*> views() const;

signals:
    void colorPicked(sv::ColorValue color);
    // The pick ended with this colour kept.
    void kept(sv::ColorValue color);
    void sampleSizeChanged(int side);
    // A cancelled pick puts back the colours of before.
    void colorsRestored(sv::ColorValue current, sv::ColorValue previous);
    void finished();

private:
    void begin();
    void end();
    // Repaints a pixel of every view each frame for a while (Wayland).
    void keepCommitting();

    const ColorSelection& selection_;
    FrozenScreen screen_;
    // Deleted later: a view may be handling the very event that ends the pick.
    std::vector<QPointer<QWidget>> views_;
    std::unique_ptr<ScreenSampler> sampler_;
    QTimer commitTimer_;
    int commitsLeft_ = 0;
    ColorValue currentBefore_ = kWhite;
    ColorValue previousBefore_ = kWhite;
    int sampleSize_ = 1;
    bool loupe_ = false;
};

} // namespace sv
