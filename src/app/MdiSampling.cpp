// Screen sampling and the pointer readout of the main window.

#include "app/Mdi.h"

#include "app/ScreenReader.h"
#include "widgets/ColorPicture.h"

#include <QMessageBox>

namespace sv {

void Mdi::startSampling() {
    if (!screen_.canReadScreen()) {
        showWaylandNoticeOnce();
        return;
    }
    // The grab sends the button release anywhere on the screen to picRefer, and its cursor
    // is the screen-wide crosshair.
    picRefer_->grabMouse(QCursor(Qt::CrossCursor));
    pickInterval_ = 50;
    tmrPick_.start(pickInterval_);
}

void Mdi::eventoPicRefer() {
    if (pickInterval_ <= 0) {
        return;
    }
    pickInterval_ = 0;
    tmrPick_.stop();
    picRefer_->releaseMouse();
    emit samplingStopped();
}

void Mdi::samplingTick() {
    if (pickInterval_ <= 0) {
        return;
    }
    const QPoint pos = screen_.cursorPos();
    if (pos == lastPointer_) {
        return; // nothing is read or redrawn while the pointer rests
    }
    lastPointer_ = pos;
    // A pixel that cannot be read keeps the colour picRefer holds.
    if (const auto colour = screen_.pixelAt(pos)) {
        picRefer_->setBackColor(*colour);
    }
    mostraCodigos(picRefer_->backColor());
}

void Mdi::mouseReadoutTick() {
    const QPoint pos = screen_.cursorPos();
    // Placed before the captions change, so lblY follows the previous width of lblX.
    const QPoint xPos = lblX_.front->pos();
    lblX_.move(xPos);
    lblY_.move({xPos.x() + lblX_.front->width(), xPos.y()});
    lblX_.setText(QStringLiteral("X=%1").arg(pos.x()));
    lblY_.setText(QStringLiteral("Y=%1").arg(pos.y()));
}

void Mdi::showWaylandNoticeOnce() {
    if (waylandNoticeShown_) {
        return;
    }
    waylandNoticeShown_ = true;
    // Not modal to the program: the rest of the picker keeps working.
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral("Spectrivue"),
        QStringLiteral("Live screen sampling needs X11 or XWayland.\n"
                       "Start Spectrivue with QT_QPA_PLATFORM=xcb to pick colours from the "
                       "screen."),
        QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("waylandNotice"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace sv
