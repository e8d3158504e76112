#pragma once
// The magnifier's capture where the program cannot read the screen (Wayland): each capture
// takes a desktop portal screenshot and holds it still on every monitor while the magnifier
// enlarges it round the pointer. A press, F10 or Escape over it ends the capture as over the
// live screen (Escape also empties the view); a refused screenshot ends it with the portal's
// reason.

#include "app/FrozenFrame.h"

#include <QObject>
#include <QPointer>

namespace sv {

class DesktopPortal;
class MagnifierWindow;

class MagnifierScreenshots : public QObject {
    Q_OBJECT
public:
    // Serves this magnifier's captures from now on, and lasts as long as the window.
    explicit MagnifierScreenshots(MagnifierWindow& magnifier, int portalTimeoutMs = 30000);

    FrozenFrame& frame() { return frame_; }

signals:
    // A capture could not get its picture, and why.
    void messageDue(const QString& message);

private:
    void take();
    void show(const QImage& screenshot);
    void endCapture();

    QPointer<MagnifierWindow> magnifier_;
    DesktopPortal* portal_ = nullptr;
    FrozenFrame frame_;
};

} // namespace sv
