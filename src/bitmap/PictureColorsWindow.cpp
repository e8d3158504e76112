#include "bitmap/PictureColorsWindow.h"

#include "controls/ProgressBar.h"
#include "widgets/CaptionedLine.h"
#include "widgets/ImageButton.h"

namespace sv {

PictureColorsWindow::PictureColorsWindow(QWidget* mainWindow)
    : ToolWindow(mainWindow,
                 {QStringLiteral("[ Extract Bitmap Color ]"), QSize(3900, 3900), QPoint(120, 90)}) {
    const QStringList texts{QStringLiteral("Open"), QStringLiteral("Paste"),
                            QStringLiteral("Table"), QStringLiteral("Page")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new ImageButton(this);
        b->setText(texts[i]);
        b->setGeometry(10 + 60 * i, height() - 34, 56, 24);
        commandButtons_[std::size_t(i)] = b;
    }
    countsLine_ = new CaptionedLine(QString(), this);
    countsLine_->setGeometry(10, height() - 74, width() - 20, 16);
    countsLine_->hide();
    progressBar_ = new ProgressBar(this);
    progressBar_->setGeometry((width() - 194) / 2, height() - 54, 194, 12);
    progressBar_->setScrolling(4);
    progressBar_->setColor(0x404040);
    progressBar_->setBrushStyle(0);
    progressBar_->hide();
}

} // namespace sv
