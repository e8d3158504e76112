#pragma once
// Picking from the screen through the desktop portal, where the program cannot read the screen
// (Wayland): a screenshot held still under a live pick where the desktop grants one, else the
// portal's own one-shot pick.

#include "app/DesktopPortal.h"

#include <QObject>

namespace sv {

class ColorSelection;
class FrozenFramePick;

// Whether picks go through the portal here: on Wayland and XWayland, or anywhere
// SPECTRIVUE_DESKTOP_PORTAL is 1 (0, or anything else, does not ask for it).
bool picksThroughPortal();

class PortalPicker : public QObject {
    Q_OBJECT
public:
    PortalPicker(const ColorSelection& selection, QObject* parent = nullptr, int timeoutMs = 30000);

    // Starts a pick; while a frozen-frame pick runs, keeps its colour instead.
    void start();
    bool isBusy() const;

    DesktopPortal& portal() { return *portal_; }
    FrozenFramePick& frozenPick() { return *frozen_; }

signals:
    void colorPicked(sv::ColorValue color);
    // A pick ended with this colour kept.
    void kept(sv::ColorValue color);
    void colorsRestored(sv::ColorValue current, sv::ColorValue previous);
    // A pick ended without a colour: Escape over the frame, or the portal's own cancel.
    void cancelled();
    // A pick could not be made, and why.
    void failed(const QString& message);
    // The same, where the person should be told: a missing portal only once per run.
    void messageDue(const QString& message);

private:
    void onFailed(const QString& message, PortalFailure failure);

    DesktopPortal* portal_ = nullptr;
    FrozenFramePick* frozen_ = nullptr;
    bool pickingColor_ = false; // the one-shot pick, after the screenshot was refused
    bool missingShown_ = false;
    void report(const QString& text, bool tell);
};

} // namespace sv
