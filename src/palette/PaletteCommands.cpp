#include "palette/PaletteCommands.h"

#include "AppInfo.h"
#include "files/FileDialogs.h"
#include "files/ProgramFolders.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "widgets/PlainText.h"
#include "widgets/WindowUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <array>

namespace sv {

PaletteCommands::PaletteCommands(PaletteModel& palette, FileDialogs& dialogs,
                                 QWidget* messageParent, const QString& workFolder, QObject* parent)
    : QObject(parent), palette_(palette), dialogs_(dialogs), messageParent_(messageParent),
      workFolder_(workFolder) {}

void PaletteCommands::warn(const QString& text) {
    showMessage(messageParent_, QMessageBox::Warning, text);
}

namespace {

struct FileKind {
    const char* filter;
    PaletteFormat format;
};

// The classic filter first: it is the one a dialog starts with.
constexpr std::array<FileKind, 4> kFileKinds{{
    {QT_TRANSLATE_NOOP("sv::PaletteCommands", "PSP Palette File (*.pal)"), PaletteFormat::Jasc},
    {QT_TRANSLATE_NOOP("sv::PaletteCommands", "GIMP Palette (*.gpl)"), PaletteFormat::Gimp},
    {QT_TRANSLATE_NOOP("sv::PaletteCommands", "Adobe Swatch Exchange (*.ase)"),
     PaletteFormat::AdobeSwatches},
    {QT_TRANSLATE_NOOP("sv::PaletteCommands", "CSS Custom Properties (*.css)"), PaletteFormat::Css},
}};

QString filterText(const FileKind& kind) {
    return QCoreApplication::translate("sv::PaletteCommands", kind.filter);
}

// What a save writes: the kind the typed extension names, else the chosen filter's.
PaletteFormat saveFormat(const FileDialogResult& result) {
    PaletteFormat chosen = PaletteFormat::Jasc;
    for (const FileKind& kind : kFileKinds) {
        if (filterText(kind) == result.selectedFilter) {
            chosen = kind.format;
        }
    }
    return formatForFileName(QFileInfo(result.path).fileName().toStdString(), chosen);
}

} // namespace

QString PaletteCommands::openFilter() {
    QStringList filters{
        QCoreApplication::translate("sv::PaletteCommands", "All palettes (*.pal *.gpl *.ase)")};
    for (const FileKind& kind : kFileKinds) {
        if (kind.format != PaletteFormat::Css) { // written, never read
            filters.append(filterText(kind));
        }
    }
    return filters.join(QStringLiteral(";;"));
}

QString PaletteCommands::saveFilter() {
    QStringList filters;
    for (const FileKind& kind : kFileKinds) {
        filters.append(filterText(kind));
    }
    return filters.join(QStringLiteral(";;"));
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
    palette_.emptyAll();
}

void PaletteCommands::openPalette() {
    FileDialogRequest request{openTitle(), openFilter(), QStringLiteral("pal"), QString(),
                              ensureFolder(WorkFolder::Palettes, workFolder_)};
    const FileDialogResult result = dialogs_.getOpenFile(request);
    if (!result.chosen()) {
        return;
    }
    QString error;
    QString note;
    {
        const WaitCursor wait;
        error = sv::loadPalette(result.path, palette_, &note);
    }
    if (!error.isEmpty()) {
        warn(error);
        return;
    }
    lastPath_ = result.path;
    if (!note.isEmpty()) {
        warn(note);
    }
}

void PaletteCommands::savePalette() {
    // Opens inside "pallets", made first as for Open, with no name offered.
    FileDialogRequest request{saveTitle(), saveFilter(), QStringLiteral("pal"), QString(),
                              ensureFolder(WorkFolder::Palettes, workFolder_)};
    const FileDialogResult result = dialogs_.getSaveFile(request);
    if (!result.chosen()) {
        return;
    }
    const QString error = sv::savePalette(result.path, palette_.palette(), saveFormat(result));
    if (!error.isEmpty()) {
        warn(error);
        return;
    }
    lastPath_ = result.path;
}

} // namespace sv
