#include "palette/QtFileDialogs.h"

#include "palette/ProgramFolders.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace sv {

namespace {

FileDialogResult run(QWidget* owner, const FileDialogRequest& request, bool save,
                     const QString& initialFolder) {
    QFileDialog dialog(owner, request.title, initialFolder, request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    // "name" typed under "GIMP Palette (*.gpl)" is saved as "name.gpl".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        const QString patterns = f.section(QLatin1Char('('), -1).chopped(1);
        const QStringList globs = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (globs.size() == 1 && globs.constFirst().startsWith(QStringLiteral("*."))) {
            dialog.setDefaultSuffix(globs.constFirst().mid(2));
        }
    });
    if (!request.defaultName.isEmpty()) {
        dialog.selectFile(request.defaultName);
    }
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return result;
    }
    const QFileInfo chosen(dialog.selectedFiles().constFirst());
    result.count = 1;
    result.fileNames = {chosen.fileName()};
    result.folder = chosen.absolutePath();
    if (!result.folder.endsWith(QLatin1Char('/'))) {
        result.folder += QLatin1Char('/');
    }
    result.cancelled = false;
    result.selectedFilter = dialog.selectedNameFilter();
    return result;
}

} // namespace

FileDialogResult QtFileDialogs::getOpenFile(const FileDialogRequest& request) {
    const QString folder =
        request.initialFolder.isEmpty() ? programFolder() : request.initialFolder;
    return run(owner_, request, false, folder);
}

FileDialogResult QtFileDialogs::getSaveFile(const FileDialogRequest& request) {
    return run(owner_, request, true, request.initialFolder);
}

} // namespace sv
