// The command buttons of the main window: the tool windows and the system colour dialog.

#include "app/Mdi.h"

#include "app/Options.h"
#include "app/tools/FrmGradeCreator.h"
#include "app/tools/FrmMaxGrid.h"
#include "bitmap/FrmIMG.h"
#include "dialogs/ColorDialog.h"
#include "dialogs/FrmAbout.h"
#include "dialogs/FrmOptions.h"
#include "widgets/ColorPicture.h"
#include "widgets/SMButton.h"
#include "zoom/FrmZoom.h"

#include <QGuiApplication>

namespace sv {

namespace {

const QString kClose = QStringLiteral("  Close  ");

template <typename Window> void showPlaced(Window* w, const QWidget& mainWindow, double inset) {
    w->placeAgainst(mainWindow, inset);
    w->show();
    w->raise();
}

} // namespace

void Mdi::connectCommands() {
    colorDialog_ = std::make_unique<ColorDialog>();
    auto wire = [this](const char* name, void (Mdi::*slot)()) {
        connect(findChild<SMButton*>(QString::fromLatin1(name)), &SMButton::clicked, this, slot);
    };
    wire("btnGradiente", &Mdi::showGradientCreator);
    wire("btnOptions", &Mdi::showOptions);
    wire("btnIMG", &Mdi::showBitmapWindow);
    wire("btnZoom", &Mdi::showMagnifier);
    wire("btnMaxGrid", &Mdi::showColorGrid);
    wire("btnDialogoColor", &Mdi::showColorDialog);
    wire("btnAbout", &Mdi::showAbout);
}

FrmGradeCreator* Mdi::gradientCreator() const {
    return frmGradeCreator_;
}
FrmOptions* Mdi::optionsWindow() const {
    return frmOptions_;
}
FrmIMG* Mdi::bitmapWindow() const {
    return frmIMG_;
}
FrmZoom* Mdi::magnifier() const {
    return frmZoom_;
}
FrmMaxGrid* Mdi::colorGrid() const {
    return frmMaxGrid_;
}
FrmAbout* Mdi::aboutWindow() const {
    return frmAbout_;
}

// Each tool window is made when first shown and unloaded when closed, so its button tool
// tips are set whenever it is made.

void Mdi::showGradientCreator() {
    if (frmGradeCreator_ == nullptr) {
        frmGradeCreator_ = new FrmGradeCreator(this);
        frmGradeCreator_->btnCreate()->setToolTip(QStringLiteral("  Create Gradient  "));
        frmGradeCreator_->btnClose()->setToolTip(kClose);
    }
    showPlaced(frmGradeCreator_.data(), *this, kToolInset);
}

void Mdi::showOptions() {
    if (frmOptions_ == nullptr) {
        frmOptions_ = new FrmOptions(this, options_);
        frmOptions_->closeButton()->setToolTip(kClose);
    }
    showPlaced(frmOptions_.data(), *this, kToolInset);
}

void Mdi::showBitmapWindow() {
    if (frmIMG_ == nullptr) {
        frmIMG_ = new FrmIMG(this);
        const std::array<const char*, 4> tips{
            "  Open Windows Bitmap  ", "  Paste Bitmap from Clipboard  ", "  Generate Page/Table  ",
            "  Open Page/Table Color  "};
        for (int i = 1; i <= 4; ++i) {
            frmIMG_->btnDlgIMG(i)->setToolTip(QString::fromLatin1(tips[i - 1]));
        }
        frmIMG_->btnClose()->setToolTip(kClose);
    }
    showPlaced(frmIMG_.data(), *this, kToolInset);
}

void Mdi::showMagnifier() {
    // The magnifier is always made afresh.
    delete frmZoom_.data();
    frmZoom_ = new FrmZoom(this);
    frmZoom_->btnClose()->setToolTip(kClose);
    frmZoom_->btnStart()->setToolTip(QStringLiteral("  Start Capture - { F10 }  "));
    showPlaced(frmZoom_.data(), *this, kMagnifierInset);
}

void Mdi::showColorGrid() {
    if (frmMaxGrid_ != nullptr && frmMaxGrid_->isVisible()) {
        frmMaxGrid_->update(); // repaint its cells from the current palette
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    delete frmMaxGrid_.data();
    frmMaxGrid_ = new FrmMaxGrid(this);
    frmMaxGrid_->show();
    QGuiApplication::restoreOverrideCursor();
}

void Mdi::showColorDialog() {
    const ColorDialog::Result r = colorDialog_->choose(this, picRefer_->backColor());
    if (r.cancelled) {
        return;
    }
    picRefer_->setBackColor(r.color);
    mostraCodigos(r.color);
}

void Mdi::setColorDialog(std::unique_ptr<ColorDialog> dialog) {
    colorDialog_ = std::move(dialog);
}

void Mdi::showAbout() {
    if (frmAbout_ == nullptr) {
        frmAbout_ = new FrmAbout(this);
        frmAbout_->btn()->setToolTip(QStringLiteral("  About  "));
        frmAbout_->btnAbout()->setToolTip(QStringLiteral("  Help  "));
        // The help message puts the main window back on top: the toggle shows it.
        connect(frmAbout_, &FrmAbout::mainWindowPutOnTop, this, [this] { showOnTopImage(true); });
    }
    frmAbout_->show();
    frmAbout_->raise();
}

} // namespace sv
