#include "zoom/MagnifierWindow.h"

#include "widgets/ImageButton.h"

namespace sv {

MagnifierWindow::MagnifierWindow(QWidget* mainWindow)
    : ToolWindow(mainWindow,
                 {QStringLiteral("[ Image Magnification ]"), QSize(5400, 5400), QPoint(120, 90)}) {
    startButton_ = new ImageButton(this);
    startButton_->setText(QStringLiteral("Go"));
    startButton_->setGeometry(toPixels(QRect(180, 4605, 495, 540)));
    closeButton()->setGeometry(toPixels(QRect(4755, 4605, 495, 540)));
}

} // namespace sv
