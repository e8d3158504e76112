// The palette grid of the main window and its three file commands.

#include "app/Mdi.h"

#include "app/Options.h"
#include "palette/PaletteCommands.h"
#include "palette/PaletteFiles.h"
#include "palette/ProgramFolders.h"
#include "palette/QtFileDialogs.h"
#include "palette/SwatchGrid.h"
#include "widgets/ActivePanel.h"
#include "widgets/ColorPicture.h"
#include "widgets/SMButton.h"

namespace sv {

void Mdi::buildPalette() {
    SwatchHost host;
    host.currentColor = [this] { return picRefer_->backColor(); };
    host.lastColor = [this] { return picStep_->backColor(); };
    host.showColor = [this](ColorValue c) {
        picRefer_->setBackColor(c);
        mostraCodigos(c);
    };
    host.maskIndex = [this] { return options_.indexPicMask(); };
    grid_ = new SwatchGrid(pnlContainer_, host);

    ownFileDialogs_ = std::make_unique<QtFileDialogs>(this);
    setFileDialogs(*ownFileDialogs_);
    for (int i = 1; i <= 3; ++i) {
        connect(btnDlgNOS(i), &SMButton::clicked, this, [this, i] { paletteCommands_->run(i); });
    }
}

void Mdi::setFileDialogs(FileDialogs& dialogs) {
    fileDialogs_ = &dialogs;
    delete paletteCommands_;
    paletteCommands_ = new PaletteCommands(*grid_, dialogs, this, writableFolder(), this);
}

void Mdi::loadStartPalette() {
    LoadStartPalette(*grid_, startPaletteFolders());
}

} // namespace sv
