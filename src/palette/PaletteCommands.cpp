#include "palette/PaletteCommands.h"

#include "app/AppInfo.h"
#include "palette/FileDialogs.h"
#include "palette/PaletteFiles.h"
#include "palette/ProgramFolders.h"
#include "palette/SwatchGrid.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>

namespace sv {

namespace {

// The hourglass while a palette is emptied or loaded; restored however the work ends.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

PaletteCommands::PaletteCommands(SwatchGrid& grid, FileDialogs& dialogs, QWidget* messageParent,
                                 const QString& workFolder, QObject* parent)
    : QObject(parent), grid_(grid), dialogs_(dialogs), messageParent_(messageParent),
      workFolder_(workFolder) {
    showMessage_ = [this](const QString& text) {
        QMessageBox::warning(messageParent_, QString::fromLatin1(kAppTitle), text);
    };
}

void PaletteCommands::run(int index) {
    switch (index) {
    case 1:
        newPalette();
        break;
    case 2:
        openPalette();
        break;
    case 3:
        savePalette();
        break;
    default:
        break;
    }
}

void PaletteCommands::newPalette() {
    const WaitCursor wait;
    grid_.EmptySwatches(0);
}

void PaletteCommands::openPalette() {
    FileDialogRequest request{openTitle(), filter(), QStringLiteral("pal"), QString(),
                              EnsureFolder(static_cast<int>(WorkFolder::Pallets), workFolder_)};
    const FileDialogResult result = dialogs_.ShowOpen(request);
    if (result.cancelled || result.count < 1) {
        return;
    }
    QString error;
    {
        const WaitCursor wait;
        error = LoadPalette(result.path(), grid_);
    }
    if (!error.isEmpty()) {
        showMessage_(error);
        return;
    }
    lastPath_ = result.path();
}

void PaletteCommands::savePalette() {
    // The same initial folder as Open, but Save does not create it.
    FileDialogRequest request{saveTitle(), filter(), QStringLiteral("pal"), QString(),
                              QDir(workFolder_).filePath(QStringLiteral("pallets"))};
    const FileDialogResult result = dialogs_.ShowSave(request);
    if (result.cancelled || result.count < 1) {
        return;
    }
    const QString error = SavePalette(result.path(), grid_.palette());
    if (!error.isEmpty()) {
        showMessage_(error);
        return;
    }
    lastPath_ = result.path();
}

} // namespace sv
