#include "app/MagnifierScreenshots.h"

#include "app/DesktopPortal.h"
#include "zoom/MagnifierWindow.h"

#include <QKeyEvent>

namespace sv {

MagnifierScreenshots::MagnifierScreenshots(MagnifierWindow& magnifier, int portalTimeoutMs)
    : QObject(&magnifier), magnifier_(&magnifier),
      portal_(new DesktopPortal(this, portalTimeoutMs)) {
    magnifier.setCapturesThroughScreenshots(true);
    connect(&magnifier, &MagnifierWindow::screenshotWanted, this, &MagnifierScreenshots::take);
    connect(&magnifier, &MagnifierWindow::captureStopped, &frame_, &FrozenFrame::close);
    connect(portal_, &DesktopPortal::screenshotTaken, this, &MagnifierScreenshots::show);
    connect(portal_, &DesktopPortal::cancelled, this, &MagnifierScreenshots::endCapture);
    connect(portal_, &DesktopPortal::failed, this, [this](const QString& message) {
        endCapture();
        emit messageDue(message);
    });

    connect(&frame_, &FrozenFrame::pointerMoved, &magnifier, &MagnifierWindow::grabTick);
    connect(&frame_, &FrozenFrame::buttonPressed, &magnifier,
            [this] { magnifier_->handle(MagnifierEvent::ButtonPressed); });
    connect(&frame_, &FrozenFrame::buttonReleased, &magnifier,
            [this] { magnifier_->handle(MagnifierEvent::ButtonReleased); });
    connect(&frame_, &FrozenFrame::keyPressed, &magnifier, [this](QKeyEvent* event) {
        if (event->key() == Qt::Key_F10) {
            magnifier_->handle(MagnifierEvent::F10);
        } else if (event->key() == Qt::Key_Escape) {
            endCapture();
            magnifier_->clearView();
        }
    });
}

void MagnifierScreenshots::take() {
    if (!portal_->busy()) {
        portal_->takeScreenshot();
    }
}

void MagnifierScreenshots::show(const QImage& screenshot) {
    // F10 may have ended the capture while the portal worked.
    if (magnifier_ == nullptr || magnifier_->state() != MagnifierState::Capturing) {
        return;
    }
    frame_.show(screenshot);
    magnifier_->captureOver(frame_.screen());
}

void MagnifierScreenshots::endCapture() {
    if (magnifier_ != nullptr && magnifier_->state() == MagnifierState::Capturing) {
        magnifier_->handle(MagnifierEvent::F10); // F10 ends a running capture
    }
}

} // namespace sv
