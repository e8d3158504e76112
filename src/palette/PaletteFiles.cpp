#include "palette/PaletteFiles.h"

#include "palette/PaletteText.h"
#include "palette/SwatchGrid.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sv {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("PaletteFiles", text);
}

// A folder's "Default.pal", spelt exactly so; empty when it has none.
QString defaultPaletteIn(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    const QDir dir(folder);
    const QString name = QString::fromLatin1(kDefaultPaletteName);
    // Listed rather than tested, so a "default.pal" on a case-blind file system is not taken.
    if (!dir.entryList({name}, QDir::Files | QDir::Readable).contains(name)) {
        return {};
    }
    return dir.filePath(name);
}

} // namespace

QString savePalette(const QString& path, const Palette& palette) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return tr("The palette could not be saved to %1:\n%2").arg(path, file.errorString());
    }
    const std::string text = writePaletteText(palette);
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return tr("The palette could not be saved to %1:\n%2").arg(path, reason);
    }
    return {};
}

QString loadPalette(const QString& path, SwatchGrid& grid) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return tr("The palette file %1 does not exist.").arg(path);
    }
    if (info.isDir()) {
        return tr("%1 is a folder, not a palette file.").arg(path);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return tr("The palette file %1 could not be read:\n%2").arg(path, file.errorString());
    }
    // However large the file, no more than a palette can hold is read.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxPaletteBytes));
    if (file.error() != QFileDevice::NoError) {
        return tr("The palette file %1 could not be read:\n%2").arg(path, file.errorString());
    }
    Palette p = grid.palette();
    const PaletteReadResult read = readPaletteText(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), p);
    grid.applyPalette(p, read.written);
    return {};
}

QString loadStartPalette(SwatchGrid& grid, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = defaultPaletteIn(folder);
        if (!path.isEmpty() && loadPalette(path, grid).isEmpty()) {
            return path;
        }
    }
    const QString builtIn = QString::fromLatin1(kBuiltInPalettePath);
    QFile file(builtIn);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        Palette p = grid.palette();
        const PaletteReadResult read = readPaletteText(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), p);
        grid.applyPalette(p, read.written);
    }
    return builtIn;
}

} // namespace sv
