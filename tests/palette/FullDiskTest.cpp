// Saving a palette, the options and a colour page on a real, full file system: a 64 KB tmpfs
// mounted for the test in a mount namespace of its own (run as root, as CI does; elsewhere the test
// is skipped).

#include "bitmap/PictureColorsWindow.h"
#include "palette/PaletteFiles.h"
#include "palette/PaletteText.h"
#include "settings/Options.h"

#include "support/ModalDialogs.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace sv;

class FullDiskTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(mountPoint_.isValid());
        const int rc = QProcess::execute(QStringLiteral("mount"),
                                         {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                          QStringLiteral("-o"), QStringLiteral("size=64k"),
                                          QStringLiteral("tmpfs"), mountPoint_.path()});
        if (rc != 0) {
            if (qEnvironmentVariableIsSet("CI")) {
                QFAIL("CI runs as root and must mount the small file system");
            }
            QSKIP("mounting a tmpfs needs root and a mount namespace");
        }
        mounted_ = true;
    }

    void cleanupTestCase() {
        if (mounted_) {
            QProcess::execute(QStringLiteral("umount"), {mountPoint_.path()});
        }
    }

    void aFullDiskKeepsTheOldFilesAndSaysWhy() {
        // The settings file lives on the small file system too.
        SettingsFile store(
            QDir(mountPoint_.path()).filePath(QStringLiteral("Spectrivue/Spectrivue.conf")));
        Options options(store);
        options.setAndStore(OptionKey::Zoom, 3);
        const QByteArray settingsBefore = test::readFile(store.fileName());
        QVERIFY(settingsBefore.contains("Zoom=3"));
        Palette palette;
        palette.setColor(1, rgb(1, 2, 3));
        const QString old = QDir(mountPoint_.path()).filePath(QStringLiteral("old.pal"));
        QVERIFY(savePalette(old, palette).isEmpty());
        const QByteArray before = test::readFile(old);

        // Fill what is left, to the last byte.
        QFile filler(QDir(mountPoint_.path()).filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("x", 1) == 1) {
        }
        filler.close();

        palette.setColor(2, rgb(4, 5, 6));
        const QString error = savePalette(old, palette);
        QVERIFY2(error.contains(QStringLiteral("No space left on device")), qPrintable(error));
        QCOMPARE(test::readFile(old), before);

        const QString fresh = QDir(mountPoint_.path()).filePath(QStringLiteral("new.pal"));
        QVERIFY(!savePalette(fresh, palette).isEmpty());
        QVERIFY(!QFile::exists(fresh));
        QCOMPARE(QDir(mountPoint_.path()).entryList(QDir::Files),
                 (QStringList{"filler", "old.pal"}));

        // The options: the change is not saved, the user is told, the old file stays whole.
        QSignalSpy failed(&options, &Options::cannotStore);
        options.setAndStore(OptionKey::StopCapture, 2);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(test::readFile(store.fileName()), settingsBefore);
    }

    void aColourPageThatDoesNotFitIsReportedAndLeavesNothing() {
        PictureColorsWindow window(nullptr);
        test::MessageBoxCatcher boxes;
        const QString folder = QDir(mountPoint_.path()).filePath(QStringLiteral("tableColor"));
        QVERIFY(QDir().mkpath(folder));
        window.setPageFolder(folder + QLatin1Char('/'));
        // 90 001 colours make a page of about 50 MB.
        QImage many(301, 300, QImage::Format_RGB32);
        for (int i = 0; i < 301 * 300; ++i) {
            many.setPixel(i % 301, i / 301, QRgb(0xFF000000u | std::uint32_t(i)));
        }
        window.setPicture(many);
        QSignalSpy finished(&window, &PictureColorsWindow::generationFinished);
        window.generate();
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.front().front().toBool(), false);
        QCOMPARE(boxes.messages().size(), 1);
        QVERIFY2(boxes.messages().front().contains(QStringLiteral("No space left on device")),
                 qPrintable(boxes.messages().front()));
        QVERIFY(window.lastPage().isEmpty());
        QVERIFY(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    // A home mounted read-only: the page's folder cannot be made, and the message says why.
    void aReadOnlyHomeGivesItsOwnReason() {
        QTemporaryDir home;
        QVERIFY(QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                   QStringLiteral("-o"), QStringLiteral("size=64k,ro"),
                                   QStringLiteral("tmpfs"), home.path()}) == 0);
        const auto unmount =
            qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {home.path()}); });
        PictureColorsWindow window(nullptr);
        test::MessageBoxCatcher boxes;
        window.setPageFolder(home.path() + QStringLiteral("/Spectrivue/tableColor/"));
        window.setPicture(QImage(2, 2, QImage::Format_RGB32));
        QSignalSpy finished(&window, &PictureColorsWindow::generationFinished);
        window.generate();
        QVERIFY(finished.count() == 1 || finished.wait(5000));
        QCOMPARE(finished.front().front().toBool(), false);
        QCOMPARE(boxes.messages().size(), 1);
        QVERIFY2(boxes.messages().front().endsWith(QStringLiteral("Read-only file system")),
                 qPrintable(boxes.messages().front()));
    }

private:
    QTemporaryDir mountPoint_;
    bool mounted_ = false;
};

QTEST_MAIN(FullDiskTest)
#include "FullDiskTest.moc"
