// Two monitors side by side (800 × 600 each, the second at x = 800), each filled with its own
// colour: the live pick and the magnifier read each monitor's device pixels on its own side of
// the border, with the pointer on either border pixel, at any QT_SCALE_FACTOR.

#include "app/MainWindow.h"
#include "app/ScreenSampler.h"
#include "color/ColorSelection.h"
#include "settings/Options.h"
#include "support/TemporarySettings.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"
#include "zoom/Loupe.h"
#include "zoom/MagnifierWindow.h"

#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace sv;

namespace {

constexpr int kBorder = 800; // the first device pixel of the right monitor
const QColor kLeft(200, 40, 40);
const QColor kRight(40, 40, 200);

QWidget* fillScreen(QScreen* screen, const QColor& color) {
    auto* w = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, color);
    w->setPalette(pal);
    w->setScreen(screen);
    w->setGeometry(screen->geometry());
    w->show();
    return w;
}

// Puts the pointer on a device pixel, which logical positions cannot always name.
bool pointAt(int x, int y) {
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"),
                                                         QString::number(x), QString::number(y)}) ==
           0;
}

} // namespace

class TwoMonitorsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        screens_ = QGuiApplication::screens();
        QCOMPARE(screens_.size(), 2);
        QCOMPARE(screens_[0]->devicePixelRatio(),
                 qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        left_.reset(fillScreen(screens_[0], kLeft));
        right_.reset(fillScreen(screens_[1], kRight));
        QVERIFY(QTest::qWaitForWindowExposed(left_.get()));
        QVERIFY(QTest::qWaitForWindowExposed(right_.get()));
    }
    void cleanupTestCase() {
        left_.reset();
        right_.reset();
    }

    void theLivePickReadsTheMonitorUnderTheHotSpot() {
        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        // On the right monitor, away from the border and below the row the pointer walks.
        window.setScreen(screens_[1]);
        window.move(screens_[1]->geometry().topLeft() + QPoint(200, 200));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ScreenSampler* sampler = window.sampler();
        sampler->start();
        for (const int x : {kBorder - 2, kBorder - 1, kBorder, kBorder + 1}) {
            QVERIFY(pointAt(x, 100));
            QTRY_COMPARE(screen.pointerDevicePos(), QPoint(x, 100));
            const QColor expected = x < kBorder ? kLeft : kRight;
            QTRY_VERIFY2_WITH_TIMEOUT(window.selection().current() ==
                                          rgb(expected.red(), expected.green(), expected.blue()),
                                      qPrintable(QStringLiteral("pointer at device x %1").arg(x)),
                                      3000);
            // The next colour must come from a move: leave the other colour behind first.
            window.selection().setCurrent(kWhite);
        }
        sampler->stop();
    }

    void theLoupeAndTheAverageStraddleTheBorderAndTheCorners() {
        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::SampleSize, 3);
        MainWindow window(screen, options);
        window.setScreen(screens_[1]);
        window.move(screens_[1]->geometry().topLeft() + QPoint(100, 150));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_F9);
        ScreenSampler* sampler = window.sampler();
        QVERIFY(sampler->isSampling());

        // Two columns of the left monitor and one of the right: (6 × 200 + 3 × 40) / 9 = 146.7
        // and (6 × 40 + 3 × 200) / 9 = 93.3.
        QVERIFY(pointAt(kBorder - 1, 100));
        QTRY_COMPARE_WITH_TIMEOUT(window.selection().current(), rgb(147, 40, 93), 3000);
        QTRY_VERIFY(sampler->loupe() != nullptr && sampler->loupe()->isVisible());
        const Loupe& loupe = *sampler->loupe();
        // The loupe's cells, read back from the screen: the border runs between the centre and
        // the cell right of it.
        const int centre = loupe.pixelsShown() / 2;
        auto cell = [&](int i) {
            const QRect frame = loupe.deviceFrame();
            const qreal dpr = loupe.screen()->devicePixelRatio();
            const int at = int((1 + (centre + i) * loupe.zoom() + loupe.zoom() / 2) * dpr);
            return QColor(
                screen.grabDevicePixels(QRect(frame.topLeft() + QPoint(at, at), QSize(1, 1)))
                    .pixel(0, 0));
        };
        for (int i = -centre; i <= centre; ++i) {
            QTRY_COMPARE(cell(i), i <= 0 ? kLeft : kRight);
        }

        // At each corner of the desktop the loupe stays on the pointer's monitor, clear of the
        // pixels it shows, and the average takes the four pixels that exist.
        const QRect desktop = deviceDesktop();
        for (const QPoint corner :
             {desktop.topLeft(), desktop.bottomRight(), QPoint(desktop.left(), desktop.bottom()),
              QPoint(desktop.right(), desktop.top())}) {
            window.selection().setCurrent(kWhite);
            QVERIFY(pointAt(corner.x(), corner.y()));
            QTRY_COMPARE(screen.pointerDevicePos(), corner);
            // Where the main window stands over a corner, that corner shows the window.
            if (!window.frameGeometry().contains(screen.toLogical(corner))) {
                const QColor expected = corner.x() < kBorder ? kLeft : kRight;
                QTRY_COMPARE_WITH_TIMEOUT(window.selection().current(),
                                          rgb(expected.red(), expected.green(), expected.blue()),
                                          3000);
            }
            const int half = loupe.pixelsShown() / 2;
            const QRect shown(corner - QPoint(half, half), corner + QPoint(half, half));
            QTRY_VERIFY(!loupe.deviceFrame().intersects(shown));
            const QScreen* pointerScreen = QGuiApplication::screenAt(screen.toLogical(corner));
            QVERIFY(pointerScreen != nullptr);
            QTRY_VERIFY(pointerScreen->geometry().contains(loupe.geometry()));
        }
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!sampler->isSampling());
    }

    void theMagnifierShowsEachMonitorOnItsSide() {
        const QList<QScreen*>& screens = screens_;
        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::Zoom, 1);
        ColorSelection selection;
        MagnifierWindow zoom(nullptr, screen, options, selection);
        zoom.setScreen(screens[0]);
        zoom.move(screens[0]->geometry().topLeft());
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));

        for (const int x : {kBorder - 2, kBorder - 1, kBorder, kBorder + 1}) {
            QVERIFY(pointAt(x, 450));
            QTRY_COMPARE(screen.pointerDevicePos(), QPoint(x, 450));
            zoom.view()->clear();
            QTest::mouseClick(zoom.startButton(), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!zoom.view()->square().isNull(), 3000);
            QTest::keyClick(&zoom, Qt::Key_F10);
            QCOMPARE(zoom.state(), MagnifierState::Inspecting);

            const QImage square = zoom.view()->square();
            const int left0 = x - 19;
            for (int i = 0; i < 40; ++i) {
                const QColor expected = left0 + i < kBorder ? kLeft : kRight;
                QVERIFY2(
                    QColor(square.pixel(i, 20)) == expected,
                    qPrintable(QStringLiteral("pointer %1, device x %2").arg(x).arg(left0 + i)));
            }
        }
    }

private:
    QList<QScreen*> screens_;
    std::unique_ptr<QWidget> left_;
    std::unique_ptr<QWidget> right_;
};

QTEST_MAIN(TwoMonitorsTest)
#include "TwoMonitorsTest.moc"
