#include "bitmap/PictureFile.h"

#include "palette/SafeFileText.h"

#include <QFile>
#include <QImageReader>

namespace sv {

QString loadFormatMessage(const QString& description) {
    return description +
           QStringLiteral("\n\nLoad format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif "
                          ".tiff         \n\n");
}

bool pictureTooLarge(QSize size, QImage::Format format) {
    // A reader that does not say its format decodes into 32 bits a pixel at the least.
    const int bits = format == QImage::Format_Invalid
                         ? 32
                         : std::max(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
    return size.isValid() && qint64(size.width()) * size.height() * (bits / 8) >
                                 qint64(kPictureLimitMb) * 1024 * 1024;
}

namespace {

QString tooLargeMessage(QSize size) {
    return QStringLiteral("The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB "
                          "decoded can be read.")
        .arg(size.width())
        .arg(size.height())
        .arg(kPictureLimitMb);
}

// A GIF is decoded onto its whole logical screen, whatever the size of its pictures.
QSize gifScreenSize(QIODevice& device) {
    const QByteArray head = device.peek(10);
    if (head.size() < 10 || !head.startsWith("GIF")) {
        return {};
    }
    auto word = [&](int at) { return quint8(head[at]) | quint8(head[at + 1]) << 8; };
    return {word(6), word(8)};
}

} // namespace

LoadedPicture loadPicture(QIODevice& device) {
    QImageReader reader(&device);
    reader.setAllocationLimit(kPictureLimitMb);
    if (!reader.canRead()) {
        return {{}, loadFormatMessage(QStringLiteral("Invalid picture"))};
    }
    const QImage::Format format = reader.imageFormat();
    for (const QSize declared : {reader.size(), gifScreenSize(device)}) {
        if (pictureTooLarge(declared, format)) {
            return {{}, tooLargeMessage(declared)};
        }
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return {{}, loadFormatMessage(reader.errorString())};
    }
    return {std::move(image), {}};
}

LoadedPicture loadPicture(const QString& path) {
    const OpenedFile opened = openRegularFile(QFile::encodeName(path).toStdString());
    switch (opened.failure) {
    case OpenFailure::None:
        break;
    case OpenFailure::Folder:
    case OpenFailure::NotRegular:
        return {{}, loadFormatMessage(QStringLiteral("%1 is not a picture file.").arg(path))};
    default:
        return {{},
                loadFormatMessage(
                    QStringLiteral("Invalid picture: %1 %2").arg(path, openFailureText(opened)))};
    }
    QFile file;
    if (!file.open(opened.file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return {{},
                loadFormatMessage(QStringLiteral("Invalid picture: %1").arg(file.errorString()))};
    }
    return loadPicture(file);
}

} // namespace sv
