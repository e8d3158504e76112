#include "app/tools/FrmMaxGrid.h"

#include "app/AppInfo.h"
#include "widgets/ActivePanel.h"
#include "widgets/Artwork.h"
#include "widgets/SMButton.h"

#include <QPixmap>

namespace sv {

FrmMaxGrid::FrmMaxGrid(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setObjectName(QStringLiteral("frmMaxGrid"));
    setWindowTitle(QString::fromLatin1(kAppTitle) + QStringLiteral(" [ Version: ") +
                   QString::fromStdString(versionText()) + QStringLiteral(" ]"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(800, 600);

    pnlCSS_ = new ActivePanel(QStringLiteral("pnlCSS"), this);
    pnlCSS_->setGeometry(7, 7, 380, 260);
    pnlCSS_->hide();
    btnCloseEdit_ = new SMButton(QStringLiteral("btnCloseEdit"), pnlCSS_);
    btnCloseEdit_->setIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false)));
    btnCloseEdit_->setIconSize(QSize(16, 16));
    btnCloseEdit_->setGeometry(pnlCSS_->width() - 26, 4, 20, 20);
}

} // namespace sv
