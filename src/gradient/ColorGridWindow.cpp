#include "gradient/ColorGridWindow.h"

#include "AppInfo.h"
#include "widgets/Artwork.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"

#include <QPixmap>

namespace sv {

ColorGridWindow::ColorGridWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    setWindowTitle(QString::fromLatin1(kAppTitle) + QStringLiteral(" [ Version: ") +
                   QString::fromStdString(versionText()) + QStringLiteral(" ]"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(800, 600);

    cssPanel_ = new Panel(this);
    cssPanel_->setGeometry(7, 7, 380, 260);
    cssPanel_->hide();
    cssCloseButton_ = new ImageButton(cssPanel_);
    cssCloseButton_->setIcon(QPixmap::fromImage(glyphImage(Glyph::Close, false)));
    cssCloseButton_->setIconSize(QSize(16, 16));
    cssCloseButton_->setGeometry(cssPanel_->width() - 26, 4, 20, 20);
}

} // namespace sv
