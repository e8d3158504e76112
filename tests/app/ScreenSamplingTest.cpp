// Sampling against a real X server: a window of a known colour is shown, the pointer is put
// over it and the main window reads it through the real screen reader.

#include "app/Mdi.h"
#include "dialogs/Options.h"
#include "widgets/ScreenReader.h"

#include <QCursor>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

using namespace sv;

class ScreenSamplingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "this test needs a real X server");
    }

    void samplesTheColourUnderThePointerAndReleasesTheGrab() {
        QWidget solid(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        solid.setAutoFillBackground(true);
        QPalette pal = solid.palette();
        pal.setColor(QPalette::Window, QColor(18, 52, 86));
        solid.setPalette(pal);
        solid.setGeometry(900, 600, 120, 120);
        solid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&solid));

        QtScreenReader screen;
        Options options;
        Mdi mdi(screen, options);
        mdi.move(0, 0);
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        mdi.mostraCodigos(kWhite);

        QCursor::setPos(960, 660);
        QTRY_COMPARE(QCursor::pos(), QPoint(960, 660));
        mdi.startSampling();
        QVERIFY(mdi.isSampling());
        QTRY_COMPARE_WITH_TIMEOUT(mdi.currentColor(), rgb(18, 52, 86), 3000);

        auto text = [&mdi](const char* name) {
            return mdi.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
        };
        QCOMPARE(text("txtHEX_VB"), QStringLiteral("&H00563412"));
        QCOMPARE(text("txtHEX_HTML"), QStringLiteral("#123456"));
        QCOMPARE(text("txtHEX_LONG"), QStringLiteral("5649426"));
        QCOMPARE(text("txtHEX_C"), QStringLiteral("0x00563412"));
        QCOMPARE(text("txtHEX_DELPHI"), QStringLiteral("$00563412"));
        QCOMPARE(text("txtHEX_JAVA"), QStringLiteral("0x123456"));
        QCOMPARE(text("txtHEX_PHOTOSHOP"), QStringLiteral("123456"));
        QCOMPARE(text("txtR"), QStringLiteral("18"));
        QCOMPARE(text("txtG"), QStringLiteral("52"));
        QCOMPARE(text("txtB"), QStringLiteral("86"));
        QCOMPARE(mdi.lastColor(), kWhite);
        QVERIFY(QWidget::mouseGrabber() != nullptr);

        // A real button press and release from the X server, over another window.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("mousedown"), QStringLiteral("1")}),
                 0);
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("mouseup"), QStringLiteral("1")}),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(!mdi.isSampling(), 3000);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(mdi.currentColor(), rgb(18, 52, 86));
    }

    void pixelOffEveryScreenIsNotRead() {
        QtScreenReader screen;
        QVERIFY(screen.canReadScreen());
        QVERIFY(!screen.pixelAt(QPoint(-50, -50)).has_value());
        const QImage part = screen.grab(QRect(-2, -2, 4, 4));
        QVERIFY(!part.isNull());
        QCOMPARE(part.pixel(0, 0), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(ScreenSamplingTest)
#include "ScreenSamplingTest.moc"
