#include "app/tools/FrmGradeCreator.h"

#include "widgets/SMButton.h"

namespace sv {

FrmGradeCreator::FrmGradeCreator(QWidget* mainWindow)
    : ToolWindow(mainWindow,
                 {QStringLiteral("frmGradeCreator"), QStringLiteral("[ Gradient Generator ]"),
                  QSize(3900, 3900), QPoint(120, 90)}) {
    btnCreate_ = new SMButton(QStringLiteral("btnCreate"), this);
    btnCreate_->setText(QStringLiteral("Create"));
    btnCreate_->setGeometry(width() - 76, height() - 32, 66, 24);
}

} // namespace sv
