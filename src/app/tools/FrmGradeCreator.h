#pragma once
// The gradient generator window: fills palette rows or the whole palette with a gradient
// between two colours.

#include "widgets/ToolWindow.h"

namespace sv {

class SMButton;

class FrmGradeCreator : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmGradeCreator(QWidget* mainWindow);

    SMButton* btnCreate() const { return btnCreate_; }
    SMButton* btnClose() const { return closeButton(); }

private:
    SMButton* btnCreate_ = nullptr;
};

} // namespace sv
