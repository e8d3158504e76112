#pragma once
// The magnifier window: the screen round the pointer, enlarged.

#include "widgets/ToolWindow.h"

namespace sv {

class SMButton;

class FrmZoom : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmZoom(QWidget* mainWindow);

    SMButton* btnStart() const { return btnStart_; }
    SMButton* btnClose() const { return closeButton(); }

protected:
    // Escape clears and hides the view here; it does not close the window.
    void escapePressed() override {}

private:
    SMButton* btnStart_ = nullptr;
};

} // namespace sv
