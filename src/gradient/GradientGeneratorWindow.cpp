#include "gradient/GradientGeneratorWindow.h"

#include "widgets/ImageButton.h"

namespace sv {

GradientGeneratorWindow::GradientGeneratorWindow(QWidget* mainWindow)
    : ToolWindow(mainWindow,
                 {QStringLiteral("[ Gradient Generator ]"), QSize(3900, 3900), QPoint(120, 90)}) {
    createButton_ = new ImageButton(this);
    createButton_->setText(QStringLiteral("Create"));
    createButton_->setGeometry(width() - 76, height() - 32, 66, 24);
}

} // namespace sv
