#include "files/QtFileDialogs.h"

#include "files/ProgramFolders.h"
#include "widgets/PlainText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QScopeGuard>

namespace sv {

namespace {

// The one extension of a filter such as "GIMP Palette (*.gpl)"; empty for any other, and for
// the empty filter GTK's dialog reports.
QString filterSuffix(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    if (open < 0 || !filter.endsWith(QLatin1Char(')'))) {
        return {};
    }
    const QStringList globs =
        filter.mid(open + 1, filter.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (globs.size() != 1 || !globs.constFirst().startsWith(QStringLiteral("*.")) ||
        globs.constFirst().size() < 3) {
        return {};
    }
    return globs.constFirst().mid(2);
}

FileDialogResult run(QWidget* owner, const FileDialogRequest& request, bool save,
                     const QString& initialFolder) {
    const QPointer<QFileDialog> dialog =
        new QFileDialog(owner, request.title, initialFolder, request.filter);
    const auto cleanUp = qScopeGuard([&] { delete dialog; });
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(request.defaultExtension);
    // "name" typed under "GIMP Palette (*.gpl)" is saved as "name.gpl".
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [&dialog](const QString& f) {
        if (const QString suffix = filterSuffix(f); !suffix.isEmpty()) {
            dialog->setDefaultSuffix(suffix);
        }
    });
    if (!request.defaultName.isEmpty()) {
        dialog->selectFile(request.defaultName);
    }
    const QPointer<QWidget> window = owner != nullptr ? owner->window() : nullptr;
    const int answer = execDialog(dialog);
    // The keyboard goes back to the window that asked, not to whichever the desktop picks.
    if (window != nullptr && window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
    FileDialogResult result;
    if (answer != QDialog::Accepted || dialog == nullptr || dialog->selectedFiles().isEmpty()) {
        return result;
    }
    result.path = QFileInfo(dialog->selectedFiles().constFirst()).absoluteFilePath();
    result.selectedFilter = dialog->selectedNameFilter();
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
