// The picture colour window through its buttons: pictures of every readable kind opened or
// pasted, the page written beside the others, and what bad pictures and folders give.

#include "bitmap/PictureColorsWindow.h"
#include "controls/ProgressBar.h"
#include "files/FileDialogs.h"
#include "support/ModalDialogs.h"
#include "support/TestFiles.h"
#include "widgets/CaptionedLine.h"
#include "widgets/ImageButton.h"

#include <QClipboard>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

using namespace sv;
using test::readFile;
using test::writeFile;

namespace {

// Answers the open dialog with one file.
class OneFileDialog : public FileDialogs {
public:
    QString path;
    QString initialFolder;
    FileDialogResult getOpenFile(const FileDialogRequest& request) override {
        initialFolder = request.initialFolder;
        return {QFileInfo(path).absoluteFilePath(), {}};
    }
    FileDialogResult getSaveFile(const FileDialogRequest&) override { return {}; }
};

// Red, red / white, red.
QImage twoByTwo() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(0, 1, qRgb(255, 255, 255));
    return image;
}

QStringList pagesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

} // namespace

class PictureColorsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        window_ = new PictureColorsWindow(nullptr);
        window_->setFileDialogs(dialog_);
        window_->setPageFolder(pages_.path() + QLatin1Char('/'));
        window_->setUrlOpener([this](const QUrl& url) { opened_.append(url); });
        boxes_.clear();
        opened_.clear();
        window_->show();
    }
    void cleanup() {
        delete window_.data();
        QDir(pages_.path()).removeRecursively();
        QDir().mkpath(pages_.path());
    }

    void everyReadableKindOpensAndGivesItsTable() {
        QCOMPARE(window_->picture().size(), QSize(192, 144));
        for (const char* format : {"png", "bmp", "gif", "tiff", "jpg"}) {
            dialog_.path = files_.filePath(QStringLiteral("pic.") + QLatin1String(format));
            // Qt writes no GIF: this one is written by hand, each pixel code after a clear code.
            QVERIFY(qstrcmp(format, "gif") == 0
                        ? writeFile(dialog_.path,
                                    QByteArray::fromHex("47494638396102000200800000ff0000ffffff2c"
                                                        "000000000200020000020404c11005003b"))
                        : twoByTwo().save(dialog_.path, format));
            click(PictureCommand::Open);
            QVERIFY2(boxes_.messages().isEmpty(), qPrintable(boxes_.messages().join(' ')));
            QCOMPARE(window_->picture().size(), QSize(2, 2));
            QVERIFY(generate());
            const QByteArray page = readFile(window_->lastPage());
            QVERIFY(page.endsWith("</table>\r\n</body>\r\n</html>\r\n"));
            if (qstrcmp(format, "jpg") != 0) { // lossy
                QCOMPARE(page.count("<td width='200' bgcolor="), 2);
                QVERIFY(page.indexOf("#FF0000") < page.indexOf("#FFFFFF\">&nbsp;"));
                QCOMPARE(window_->countsLine()->caption(),
                         QStringLiteral("All codes = 2 - Effective codes = 2"));
            }
        }
        // The dialog opens where the last picture came from.
        click(PictureCommand::Open);
        QCOMPARE(dialog_.initialFolder, files_.path() + QLatin1Char('/'));
        // Pages of the same second never replace each other; the earlier ones stay as written.
        QCOMPARE(pagesIn(pages_.path()).size(), 5);
    }

    void pastedPicturesCountTransparentPixelsByTheirColour() {
        QImage clear(1, 2, QImage::Format_ARGB32);
        clear.setPixel(0, 0, qRgba(10, 20, 30, 0));
        clear.setPixel(0, 1, qRgba(10, 20, 30, 255));
        QGuiApplication::clipboard()->setImage(clear);
        click(PictureCommand::Paste);
        QCOMPARE(window_->picture().size(), QSize(1, 2));
        QVERIFY(generate());
        QCOMPARE(window_->countsLine()->caption(),
                 QStringLiteral("All codes = 0 - Effective codes = 1"));
        QVERIFY(readFile(window_->lastPage()).contains("bgcolor=\"#0A141E\""));

        // Text on the clipboard changes nothing and says nothing.
        QGuiApplication::clipboard()->setText(QStringLiteral("no picture"));
        click(PictureCommand::Paste);
        QCOMPARE(window_->picture().size(), QSize(1, 2));
        QVERIFY(boxes_.messages().isEmpty());
    }

    void unreadableAndOversizedPicturesAreRefusedWithAMessage() {
        const QString notBmp = files_.filePath(QStringLiteral("text.bmp"));
        QVERIFY(writeFile(notBmp, "just some text\n"));
        // A placeable metafile header: a format nothing here decodes.
        const QString wmf = files_.filePath(QStringLiteral("drawing.wmf"));
        QVERIFY(writeFile(wmf, QByteArray::fromHex("d7cdc69a0000000000000010000c00000000")));
        // A PNG that declares 100 000 × 100 000 pixels.
        const QString png = files_.filePath(QStringLiteral("bomb.png"));
        QVERIFY(writeFile(png, QByteArray::fromHex(
                                   "89504e470d0a1a0a0000000d49484452000186a0000186a008020000002730"
                                   "9c9f0000000b49444154789c63604005000010000139bd8f650000000049"
                                   "454e44ae426082")));
        // A GIF whose logical screen is 65535 × 65535.
        const QString gif = files_.filePath(QStringLiteral("screen.gif"));
        QVERIFY(writeFile(gif, QByteArray("GIF89a\xff\xff\xff\xff\x00\x00\x00", 13) +
                                   QByteArray::fromHex("2c000000000100010000020144003b")));

        // 5000 × 7000 at 16 bits a channel: 280 MB decoded, though 140 MB at 8 bits.
        const QString deep = files_.filePath(QStringLiteral("deep.png"));
        QVERIFY(writeFile(
            deep, QByteArray::fromHex("89504e470d0a1a0a0000000d494844520000138800001b58100600000"
                                      "02cd909c00000000b49444154789c6360800100000a00017f80745e00"
                                      "00000049454e44ae426082")));
        // Not files at all: opening a pipe for reading would wait for a writer for ever.
        const QString pipe = files_.filePath(QStringLiteral("pipe.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString linkToPipe = files_.filePath(QStringLiteral("link.png"));
        QVERIFY(QFile::link(pipe, linkToPipe));
        const QString folder = files_.filePath(QStringLiteral("folder.bmp"));
        QVERIFY(QDir().mkpath(folder));

        const QString loadFormat = QStringLiteral("\n\nLoad format: .bmp .dib .wmf .emf .ico .cur "
                                                  ".jpg .jpeg .gif .tif .tiff         \n\n");
        const QString tooLarge = QStringLiteral("The picture is too large");
        const QString notAPicture = QStringLiteral(" is not a picture file.");
        for (const auto& [path, expected] :
             {std::pair{notBmp, loadFormat}, std::pair{wmf, loadFormat}, std::pair{png, tooLarge},
              std::pair{gif, tooLarge}, std::pair{deep, tooLarge}, std::pair{pipe, notAPicture},
              std::pair{linkToPipe, notAPicture}, std::pair{folder, notAPicture}}) {
            boxes_.clear();
            dialog_.path = path;
            click(PictureCommand::Open);
            QCOMPARE(boxes_.messages().size(), 1);
            QVERIFY2(boxes_.messages().front().contains(expected),
                     qPrintable(boxes_.messages().front()));
            QCOMPARE(window_->picture().size(), QSize(192, 144));
            QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        }
    }

    // 301 × 301 distinct colours: more pixels than are examined, five-digit counts and the
    // note that says so, all readable inside the window.
    void theCountsOfALargePictureAreReadInFull() {
        QImage many(301, 301, QImage::Format_RGB32);
        for (int i = 0; i < 301 * 301; ++i) {
            many.setPixel(i % 301, i / 301, QRgb(0xFF000000u | std::uint32_t(i)));
        }
        window_->setPicture(many);
        QVERIFY(generate());
        const CaptionedLine* counts = window_->countsLine();
        QCOMPARE(counts->caption(), QStringLiteral("All codes = 90000 - Effective codes = 90001 - "
                                                   "first 90001 of 90601 pixels"));
        QVERIFY(counts->isVisible());
        QVERIFY(window_->rect().contains(counts->geometry()));
        QVERIFY(counts->width() > counts->fontMetrics().horizontalAdvance(counts->caption()));
        QVERIFY(window_->rect().contains(window_->closeButton()->geometry()));
    }

    // A file cut short opens as far as it goes, says so, and only what was read is tabled.
    void aPictureCutShortSaysHowFarItWasRead() {
        // Red above, blue below; a BMP stores the bottom rows first.
        QImage halves(40, 64, QImage::Format_RGB32);
        halves.fill(Qt::red);
        for (int y = 32; y < 64; ++y) {
            for (int x = 0; x < 40; ++x) {
                halves.setPixel(x, y, qRgb(0, 0, 255));
            }
        }
        dialog_.path = files_.filePath(QStringLiteral("cut.bmp"));
        QVERIFY(halves.save(dialog_.path, "bmp"));
        QFile bmp(dialog_.path);
        QVERIFY(bmp.resize(54 + 40 * 3 * 20)); // the header and 20 rows
        click(PictureCommand::Open);
        QCOMPARE(boxes_.messages(),
                 QStringList{"The picture is incomplete: only its first 20 rows were read."});
        QCOMPARE(window_->picture().size(), QSize(40, 20));
        QVERIFY(generate());
        QCOMPARE(window_->countsLine()->caption(),
                 QStringLiteral("All codes = 0 - Effective codes = 1"));
        QVERIFY(readFile(window_->lastPage()).contains("#0000FF"));

        boxes_.clear();
        dialog_.path = files_.filePath(QStringLiteral("cut.jpg"));
        QImage detailed(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                detailed.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) % 256));
            }
        }
        QVERIFY(detailed.save(dialog_.path, "jpg"));
        const QByteArray whole = readFile(dialog_.path);
        QVERIFY(writeFile(dialog_.path, whole.left(whole.size() * 6 / 10)));
        click(PictureCommand::Open);
        QCOMPARE(boxes_.messages().size(), 1);
        const int rows = window_->picture().height();
        QVERIFY2(rows > 0 && rows < 64 && rows % 8 == 0, qPrintable(QString::number(rows)));
        QCOMPARE(boxes_.messages().front(),
                 QStringLiteral("The picture is incomplete: only its first %1 rows were read.")
                     .arg(rows));

        // Cut short, then a gigabyte of sparse tail: only what the picture can need is read,
        // so memory stays far below the tail's size.
        boxes_.clear();
        QImage large(300, 300, QImage::Format_RGB32);
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 300; ++x) {
                large.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
            }
        }
        const QString sparse = files_.filePath(QStringLiteral("sparse.jpg"));
        QVERIFY(large.save(sparse, "jpg"));
        const QByteArray full = readFile(sparse);
        QVERIFY(writeFile(sparse, full.left(full.size() - 2))); // no end marker
        QFile tail(sparse);
        QVERIFY(tail.resize(qint64(1) << 30));
        dialog_.path = sparse;
        const long before = peakMemoryKb();
        click(PictureCommand::Open);
        QCOMPARE(window_->picture().width(), 300);
        QVERIFY2(peakMemoryKb() - before < 200 * 1024,
                 qPrintable(QString::number(peakMemoryKb() - before)));

        // A whole file says nothing.
        boxes_.clear();
        dialog_.path = files_.filePath(QStringLiteral("cut.jpg"));
        QVERIFY(writeFile(dialog_.path, whole));
        click(PictureCommand::Open);
        QVERIFY(boxes_.messages().isEmpty());
        QCOMPARE(window_->picture().size(), QSize(64, 64));
    }

    void aSecondGenerateWaitsAndTheOpenButtonRestsMeanwhile() {
        window_->setPicture(twoByTwo());
        QSignalSpy finished(window_.data(), &PictureColorsWindow::generationFinished);
        click(PictureCommand::Generate);
        QVERIFY(window_->isGenerating());
        QVERIFY(!window_->commandButton(PictureCommand::OpenPage)->isEnabled());
        QVERIFY(window_->progressBar()->isVisible());
        click(PictureCommand::Generate);
        QVERIFY(finished.wait());
        QCOMPARE(finished.size(), 1);
        QVERIFY(window_->commandButton(PictureCommand::OpenPage)->isEnabled());
        QVERIFY(!window_->progressBar()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(pagesIn(pages_.path()).size(), 1);
    }

    void openPageOpensTheLastPageOnlyAndCloses() {
        QPointer<PictureColorsWindow> w = window_.data();
        click(PictureCommand::OpenPage);
        QVERIFY(opened_.isEmpty());
        QTRY_VERIFY(w.isNull());

        init();
        window_->setPicture(twoByTwo());
        QVERIFY(generate());
        click(PictureCommand::OpenPage);
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(window_->lastPage())});
    }

    void aFolderThatCannotTakeThePageSaysSoAndLeavesNothing() {
        window_->setPicture(twoByTwo());
        // A folder below a plain file cannot exist, whoever runs the test.
        const QString file = files_.filePath(QStringLiteral("plain"));
        QVERIFY(writeFile(file, "x"));
        window_->setPageFolder(file + QStringLiteral("/tableColor/"));
        QVERIFY(!generate());
        QCOMPARE(boxes_.messages().size(), 1);
        QVERIFY(boxes_.messages().front().startsWith(QStringLiteral("The page ")));
        // The folder's own reason, not the missing folder that follows from it.
        QVERIFY2(boxes_.messages().front().endsWith(QStringLiteral(": Not a directory")),
                 qPrintable(boxes_.messages().front()));
        QVERIFY(window_->countsLine()->caption().isEmpty());
        QVERIFY(window_->lastPage().isEmpty());
    }

    void closingMidGenerationStopsAndLeavesNoPage() {
        QImage many(400, 400, QImage::Format_RGB32);
        for (int i = 0; i < 400 * 400; ++i) {
            many.setPixel(i % 400, i / 400, QRgb(0xFF000000u | std::uint32_t(i * 97)));
        }
        window_->setPicture(many);
        click(PictureCommand::Generate);
        QVERIFY(window_->isGenerating());
        window_->close();
        QTRY_VERIFY(window_.isNull());
        QVERIFY(pagesIn(pages_.path()).isEmpty());
        QVERIFY(QDir(pages_.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

private:
    static long peakMemoryKb() {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    }

    void click(PictureCommand command) {
        QTest::mouseClick(window_->commandButton(command), Qt::LeftButton);
    }
    // Generates a page and waits for the end; true when a page was written.
    bool generate() {
        QSignalSpy finished(window_.data(), &PictureColorsWindow::generationFinished);
        click(PictureCommand::Generate);
        return finished.wait(10000) && finished.front().front().toBool();
    }

    QTemporaryDir files_;
    QTemporaryDir pages_;
    OneFileDialog dialog_;
    QPointer<PictureColorsWindow> window_;
    test::MessageBoxCatcher boxes_;
    QList<QUrl> opened_;
};

QTEST_MAIN(PictureColorsTest)
#include "PictureColorsTest.moc"
