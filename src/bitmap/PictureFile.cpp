#include "bitmap/PictureFile.h"

#include "bitmap/ColorTable.h"
#include "files/SafeFileText.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QMimeData>

#include <cstring>
#include <optional>
#include <type_traits>

namespace sv {

QString loadFormatMessage(const QString& description) {
    return description + QCoreApplication::translate(
                             "sv::PictureFile",
                             "\n\nLoad format: .bmp .dib .wmf .emf .ico .cur .jpg .jpeg .gif .tif "
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

// The most of a JPEG file that is read: its markers and metadata, and far more compressed data
// than any picture of its size holds. What lies beyond (a sparse tail of a gigabyte, say) is
// never read, so no file costs more time or memory than its picture could.
qint64 jpegReadLimit(QSize size) {
    constexpr qint64 kMetadataBytes = 16 << 20;
    constexpr qint64 kBytesPerPixel = 8;
    return kMetadataBytes + kBytesPerPixel * qint64(size.width()) * size.height();
}

QString tooLargeMessage(QSize size) {
    return QCoreApplication::translate(
               "sv::PictureFile",
               "The picture is too large: %1 × %2 pixels. Pictures of up to %3 MB "
               "decoded can be read.")
        .arg(size.width())
        .arg(size.height())
        .arg(kPictureLimitMb);
}

// A GIF is decoded onto its whole logical screen, whatever the size of its pictures.
QSize gifScreenSize(const QByteArray& head) {
    if (head.size() < 10 || !head.startsWith("GIF")) {
        return {};
    }
    auto word = [&](int at) { return quint8(head[at]) | quint8(head[at + 1]) << 8; };
    return {word(6), word(8)};
}

// The rows of a picture cut short that the file held; none when it is whole.
struct PartRead {
    int rows;
    bool fromBottom; // the file's first rows are the picture's last ones
};

std::uint32_t littleEndian(const QByteArray& b, int at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = v << 8 | quint8(b[at + i]);
    }
    return v;
}

// An uncompressed BMP holds its rows one after another from its pixel offset on, bottom row
// first unless its height is negative.
std::optional<PartRead> bmpRowsRead(const QByteArray& head, qint64 fileSize) {
    if (head.size() < 34 || !head.startsWith("BM") || littleEndian(head, 14, 4) < 40) {
        return std::nullopt;
    }
    const qint64 offset = littleEndian(head, 10, 4);
    const auto width = qint64(std::int32_t(littleEndian(head, 18, 4)));
    const auto height = qint64(std::int32_t(littleEndian(head, 22, 4)));
    const qint64 bits = littleEndian(head, 28, 2);
    const std::uint32_t compression = littleEndian(head, 30, 4);
    if ((compression != 0 && compression != 3) || width <= 0 || height == 0 || bits == 0) {
        return std::nullopt;
    }
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 rows = std::max<qint64>(0, fileSize - offset) / stride;
    if (rows >= std::abs(height)) {
        return std::nullopt;
    }
    return PartRead{int(rows), height > 0};
}

// A JPEG cut short has no end-of-image marker after its last scan. Where its data ends is
// found by decoding it twice, small, once ended at once and once after filler bytes: the rows
// of blocks the file held come out alike, the ones made up differ.
std::optional<PartRead> jpegRowsRead(QIODevice& device, QSize size) {
    if (!device.seek(0)) {
        return std::nullopt;
    }
    const QByteArray data = device.readAll();
    const qsizetype lastScan = data.lastIndexOf("\xFF\xDA");
    const qsizetype lastEnd = data.lastIndexOf("\xFF\xD9");
    if (lastScan < 0 || lastEnd > lastScan) {
        return std::nullopt;
    }
    constexpr int kScale = 8;
    const QSize small((size.width() + kScale - 1) / kScale, (size.height() + kScale - 1) / kScale);
    auto decode = [&](const QByteArray& filler) {
        QByteArray bytes = data + filler + QByteArray("\xFF\xD9", 2);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "jpeg");
        reader.setScaledSize(small);
        return reader.read().convertToFormat(QImage::Format_RGB32);
    };
    const QImage ended = decode({});
    const QImage filled = decode(QByteArray(64 * 1024, '\0'));
    if (ended.isNull() || ended.size() != filled.size()) {
        return std::nullopt;
    }
    int alike = 0;
    while (alike < ended.height() &&
           std::memcmp(ended.constScanLine(alike), filled.constScanLine(alike),
                       std::size_t(ended.bytesPerLine())) == 0) {
        ++alike;
    }
    const int rows = std::min(size.height(), alike * size.height() / small.height());
    return rows < size.height() ? std::optional(PartRead{rows, false}) : std::nullopt;
}

// The pixel format a reader declares. Some readers answer with no valid format at all for a
// header they could only half read: that counts as none.
QImage::Format declaredFormat(QImageReader& reader) {
    const QImage::Format answer = reader.imageFormat();
    std::underlying_type_t<QImage::Format> value = 0;
    std::memcpy(&value, &answer, sizeof value);
    return value > 0 && value < QImage::NImageFormats ? static_cast<QImage::Format>(value)
                                                      : QImage::Format_Invalid;
}

LoadedPicture refused(const QString& message) {
    return {{}, message, {}};
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
    // The header, before the reader moves through the file.
    const QByteArray head = device.peek(kJpegHeadBytes);
    QImageReader reader(&device);
    reader.setAllocationLimit(kPictureLimitMb);
    if (!reader.canRead()) {
        return refused(
            loadFormatMessage(QCoreApplication::translate("sv::PictureFile", "Invalid picture")));
    }
    const QSize declaredSize = reader.size();
    const QImage::Format format =
        declaredSize.isValid() ? declaredFormat(reader) : QImage::Format_Invalid;
    const double working = jpegWorkingBytesPerPixel(head);
    for (const QSize declared : {declaredSize, gifScreenSize(head)}) {
        if (pictureTooLarge(declared, format, working)) {
            return {{}, tooLargeMessage(declared), {}, true};
        }
    }
    const QByteArray kind = reader.format();
    // A JPEG larger than its picture can need is read only as far as it can.
    QByteArray start;
    QBuffer startBuffer(&start);
    QImageReader startReader;
    QImageReader* decoder = &reader;
    QIODevice* source = &device;
    if (kind == "jpeg" && declaredSize.isValid() && device.size() > jpegReadLimit(declaredSize)) {
        if (!device.seek(0)) {
            return refused(loadFormatMessage(device.errorString()));
        }
        start = device.read(jpegReadLimit(declaredSize));
        startBuffer.open(QIODevice::ReadOnly);
        startReader.setDevice(&startBuffer);
        startReader.setFormat(kind);
        startReader.setAllocationLimit(kPictureLimitMb);
        decoder = &startReader;
        source = &startBuffer;
    }
    QImage image = decoder->read();
    if (image.isNull()) {
        return refused(loadFormatMessage(decoder->errorString()));
    }
    // A file cut short still gives a picture (as image viewers show it), but only the rows
    // that were in the file count.
    const std::optional<PartRead> part = kind == "bmp"    ? bmpRowsRead(head, device.size())
                                         : kind == "jpeg" ? jpegRowsRead(*source, image.size())
                                                          : std::nullopt;
    if (!part) {
        return {std::move(image), {}, {}};
    }
    if (part->rows == 0) {
        return refused(loadFormatMessage(QCoreApplication::translate(
            "sv::PictureFile", "The picture is incomplete: none of its rows could be read.")));
    }
    const int top = part->fromBottom ? image.height() - part->rows : 0;
    return {image.copy(0, top, image.width(), part->rows),
            {},
            QCoreApplication::translate(
                "sv::PictureFile", "The picture is incomplete: only its first %1 rows were read.")
                .arg(part->rows)};
}

LoadedPicture loadPicture(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    // Encoded pictures are decoded here, under the program's limit: Qt's own conversion has a
    // lower one and refuses larger pictures without a word.
    for (const QString& type : data->formats()) {
        if (!type.startsWith(QLatin1String("image/"))) {
            continue;
        }
        QByteArray bytes = data->data(type);
        QBuffer buffer(&bytes);
        if (bytes.isEmpty() || !buffer.open(QIODevice::ReadOnly)) {
            continue;
        }
        LoadedPicture loaded = loadPicture(buffer);
        if (!loaded.image.isNull() || loaded.tooLarge) {
            return loaded;
        }
    }
    // A picture handed over within the program, not encoded.
    return data->hasImage() ? LoadedPicture{qvariant_cast<QImage>(data->imageData()), {}, {}}
                            : LoadedPicture{};
}

LoadedPicture loadPicture(const QString& path) {
    const OpenedFile opened = openRegularFile(QFile::encodeName(path).toStdString());
    switch (opened.failure) {
    case OpenFailure::None:
        break;
    case OpenFailure::Folder:
    case OpenFailure::NotRegular:
        return refused(loadFormatMessage(
            QCoreApplication::translate("sv::PictureFile", "%1 is not a picture file.").arg(path)));
    default:
        return refused(loadFormatMessage(
            QCoreApplication::translate("sv::PictureFile", "Invalid picture: %1 %2")
                .arg(path, openFailureText(opened))));
    }
    QFile file;
    if (!file.open(opened.file.fd(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        return refused(
            loadFormatMessage(QCoreApplication::translate("sv::PictureFile", "Invalid picture: %1")
                                  .arg(file.errorString())));
    }
    return loadPicture(file);
}

} // namespace sv
