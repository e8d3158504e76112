#pragma once
// The pointer position readout "X=… Y=…" of the main window, refreshed every 150 ms whether or
// not a pick runs. A pointer at rest costs one position read per tick and no repaint.

#include "widgets/ShadowLabel.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace sv {

class ScreenReader;

class PointerReadout : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 150;

    // The labels are placed on parent at pos; the readout starts at once.
    PointerReadout(ScreenReader& screen, QWidget* parent, QPoint pos);

    QLabel* xLabel() const { return x_.front; }
    QLabel* yLabel() const { return y_.front; }

    void tick();

private:
    ScreenReader& screen_;
    ShadowLabel x_;
    ShadowLabel y_;
    QTimer timer_;
};

} // namespace sv
