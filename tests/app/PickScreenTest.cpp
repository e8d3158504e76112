// The live pick's loupe, pixel steps, average and frozen frame on a real X server, driven as a
// person drives them: the pointer moved and the wheel turned by the X server (xdotool), over a
// window of known 1-pixel patterns, and the loupe read back from the screen.

#include "app/FrozenFramePick.h"
#include "app/MainWindow.h"
#include "app/ScreenSampler.h"
#include "color/ColorSelection.h"
#include "history/HistoryStore.h"
#include "settings/Options.h"
#include "support/ScreenPattern.h"
#include "support/TemporarySettings.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"
#include "zoom/Loupe.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>

using namespace sv;
using namespace sv::test;

namespace {

struct Desktop {
    QLabel pattern{nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint};
    QtScreenReader screen;
    TemporarySettings settings;
    Options options{settings.store};
    std::unique_ptr<MainWindow> window;

    bool show() {
        pattern.setPixmap(QPixmap::fromImage(patternImage()));
        pattern.setGeometry(kPattern);
        pattern.show();
        window = std::make_unique<MainWindow>(screen, options);
        window->move(450, 500);
        window->show();
        return QTest::qWaitForWindowExposed(&pattern) && QTest::qWaitForWindowExposed(window.get());
    }
};

// The colour of the loupe's cell for the pixel dx, dy from the centre, read from the screen.
QRgb loupeCell(QtScreenReader& screen, const Loupe& loupe, int dx, int dy) {
    const int centre = loupe.pixelsShown() / 2;
    const QPoint inCell(1 + (centre + dx) * loupe.zoom() + loupe.zoom() / 2,
                        1 + (centre + dy) * loupe.zoom() + loupe.zoom() / 2);
    const QImage shot = screen.grabDevicePixels(QRect(loupe.pos() + inCell, QSize(1, 1)));
    return shot.pixel(0, 0);
}

} // namespace

class PickScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "this test needs a real X server");
        QFile::remove(settingsPath());
        QFile::remove(HistoryStore::defaultPath());
    }

    void theLoupeShowsThePixelsRoundThePointerAndNeverItself() {
        Desktop d;
        QVERIFY(d.show());
        QVERIFY(pointAt(300, 150));
        QTest::keyClick(d.window.get(), Qt::Key_F9);
        ScreenSampler* sampler = d.window->sampler();
        QTRY_VERIFY(sampler->loupe() != nullptr && sampler->loupe()->isVisible());
        Loupe& loupe = *sampler->loupe();
        QTRY_COMPARE(loupe.pos(), QPoint(324, 174));
        QTRY_COMPARE(loupeCell(d.screen, loupe, 0, 0), kRed);
        QCOMPARE(loupeCell(d.screen, loupe, -1, 0), kGrey);
        QCOMPARE(loupeCell(d.screen, loupe, 1, 5), kGrey);

        // Onto the checkerboard, then in one move into where the loupe stood: what shows there
        // is the pattern, never the loupe's own picture, not even for a moment.
        QList<ColorValue> shown;
        connect(&d.window->selection(), &ColorSelection::changed,
                [&](ColorValue current, ColorValue) { shown << current; });
        for (const QPoint& p : {QPoint(150, 120), QPoint(200, 160), QPoint(240, 200)}) {
            QVERIFY(pointAt(p.x(), p.y()));
            QTRY_COMPARE(d.window->selection().current(), fromQRgb(patternAt(p.x(), p.y())));
            for (int dy = -5; dy <= 5; dy += 5) {
                for (int dx = -5; dx <= 5; ++dx) {
                    QTRY_COMPARE(loupeCell(d.screen, loupe, dx, dy),
                                 patternAt(p.x() + dx, p.y() + dy));
                }
            }
        }
        QCOMPARE(loupe.pos(), QPoint(264, 224));
        // Only the colours under the places the pointer went to were shown.
        QVERIFY(!shown.isEmpty());
        for (ColorValue c : shown) {
            QVERIFY2(c == fromQRgb(patternAt(150, 120)) || c == fromQRgb(patternAt(200, 160)) ||
                         c == fromQRgb(patternAt(240, 200)),
                     qPrintable(QString::number(c, 16)));
        }
        QTest::keyClick(d.window.get(), Qt::Key_F9);
        QVERIFY(!sampler->isSampling());
        QCOMPARE(sampler->loupe(), nullptr);
    }

    void arrowsStepOnePixelAndEscapeCancels() {
        Desktop d;
        d.options.set(OptionKey::Loupe, 0);
        QVERIFY(d.show());
        d.window->selection().reset(kWhite);
        QVERIFY(pointAt(299, 200));
        QTest::keyClick(d.window.get(), Qt::Key_F9);
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(kGrey));
        // Real key presses from the X server, to whichever window has the keyboard.
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Right")}));
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(kRed));
        QCOMPARE(d.screen.pointerDevicePos(), QPoint(300, 200));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("shift+Right")}));
        QTRY_COMPARE(d.screen.pointerDevicePos(), QPoint(310, 200));
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(kGrey));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        QTRY_VERIFY(!d.window->sampler()->isSampling());
        QCOMPARE(d.window->selection().current(), kWhite);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
    }

    void ctrlWheelAveragesTheCheckerboardMidPick() {
        Desktop d;
        QVERIFY(d.show());
        QVERIFY(pointAt(271, 150)); // odd: the light colour, with four dark neighbours
        QTest::keyClick(d.window.get(), Qt::Key_F9);
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(kLight));
        QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("click"),
                         QStringLiteral("4"), QStringLiteral("keyup"), QStringLiteral("ctrl")}));
        QTRY_COMPARE(d.window->sampler()->sampleSize(), 3);
        // Five light and four dark: (5 × 240 + 4 × 16) / 9 = 140.4, (5 × 224 + 4 × 32) / 9 =
        // 138.7, (5 × 208 + 4 × 48) / 9 = 136.9.
        QTRY_COMPARE(d.window->selection().current(), rgb(140, 139, 137));
        QTRY_COMPARE(d.window->sampler()->loupe()->sampleSize(), 3);
        // The wheel alone zooms the loupe: its picture grows and shrinks, its text line does
        // not.
        Loupe& loupe = *d.window->sampler()->loupe();
        QTRY_VERIFY(loupe.isVisible());
        const int textLine = loupe.height() - loupe.width();
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("4")}));
        QTRY_COMPARE(loupe.zoom(), 20);
        QCOMPARE(loupe.height() - loupe.width(), textLine);
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("5"), QStringLiteral("click"),
                         QStringLiteral("5")}));
        QTRY_COMPARE(loupe.zoom(), 5);
        QCOMPARE(loupe.height() - loupe.width(), textLine);
        QTest::keyClick(d.window.get(), Qt::Key_F9);
        QCOMPARE(d.options.sampleSize(), 3);
        d.options.setAndStore(OptionKey::SampleSize, 1);
    }

    void shiftF9PicksFromAStillDesktop() {
        Desktop d;
        QVERIFY(d.show());
        const std::size_t before = d.window->history()->entries().size();
        QVERIFY(pointAt(300, 300));
        QTest::keyClick(d.window.get(), Qt::Key_F9, Qt::ShiftModifier);
        FrozenFramePick* frozen = d.window->frozenPick();
        QVERIFY(frozen != nullptr && frozen->isRunning());
        // What changes on the screen afterwards is not what the pick sees.
        d.pattern.setPixmap(QPixmap());
        d.pattern.setStyleSheet(QStringLiteral("background: #00ff00"));
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(kRed));
        QVERIFY(pointAt(149, 150));
        QTRY_COMPARE(d.window->selection().current(), fromQRgb(patternAt(149, 150)));
        // A real click keeps the colour and remembers it.
        QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
        QTRY_VERIFY(!frozen->isRunning());
        QCOMPARE(d.window->selection().current(), fromQRgb(patternAt(149, 150)));
        QCOMPARE(d.window->history()->entries().size(), before + 1);
        QCOMPARE(d.window->history()->entries().front().color, fromQRgb(patternAt(149, 150)));
    }
};

QTEST_MAIN(PickScreenTest)
#include "PickScreenTest.moc"
