#include "zoom/FrmZoom.h"

#include "widgets/SMButton.h"

namespace sv {

FrmZoom::FrmZoom(QWidget* mainWindow)
    : ToolWindow(mainWindow, {QStringLiteral("frmZoom"), QStringLiteral("[ Image Magnification ]"),
                              QSize(5400, 5400), QPoint(120, 90)}) {
    btnStart_ = new SMButton(QStringLiteral("btnStart"), this);
    btnStart_->setText(QStringLiteral("Go"));
    btnStart_->setGeometry(toPixels(QRect(180, 4605, 495, 540)));
    closeButton()->setGeometry(toPixels(QRect(4755, 4605, 495, 540)));
}

} // namespace sv
