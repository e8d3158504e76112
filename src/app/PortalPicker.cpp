#include "app/PortalPicker.h"

#include "AppInfo.h"
#include "app/DesktopPortal.h"
#include "app/FrozenFramePick.h"
#include "color/ColorSelection.h"
#include "widgets/ScreenReader.h"

#include <utility>

namespace sv {

bool picksThroughPortal() {
    return !screenIsReadable() || qgetenv("SPECTRIVUE_DESKTOP_PORTAL") == "1";
}

PortalPicker::PortalPicker(const ColorSelection& selection, QObject* parent, int timeoutMs)
    : QObject(parent), portal_(new DesktopPortal(this, timeoutMs)),
      frozen_(new FrozenFramePick(selection, this)) {
    connect(portal_, &DesktopPortal::screenshotTaken, frozen_, &FrozenFramePick::start);
    connect(frozen_, &FrozenFramePick::colorPicked, this, &PortalPicker::colorPicked);
    connect(frozen_, &FrozenFramePick::colorsRestored, this, &PortalPicker::colorsRestored);
    connect(frozen_, &FrozenFramePick::colorsRestored, this, &PortalPicker::cancelled);
    connect(frozen_, &FrozenFramePick::kept, this, &PortalPicker::kept);
    connect(portal_, &DesktopPortal::colorPicked, this, [this](ColorValue c) {
        pickingColor_ = false;
        emit colorPicked(c);
        emit kept(c);
    });
    connect(portal_, &DesktopPortal::cancelled, this, [this] {
        pickingColor_ = false;
        emit cancelled();
    });
    connect(portal_, &DesktopPortal::failed, this, &PortalPicker::onFailed);
}

void PortalPicker::report(const QString& text, bool tell) {
    emit failed(text);
    if (tell) {
        emit messageDue(text);
    }
}

bool PortalPicker::isBusy() const {
    return portal_->busy() || frozen_->isRunning();
}

void PortalPicker::start() {
    if (frozen_->isRunning()) {
        frozen_->keep();
        return;
    }
    if (portal_->busy()) {
        return;
    }
    pickingColor_ = false;
    portal_->takeScreenshot();
}

void PortalPicker::onFailed(const QString& message, PortalFailure failure) {
    if (failure == PortalFailure::Missing) {
        pickingColor_ = false;
        report(message, !std::exchange(missingShown_, true));
        return;
    }
    if (!pickingColor_ && failure == PortalFailure::Refused) {
        // No screenshot without asking on this desktop: the portal's own pick instead.
        pickingColor_ = true;
        portal_->pickColor();
        return;
    }
    pickingColor_ = false;
    report(message, true);
}

} // namespace sv
