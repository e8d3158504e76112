#include "palette/PaletteCommands.h"

#include "AppInfo.h"
#include "palette/FileDialogs.h"
#include "palette/PaletteFiles.h"
#include "palette/ProgramFolders.h"
#include "palette/SwatchGrid.h"
#include "widgets/WindowUtil.h"

#include <QDir>
#include <QMessageBox>

namespace sv {

PaletteCommands::PaletteCommands(SwatchGrid& grid, FileDialogs& dialogs, QWidget* messageParent,
                                 const QString& workFolder, QObject* parent)
    : QObject(parent), grid_(grid), dialogs_(dialogs), messageParent_(messageParent),
      workFolder_(workFolder) {
    showMessage_ = [this](const QString& text) {
        QMessageBox::warning(messageParent_, QString::fromLatin1(kAppTitle), text);
    };
}

void PaletteCommands::run(PaletteCommand command) {
    switch (command) {
    case PaletteCommand::New:
        newPalette();
        break;
    case PaletteCommand::Open:
        openPalette();
        break;
    case PaletteCommand::Save:
        savePalette();
        break;
    }
}

void PaletteCommands::newPalette() {
    const WaitCursor wait;
    grid_.emptySwatches(0);
}

void PaletteCommands::openPalette() {
    FileDialogRequest request{openTitle(), filter(), QStringLiteral("pal"), QString(),
                              ensureFolder(WorkFolder::Palettes, workFolder_)};
    const FileDialogResult result = dialogs_.getOpenFile(request);
    if (result.cancelled || result.count < 1) {
        return;
    }
    QString error;
    {
        const WaitCursor wait;
        error = sv::loadPalette(result.path(), grid_);
    }
    if (!error.isEmpty()) {
        showMessage_(error);
        return;
    }
    lastPath_ = result.path();
}

void PaletteCommands::savePalette() {
    // Opens inside "pallets", made first as for Open, with no name offered.
    FileDialogRequest request{saveTitle(), filter(), QStringLiteral("pal"), QString(),
                              ensureFolder(WorkFolder::Palettes, workFolder_)};
    const FileDialogResult result = dialogs_.getSaveFile(request);
    if (result.cancelled || result.count < 1) {
        return;
    }
    const QString error = sv::savePalette(result.path(), grid_.palette());
    if (!error.isEmpty()) {
        showMessage_(error);
        return;
    }
    lastPath_ = result.path();
}

} // namespace sv
