#include "palette/PaletteFiles.h"

#include "files/SafeFileText.h"
#include "palette/PaletteFormats.h"
#include "palette/PaletteModel.h"
#include "palette/PaletteText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace sv {

namespace {

constexpr std::size_t kMaxForeignPaletteBytes = std::size_t(4) << 20;

QString notAPalette(const QString& path) {
    return QCoreApplication::translate("sv::PaletteFiles", "%1 is not a palette file.").arg(path);
}

// A folder's "Default.pal", spelt exactly so; empty when it has none.
QString defaultPaletteIn(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    const QDir dir(folder);
    const QString name = QString::fromLatin1(kDefaultPaletteName);
    // Listed rather than tested, so a "default.pal" on a case-blind file system is not taken.
    if (!dir.entryList({name}, QDir::Files | QDir::Readable | QDir::System).contains(name)) {
        return {};
    }
    return dir.filePath(name);
}

// The first bytes of a regular file (after following links); a named pipe, a device or a
// socket is refused before anything waits on it.
struct FileBytes {
    QByteArray bytes;
    QString error;    // empty when read
    bool cut = false; // the file holds more than was read
};

FileBytes readRegularFile(const QString& path, std::size_t maxBytes) {
    const OpenedFile opened = openRegularFile(QFile::encodeName(path).toStdString());
    auto unreadable = [&](int error) {
        return QCoreApplication::translate("sv::PaletteFiles",
                                           "The palette file %1 could not be read:\n%2")
            .arg(path, systemErrorQText(error));
    };
    switch (opened.failure) {
    case OpenFailure::None:
        break;
    case OpenFailure::Missing:
        return {
            {},
            QCoreApplication::translate("sv::PaletteFiles", "The palette file %1 does not exist.")
                .arg(path)};
    case OpenFailure::Folder:
        return {
            {},
            QCoreApplication::translate("sv::PaletteFiles", "%1 is a folder, not a palette file.")
                .arg(path)};
    case OpenFailure::System:
        return {{}, unreadable(opened.errorNumber)};
    default:
        return {{}, notAPalette(path)};
    }
    std::string bytes;
    if (!readAll(opened.file.fd(), bytes, maxBytes)) {
        return {{}, unreadable(errno)};
    }
    const bool cut = static_cast<unsigned long long>(opened.size) > maxBytes;
    if (cut) {
        // Whole lines only: a colour cut in two would read as another colour or none.
        bytes.resize(bytes.rfind('\n') == std::string::npos ? 0 : bytes.rfind('\n') + 1);
    }
    return {QByteArray(bytes.data(), qsizetype(bytes.size())), {}, cut};
}

// Applies palette bytes to the grid; an error text when they hold no palette. cut: the bytes
// are the start of a larger file.
QString applyPaletteBytes(const QByteArray& bytes, const QString& path, PaletteModel& model,
                          QString* note = nullptr, bool cut = false) {
    Palette p = model.palette();
    const PaletteReadResult read = readPaletteFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), p);
    if (read.written.none()) {
        return notAPalette(path);
    }
    model.applyPalette(p, read.written);
    if (note == nullptr) {
        return {};
    }
    QStringList notes;
    if (read.colorsInFile > Palette::kSize) {
        notes << (cut ? QCoreApplication::translate(
                            "sv::PaletteFiles",
                            "%1 holds more than %2 colours; the first %3 were loaded.")
                      : QCoreApplication::translate(
                            "sv::PaletteFiles", "%1 holds %2 colours; the first %3 were loaded."))
                     .arg(path)
                     .arg(read.colorsInFile)
                     .arg(Palette::kSize);
    }
    if (read.skippedLines > 0) {
        notes << (read.skippedLines == 1
                      ? QCoreApplication::translate("sv::PaletteFiles",
                                                    "%1: 1 line holding no colour was skipped.")
                            .arg(path)
                      : QCoreApplication::translate("sv::PaletteFiles",
                                                    "%1: %2 lines holding no colour were skipped.")
                            .arg(path)
                            .arg(read.skippedLines));
    }
    *note = notes.join(QLatin1Char('\n'));
    return {};
}

} // namespace

QString savePalette(const QString& path, const Palette& palette, PaletteFormat format) {
    QSaveFile file(path);
    // Unbuffered: a full disk shows at the write, not in a flush that commit() may not report.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return QCoreApplication::translate("sv::PaletteFiles",
                                           "The palette could not be saved to %1:\n%2")
            .arg(path, file.errorString());
    }
    const std::string text =
        writePaletteAs(palette, format, QFileInfo(path).completeBaseName().toStdString());
    const bool written = file.write(text.data(), static_cast<qint64>(text.size())) ==
                             static_cast<qint64>(text.size()) &&
                         file.flush() && file.error() == QFileDevice::NoError;
    if (!written || !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QCoreApplication::translate("sv::PaletteFiles",
                                           "The palette could not be saved to %1:\n%2")
            .arg(path, reason);
    }
    return {};
}

QString loadPalette(const QString& path, PaletteModel& model, QString* note) {
    // However large the file, no more is read than 256 named colours with comments could fill.
    const FileBytes file = readRegularFile(path, kMaxForeignPaletteBytes);
    return file.error.isEmpty() ? applyPaletteBytes(file.bytes, path, model, note, file.cut)
                                : file.error;
}

QString loadStartPalette(PaletteModel& model, const QStringList& folders) {
    // A "Default.pal" that cannot be read, or holds no colour, counts as absent.
    for (const QString& folder : folders) {
        const QString path = defaultPaletteIn(folder);
        if (!path.isEmpty() && loadPalette(path, model).isEmpty()) {
            return path;
        }
    }
    const QString builtIn = QString::fromLatin1(kBuiltInPalettePath);
    QFile file(builtIn);
    if (file.open(QIODevice::ReadOnly)) {
        (void)applyPaletteBytes(file.readAll(), builtIn, model);
    }
    return builtIn;
}

} // namespace sv
