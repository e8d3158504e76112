#pragma once
// The live pick: while it runs, twenty times a second, the colour of the screen pixel under
// the pointer is picked; while the pointer rests, only a change of that pixel is. The pointer is a
// crosshair over the whole screen and the mouse is grabbed by one widget, so the release of a
// button anywhere reaches that widget, whose owner then stops the pick.

#include "color/Color.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <optional>

class QWidget;

namespace sv {

class ColorSelection;
class ScreenReader;

class ScreenSampler : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 50;

    // grabber holds the mouse while a pick runs; none where the pick's own windows cover
    // every screen.
    ScreenSampler(ScreenReader& screen, const ColorSelection& selection, QWidget* grabber);
    ~ScreenSampler() override;

    bool isSampling() const { return sampling_; }

    // Starts a pick (again: the same grab and timer). Where the screen cannot be read at all,
    // says so through screenUnreadable() instead.
    void start();
    // Ends a running pick; does nothing otherwise.
    void stop();
    // One tick: reads the pixel under the pointer. After a move, or at the first tick of a pick,
    // it is shown (a pixel that cannot be read keeps the current colour, shown again all the
    // same); under a resting pointer, only when it differs from the current colour.
    void tick();

signals:
    void colorPicked(sv::ColorValue color);
    void stopped();
    void screenUnreadable();

private:
    ScreenReader& screen_;
    const ColorSelection& selection_;
    QPointer<QWidget> grabber_;
    QTimer timer_;
    bool sampling_ = false;
    std::optional<QPoint> lastPointer_; // none before the first tick of a pick
};

} // namespace sv
