#pragma once
// Pictures read from files for the picture colour window: regular files only (a named pipe
// or a device is refused before anything waits on it), and nothing whose decoded pixels would
// take more than the allocation limit.

#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;
class QMimeData;

namespace sv {

inline constexpr int kPictureLimitMb = 256;

struct LoadedPicture {
    QImage image;
    QString error;
    // Said of a picture whose file was cut short: image holds only the rows the file had.
    QString incomplete;
    bool tooLarge = false; // refused for its size: error says so
};

// The picture in a file, or the message that says why it cannot be read.
LoadedPicture loadPicture(const QString& path);
// The same from an open device (the file's bytes).
LoadedPicture loadPicture(QIODevice& device);
// The picture on the clipboard (or in a drop), decoded under the same limit; an empty result
// when it holds none.
LoadedPicture loadPicture(const QMimeData* data);

// The first pixels of the picture that are examined, as red, green, blue bytes; transparent
// pixels by their own colour.
std::vector<std::uint8_t> examinedBytes(const QImage& picture);

// The text of the message for a file that holds no picture we can read.
QString loadFormatMessage(const QString& description);

// Whether a picture of this size and pixel format would take more than the limit decoded,
// with what the decoder holds besides (bytes a pixel) counted in.
bool pictureTooLarge(QSize size, QImage::Format format, double workingBytesPerPixel = 0);

// What a JPEG decoder holds a pixel besides the picture: for a progressive JPEG every
// coefficient of the whole picture, 0 for anything else. head: the file's first bytes.
double jpegWorkingBytesPerPixel(const QByteArray& head);

} // namespace sv
