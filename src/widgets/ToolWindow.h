#pragma once
// The frame every tool window shares: a frameless window owned by the main window, of one
// fixed size, with a shadowed title, a close button, Escape to close and a drag by its body.
// It keeps itself above other windows and is destroyed when closed.

#include "widgets/ShadowLabel.h"
#include "widgets/ToolPlacement.h"
#include "widgets/Twips.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

namespace sv {

class ImageButton;

struct ToolWindowSpec {
    QString title;              // the shadowed title, also the window title
    QSize sizeTwips;            // the window's one size
    QPoint titleTwips{120, 90}; // where the dark copy of the title sits
};

class ToolWindow : public QWidget {
    Q_OBJECT
public:
    // mainWindow owns the window (it may be null in tests).
    ToolWindow(QWidget* mainWindow, const ToolWindowSpec& spec);

    // The close button, so its owner can give it its tool tip; top-right unless moved.
    ImageButton* closeButton() const { return closeButton_; }
    const ShadowLabel* caption() const { return caption_; }

    // Puts the window against the main window's right edge, level with its palette.
    void placeAgainst(const QWidget& mainWindow, double insetTwips);

protected:
    // Escape closes the window unless a window does something else with it.
    virtual void escapePressed();

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ShadowLabel* caption_;
    ImageButton* closeButton_ = nullptr;
};

// The outer (frame) geometry of a widget in twips.
TwipRect twipGeometry(const QWidget& widget);

} // namespace sv
