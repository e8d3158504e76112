// Peak resident memory of the picture colour window with the largest pictures it accepts: run
// once per picture, each in a process of its own, so one peak does not hide another.
//   picture_peak_memory make FILE WIDTH HEIGHT KIND   writes a test picture (KIND: png, png16,
//                                                     jpeg, progressive)
//   picture_peak_memory load FILE                     opens it as the Open command does, makes
//                                                     its colour table, prints the peak in kB
// bench/bitmap/picture_peak_memory.sh runs them.

#include "bitmap/PictureColorsWindow.h"
#include "bitmap/PictureFile.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

int make(const QString& path, int width, int height, const QString& kind) {
    const bool deep = kind == QLatin1String("png16");
    QImage image(width, height, deep ? QImage::Format_RGBA64 : QImage::Format_RGB32);
    // Bands of colour: compresses well, decodes to the full size.
    for (int y = 0; y < height; ++y) {
        const QColor c = QColor::fromHsv((y * 7) % 360, 200, 200);
        for (int x = 0; x < width; x += 1) {
            image.setPixelColor(x, y, c);
        }
    }
    QImageWriter writer(path, kind.startsWith(QLatin1String("png")) ? "png" : "jpeg");
    writer.setProgressiveScanWrite(kind == QLatin1String("progressive"));
    writer.setQuality(80);
    return writer.write(image) ? 0 : 1;
}

int load(const QString& path) {
    const sv::LoadedPicture loaded = sv::loadPicture(path);
    if (loaded.image.isNull()) {
        std::printf("refused: %s\n", qPrintable(loaded.error.section(QLatin1Char('\n'), 0, 0)));
    } else {
        sv::PictureColorsWindow window(nullptr);
        QTemporaryDir pages;
        window.setPageFolder(pages.path() + QLatin1Char('/'));
        window.setPicture(loaded.image);
        QSignalSpy finished(&window, &sv::PictureColorsWindow::generationFinished);
        window.generate();
        finished.wait(60000);
        std::printf("%d x %d read, table made\n", loaded.image.width(), loaded.image.height());
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %ld kB\n", usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 6 && args[1] == QLatin1String("make")) {
        return make(args[2], args[3].toInt(), args[4].toInt(), args[5]);
    }
    if (args.size() == 3 && args[1] == QLatin1String("load")) {
        return load(args[2]);
    }
    std::fputs("usage: picture_peak_memory make FILE W H KIND | load FILE\n", stderr);
    return 2;
}
