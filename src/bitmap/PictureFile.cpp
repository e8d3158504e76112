#include "bitmap/PictureFile.h"

#include "bitmap/ColorTable.h"
#include "palette/SafeFileText.h"

#include <QFile>
#include <QImageReader>

namespace sv {

QString loadFormatMessage(const QString& description) {
    return description +
           QStringLiteral("\n\nLoad format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif "
                          ".tiff         \n\n");
}

bool pictureTooLarge(QSize size, QImage::Format format, double workingBytesPerPixel) {
    // A reader that does not say its format decodes into 32 bits a pixel at the least.
    const int bits = format == QImage::Format_Invalid
                         ? 32
                         : std::max(32, int(QImage::toPixelFormat(format).bitsPerPixel()));
    return size.isValid() &&
           double(size.width()) * size.height() * (bits / 8 + workingBytesPerPixel) >
               double(kPictureLimitMb) * 1024 * 1024;
}

double jpegWorkingBytesPerPixel(const QByteArray& head) {
    // Markers from the start of image to the first start of frame.
    if (head.size() < 4 || quint8(head[0]) != 0xFF || quint8(head[1]) != 0xD8) {
        return 0;
    }
    qsizetype at = 2;
    while (at + 4 <= head.size()) {
        if (quint8(head[at]) != 0xFF) {
            return 0;
        }
        const int marker = quint8(head[at + 1]);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        const int length = quint8(head[at + 2]) << 8 | quint8(head[at + 3]);
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            // Progressive frames (SOF2, 6, 10, 14) keep every coefficient until the end.
            if ((marker & 0x03) != 0x02) {
                return 0;
            }
            const qsizetype components = at + 9 < head.size() ? quint8(head[at + 9]) : 0;
            if (components == 0 || at + 10 + 3 * components > head.size()) {
                return 0;
            }
            int maxH = 1;
            int maxV = 1;
            for (qsizetype c = 0; c < components; ++c) {
                const int sampling = quint8(head[at + 11 + 3 * c]);
                maxH = std::max(maxH, sampling >> 4);
                maxV = std::max(maxV, sampling & 15);
            }
            // One 16-bit coefficient a sample, each component at its own sampling.
            double bytes = 0;
            for (qsizetype c = 0; c < components; ++c) {
                const int sampling = quint8(head[at + 11 + 3 * c]);
                bytes += 2.0 * (sampling >> 4) * (sampling & 15) / (maxH * maxV);
            }
            return bytes;
        }
        if (length < 2) {
            return 0;
        }
        at += 2 + length;
    }
    return 0;
}

namespace {

// Enough for the markers before a JPEG's frame header in any ordinary file.
constexpr qint64 kJpegHeadBytes = 256 * 1024;

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

// The first pixels of the picture that are examined, as red, green, blue bytes.
std::vector<std::uint8_t> examinedBytes(const QImage& picture) {
    const auto width = static_cast<std::size_t>(picture.width());
    const std::size_t pixels = width * static_cast<std::size_t>(picture.height());
    const std::size_t taken = std::min(pixels, kMaxExaminedPixels);
    if (taken == 0) {
        return {};
    }
    const int rows = static_cast<int>((taken + width - 1) / width);
    // Not premultiplied, so a transparent pixel keeps its own colour.
    const QImage part =
        picture.copy(0, 0, picture.width(), rows).convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(3 * taken);
    for (std::size_t i = 0; i < taken; ++i) {
        const QRgb px =
            reinterpret_cast<const QRgb*>(part.constScanLine(int(i / width)))[i % width];
        bytes.push_back(static_cast<std::uint8_t>(qRed(px)));
        bytes.push_back(static_cast<std::uint8_t>(qGreen(px)));
        bytes.push_back(static_cast<std::uint8_t>(qBlue(px)));
    }
    return bytes;
}

LoadedPicture loadPicture(QIODevice& device) {
    QImageReader reader(&device);
    reader.setAllocationLimit(kPictureLimitMb);
    if (!reader.canRead()) {
        return {{}, loadFormatMessage(QStringLiteral("Invalid picture"))};
    }
    const QImage::Format format = reader.imageFormat();
    const double working = jpegWorkingBytesPerPixel(device.peek(kJpegHeadBytes));
    for (const QSize declared : {reader.size(), gifScreenSize(device)}) {
        if (pictureTooLarge(declared, format, working)) {
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
