#pragma once
// The magnifier window: the screen round the pointer, enlarged.

#include "widgets/ToolWindow.h"

namespace sv {

class ImageButton;

class MagnifierWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit MagnifierWindow(QWidget* mainWindow);

    ImageButton* startButton() const { return startButton_; }

protected:
    // Escape clears and hides the view here; it does not close the window.
    void escapePressed() override {}

private:
    ImageButton* startButton_ = nullptr;
};

} // namespace sv
