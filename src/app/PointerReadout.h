#pragma once
// The pointer position readout "X=… Y=…" of the main window, refreshed every 150 ms whether or
// not a pick runs. A pointer at rest costs no repaint. Where the platform reports pointer
// motion, a resting pointer is read only once a second (a pointer that another program warps
// reports no motion, so it is still read now and then), and the first motion brings the
// 150 ms back.

#include "widgets/ShadowLabel.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace sv {

class PointerMotionWatcher;
class ScreenReader;

class PointerReadout : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 150;
    static constexpr int kRestingIntervalMs = 1000;

    // The labels are placed on parent at pos; the readout starts at once. With a watcher the
    // readout rests while the pointer does.
    PointerReadout(ScreenReader& screen, QWidget* parent, QPoint pos,
                   PointerMotionWatcher* watcher = nullptr);

    QLabel* xLabel() const { return x_; }
    QLabel* yLabel() const { return y_; }
    // Whether the pointer rests and is read only once a second.
    bool isResting() const { return timer_.interval() == kRestingIntervalMs; }

    void tick();
    // Reads the pointer from screen instead (a frozen pick's, whose views see the pointer
    // where the program cannot ask for it); null goes back to the readout's own.
    void follow(ScreenReader* screen);

private:
    void pointerMoved();
    QPoint yTarget() const;

    ScreenReader& screen_;
    ScreenReader* followed_ = nullptr;
    ShadowLabel* x_;
    ShadowLabel* y_;
    QTimer timer_;
    bool watched_ = false;
    bool moved_ = true;
};

} // namespace sv
