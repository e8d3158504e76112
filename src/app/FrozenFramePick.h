#pragma once
// The live pick over a frozen frame: the notations follow the pointer over a picture of the
// desktop held still on every monitor. On Wayland the desktop portal's screenshot; on X11
// (Shift+F9) the desktop's own device pixels, for hover states, menus that close and videos.
// A click keeps the colour, Escape puts back the colours shown before the pick.

#include "app/FrozenFrame.h"

#include <QObject>
#include <memory>
#include <vector>

namespace sv {

class ColorSelection;
class ScreenSampler;

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

    FrozenScreen& screen() { return frame_.screen(); }
    ScreenSampler* sampler() const { return sampler_.get(); }
    // The full-screen views of the frame, one per screen, while the pick runs.
    std::vector<QWidget*> views() const { return frame_.views(); }

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
    void onKey(QKeyEvent* event);

    const ColorSelection& selection_;
    FrozenFrame frame_;
    std::unique_ptr<ScreenSampler> sampler_;
    ColorValue currentBefore_ = kWhite;
    ColorValue previousBefore_ = kWhite;
    int sampleSize_ = 1;
    bool loupe_ = false;
};

} // namespace sv
