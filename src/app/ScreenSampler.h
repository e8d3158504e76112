#pragma once
// The live pick: while it runs, twenty times a second, the colour of the screen pixel under
// the pointer becomes the current colour, but only when the pointer has moved. The pointer is a
// crosshair over the whole screen and the mouse is grabbed by one widget, so the release of a
// button anywhere reaches that widget, whose owner then stops the pick.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace sv {

class ColorSelection;
class ScreenReader;

class ScreenSampler : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 50;

    ScreenSampler(ScreenReader& screen, ColorSelection& selection, QWidget* grabber);
    ~ScreenSampler() override;

    bool isSampling() const { return sampling_; }

    // Starts a pick (again: the same grab and timer). Where the screen cannot be read at all,
    // says so through screenUnreadable() instead.
    void start();
    // Ends a running pick; does nothing otherwise.
    void stop();
    // One tick: reads the pixel under the pointer if the pointer moved. A pixel that cannot be
    // read keeps the current colour, which is shown again all the same.
    void tick();

signals:
    void stopped();
    void screenUnreadable();

private:
    ScreenReader& screen_;
    ColorSelection& selection_;
    QPointer<QWidget> grabber_;
    QTimer timer_;
    bool sampling_ = false;
    QPoint lastPointer_{0, 0};
};

} // namespace sv
