#include "bitmap/FrmIMG.h"

#include "controls/XP_ProgressBar.h"
#include "widgets/ActiveLine.h"
#include "widgets/SMButton.h"

namespace sv {

FrmIMG::FrmIMG(QWidget* mainWindow)
    : ToolWindow(mainWindow, {QStringLiteral("frmIMG"), QStringLiteral("[ Extract Bitmap Color ]"),
                              QSize(3900, 3900), QPoint(120, 90)}) {
    const QStringList texts{QStringLiteral("Open"), QStringLiteral("Paste"),
                            QStringLiteral("Table"), QStringLiteral("Page")};
    for (int i = 0; i < 4; ++i) {
        auto* b = new SMButton(QStringLiteral("btnDlgIMG%1").arg(i + 1), this);
        b->setText(texts[i]);
        b->setGeometry(10 + 60 * i, height() - 34, 56, 24);
        btnDlgIMG_[std::size_t(i)] = b;
    }
    lineBits_ = new ActiveLine(QStringLiteral("lineBits"), QString(), this);
    lineBits_->setGeometry(10, height() - 74, width() - 20, 16);
    lineBits_->hide();
    pb_ = new XP_ProgressBar(QStringLiteral("pb"), this);
    pb_->setGeometry((width() - 194) / 2, height() - 54, 194, 12);
    pb_->setScrolling(4);
    pb_->setColor(0x404040);
    pb_->setBrushStyle(0);
    pb_->hide();
}

SMButton* FrmIMG::btnDlgIMG(int index) const {
    return index >= 1 && index <= 4 ? btnDlgIMG_[std::size_t(index - 1)] : nullptr;
}

} // namespace sv
