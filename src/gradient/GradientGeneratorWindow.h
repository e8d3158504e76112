#pragma once
// The gradient generator window: fills palette rows or the whole palette with a gradient
// between two colours.

#include "widgets/ToolWindow.h"

namespace sv {

class ImageButton;

class GradientGeneratorWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit GradientGeneratorWindow(QWidget* mainWindow);

    ImageButton* createButton() const { return createButton_; }

private:
    ImageButton* createButton_ = nullptr;
};

} // namespace sv
