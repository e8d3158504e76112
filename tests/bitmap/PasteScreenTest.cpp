// Pasting a picture another program copied, on a real X server: one that takes between Qt's
// own 128 MB and the program's 256 MB decoded is pasted, one over 256 MB is refused with a
// message and is never tabled in place of the last one.

#include "bitmap/PictureColorsWindow.h"
#include "support/ModalDialogs.h"
#include "widgets/ImageButton.h"

#include <QClipboard>
#include <QImageWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace sv;

class PasteScreenTest : public QObject {
    Q_OBJECT
private slots:
    void picturesUpToTheProgramsLimitArePastedAndLargerOnesRefused() {
        QTemporaryDir dir;
        PictureColorsWindow window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::MessageBoxCatcher boxes;

        // 8200 × 5000 pixels: 164 MB decoded.
        QImage large(8200, 5000, QImage::Format_RGB32);
        large.fill(qRgb(10, 90, 90));
        large.setPixel(8199, 4999, qRgb(1, 2, 3));
        QVERIFY(offer(large, dir.filePath(QStringLiteral("large.png"))));
        clickOnScreen(window.commandButton(PictureCommand::Paste));
        QTRY_COMPARE(window.picture().size(), QSize(8200, 5000));
        QCOMPARE(window.picture().pixel(8199, 4999), qRgb(1, 2, 3));
        QVERIFY(boxes.messages().isEmpty());

        // 12000 × 6000: 288 MB decoded, over the limit: said, and the last picture is gone.
        QImage huge(12000, 6000, QImage::Format_RGB32);
        huge.fill(Qt::white);
        QVERIFY(offer(huge, dir.filePath(QStringLiteral("huge.png"))));
        huge = QImage();
        clickOnScreen(window.commandButton(PictureCommand::Paste));
        QTRY_COMPARE(boxes.messages().size(), 1);
        QVERIFY2(boxes.messages().front().startsWith(QStringLiteral("The picture is too large")),
                 qPrintable(boxes.messages().front()));
        QVERIFY(window.picture().isNull());
    }

    void cleanup() {
        if (peer_.state() != QProcess::NotRunning) {
            peer_.kill();
            peer_.waitForFinished();
        }
    }

private:
    // A real click through the X server, whose time the clipboard owner checks a request by.
    static void clickOnScreen(QWidget* button) {
        const QPoint at = button->mapToGlobal(button->rect().center());
        QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("mousemove"), QString::number(at.x()),
                           QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
    }

    // Another program copies the picture as PNG.
    bool offer(const QImage& picture, const QString& path) {
        QImageWriter writer(path, "png");
        if (!writer.write(picture)) {
            return false;
        }
        cleanup();
        QGuiApplication::clipboard()->setText(QStringLiteral("before the copy"));
        peer_.start(QStringLiteral(SV_CLIPBOARD_PEER), {path, QStringLiteral("image/png")});
        if (!peer_.waitForReadyRead(20000) || !peer_.readAll().startsWith("ready")) {
            return false;
        }
        // As a person pastes: once the copy has reached this program.
        const bool arrived = QTest::qWaitFor([] {
            return QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("image/png"));
        });
        return arrived;
    }

    QProcess peer_;
};

QTEST_MAIN(PasteScreenTest)
#include "PasteScreenTest.moc"
