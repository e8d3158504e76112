// The start-up palette through the main window, as the splash loads it: "Default.pal" in the
// user's data folder (this test's own), the options read before the window is made.

#include "app/MainWindow.h"
#include "files/ProgramFolders.h"
#include "palette/MaskPictures.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"
#include "settings/Options.h"
#include "support/FakeScreenReader.h"
#include "support/TemporarySettings.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace sv;

namespace {

QString defaultPal() {
    return QDir(userDataFolder()).filePath(QStringLiteral("Default.pal"));
}

void writeDefault(const QByteArray& bytes) {
    QDir().mkpath(userDataFolder());
    QFile f(defaultPal());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray riffOf(const QList<QRgb>& colours) {
    QByteArray data("\x00\x03", 2);
    data.append(char(colours.size()));
    data.append('\0');
    for (QRgb c : colours) {
        data.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c))).append('\0');
    }
    auto word = [](quint32 v) {
        return QByteArray(reinterpret_cast<const char*>(&v), 4); // little-endian machine
    };
    const QByteArray body = "PAL data" + word(quint32(data.size())) + data;
    return "RIFF" + word(quint32(body.size())) + body;
}

} // namespace

class StartPaletteTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(defaultPal()); }
    void cleanupTestCase() { QFile::remove(defaultPal()); }

    void aPaletteThatGivesNoColourIsNotTheStartPalette() {
        for (const QByteArray& bytes :
             {QByteArray(), QByteArray("JASC-PAL\r\n0100\r\n256\r\n"), QByteArray(4000, '\x9c')}) {
            writeDefault(bytes);
            test::FakeScreenReader screen;
            test::TemporarySettings settings;
            Options options(settings.store);
            MainWindow window(screen, options);
            window.loadStartPalette();
            // The built-in palette: white, black, ...
            QCOMPARE(window.paletteModel()->color(2), std::optional<ColorValue>(kBlack));
            QCOMPARE(window.selection().current(), kWhite);
        }
    }

    void aDefaultPalThatLinksToANamedPipeIsSkippedWithoutWaiting() {
        QDir().mkpath(userDataFolder());
        const QString pipe = QDir(userDataFolder()).filePath(QStringLiteral("pipe"));
        QFile::remove(pipe);
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(QFile::link(pipe, defaultPal()));
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        window.loadStartPalette();
        QCOMPARE(window.paletteModel()->color(2), std::optional<ColorValue>(kBlack));
        QFile::remove(pipe);
    }

    void anEmptyFirstSwatchStartsOnWhiteAndKeepsTheOthers() {
        writeDefault("JASC-PAL\r\n0100\r\n3\r\n-241 0 0\r\n1 2 3\r\n");
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        window.loadStartPalette();
        QVERIFY(window.paletteModel()->isEmpty(1));
        QCOMPARE(window.paletteModel()->color(2), std::optional<ColorValue>(rgb(1, 2, 3)));
        QCOMPARE(window.selection().current(), kWhite);
        QCOMPARE(window.selection().previous(), kWhite);
    }

    void aRiffStartPaletteLoadsAsItsJascTwinAndEmptySwatchesShowTheStoredMask() {
        writeDefault(riffOf({qRgb(10, 20, 30), qRgb(40, 50, 60)}));
        test::FakeScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::IndexPicMask, 3); // as read before the window is made
        MainWindow window(screen, options);
        window.loadStartPalette();
        QCOMPARE(window.selection().current(), rgb(10, 20, 30));
        QCOMPARE(window.paletteModel()->color(2), std::optional<ColorValue>(rgb(40, 50, 60)));
        QCOMPARE(window.swatchGrid()->cellPicture(3), maskPicture(SwatchMask::Mask3));
    }
};

QTEST_MAIN(StartPaletteTest)
#include "StartPaletteTest.moc"
