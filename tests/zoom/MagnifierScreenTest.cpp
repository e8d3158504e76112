// The magnifier against a real X server, also with QT_SCALE_FACTOR 2: a checkerboard of known
// colours on the screen, a capture over it ended by a real click, and the frozen view holding
// the screen's own device pixels.

#include "color/Color.h"
#include "color/ColorSelection.h"
#include "settings/Options.h"
#include "support/ColorReference.h"
#include "support/PointerEvents.h"
#include "support/TemporarySettings.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"
#include "zoom/MagnifierWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace sv;

namespace {

constexpr int kCell = 10; // logical pixels
constexpr int kCells = 8;

QColor cellColor(int column, int row) {
    return QColor(30 * column + 5, 30 * row + 7, 90 + 20 * ((column + row) % 8));
}

// An 8 × 8 board of 10-pixel cells, each its own colour.
class Board : public QWidget {
public:
    Board() : QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int r = 0; r < kCells; ++r) {
            for (int c = 0; c < kCells; ++c) {
                p.fillRect(c * kCell, r * kCell, kCell, kCell, cellColor(c, r));
            }
        }
    }
};

// The board at 40, 300 on the screen, and the colour of a device pixel over it as the board
// painted it.
struct ShownBoard {
    Board board;
    qreal dpr = 1;

    bool show() {
        board.setGeometry(40, 300, kCell * kCells, kCell * kCells);
        board.show();
        if (!QTest::qWaitForWindowExposed(&board)) {
            return false;
        }
        dpr = board.screen()->devicePixelRatio();
        return true;
    }
    QColor expected(QPoint device) const {
        const QPoint inBoard = device - QPoint(40, 300) * dpr;
        return cellColor(int(inBoard.x() / (kCell * dpr)), int(inBoard.y() / (kCell * dpr)));
    }
};

// The magnifier beside the board, on the screen.
bool showBeside(MagnifierWindow& zoom) {
    zoom.move(250, 0);
    zoom.show();
    return QTest::qWaitForWindowExposed(&zoom);
}

int xdotool(const QStringList& args) {
    return QProcess::execute(QStringLiteral("xdotool"), args);
}

} // namespace

class MagnifierScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "this test needs a real X server");
    }

    void theFrozenViewHoldsTheScreensDevicePixels() {
        ShownBoard board;
        QVERIFY(board.show());
        const qreal dpr = board.dpr;
        QCOMPARE(dpr, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        const auto expected = [&](QPoint device) { return board.expected(device); };

        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::Zoom, 1);
        ColorSelection selection;
        MagnifierWindow zoom(nullptr, screen, options, selection);
        QObject::connect(&zoom, &MagnifierWindow::colorPicked, &selection,
                         &ColorSelection::setCurrent);
        QVERIFY(showBeside(zoom));

        QCursor::setPos(83, 337);
        QTRY_COMPARE(QCursor::pos(), QPoint(83, 337));
        const QPoint hotSpot = screen.pointerDevicePos();
        QCOMPARE(hotSpot, QPoint(83, 337) * dpr);
        QTest::mouseClick(zoom.startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!zoom.view()->square().isNull(), 3000);

        // A real press and release from the X server end the capture through the grab.
        QCOMPARE(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}), 0);
        QCOMPARE(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(zoom.state(), MagnifierState::Inspecting, 3000);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        const QImage square = zoom.view()->square();
        QCOMPARE(square.size(), QSize(40, 40));
        const QPoint corner = hotSpot - QPoint(19, 19);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                QCOMPARE(QColor(square.pixel(x, y)), expected(corner + QPoint(x, y)));
            }
        }
        // The view shows source pixel floor(v × 40 / size) on each axis.
        const QImage frame = zoom.view()->frame();
        for (const QPoint v : {QPoint(0, 0), QPoint(172, 132), QPoint(343, 263), QPoint(9, 7)}) {
            const QPoint source(v.x() * 40 / 344, v.y() * 40 / 264);
            QCOMPARE(QColor(frame.pixel(v)), expected(corner + source));
        }

        // Pointing into the frozen view and pressing picks the magnified screen pixel.
        const QPoint at(250, 60);
        test::moveOver(zoom.view(), at);
        QTest::mousePress(zoom.view(), Qt::LeftButton, {}, at);
        const QColor picked = expected(corner + QPoint(at.x() * 40 / 344, at.y() * 40 / 264));
        QCOMPARE(toQColor(zoom.pickedSwatch()->backColor()), picked);
        QTest::mousePress(zoom.pickedSwatch(), Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(toQColor(selection.current()), picked);
    }

    // Simulated for deuteranopia, the view on the screen shows each board pixel as the
    // reference sees it, read back from the X server; a press still picks the board's own
    // pixel, and a change of simulation repaints the held image.
    void aSimulatedViewShowsWhatTheReferenceSeesAndPicksTheRealPixel() {
        ShownBoard board;
        QVERIFY(board.show());
        const qreal dpr = board.dpr;
        const auto expected = [&](QPoint device) { return board.expected(device); };
        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        options.set(OptionKey::Zoom, 1);
        ColorSelection selection;
        MagnifierWindow zoom(nullptr, screen, options, selection);
        QVERIFY(showBeside(zoom));
        zoom.visionBox()->setCurrentIndex(int(Vision::Deuteranopia));
        QCursor::setPos(83, 337);
        QTRY_COMPARE(QCursor::pos(), QPoint(83, 337));
        const QPoint corner = screen.pointerDevicePos() - QPoint(19, 19);
        QTest::mouseClick(zoom.startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!zoom.view()->square().isNull(), 3000);
        QCOMPARE(xdotool({QStringLiteral("click"), QStringLiteral("1")}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(zoom.state(), MagnifierState::Inspecting, 3000);

        auto checkScreen = [&](const reference::Mat3* m) {
            MagnifierView* view = zoom.view();
            view->repaint();
            QApplication::processEvents();
            const QRect global(view->mapToGlobal(QPoint(0, 0)), view->size());
            const QImage shown =
                screen.grabDevicePixels(QRect(global.topLeft() * dpr, global.size() * dpr));
            QVERIFY(!shown.isNull());
            for (int sy = 0; sy < 40; ++sy) {
                for (int sx = 0; sx < 40; ++sx) {
                    // The middle of the view pixels that show source pixel (sx, sy).
                    const QPoint v(int((sx + 0.5) * view->width() / 40),
                                   int((sy + 0.5) * view->height() / 40));
                    const ColorValue real = fromQColor(expected(corner + QPoint(sx, sy)));
                    const ColorValue seen = m ? reference::seenWith(*m, real) : real;
                    QCOMPARE(fromQRgb(shown.pixel(v * dpr)), seen);
                }
            }
        };
        checkScreen(&reference::kDeuteranopia);
        const QPoint at(250, 60);
        test::moveOver(zoom.view(), at);
        QTest::mousePress(zoom.view(), Qt::LeftButton, {}, at);
        QCOMPARE(toQColor(zoom.pickedSwatch()->backColor()),
                 expected(corner + QPoint(at.x() * 40 / 344, at.y() * 40 / 264)));
        zoom.visionBox()->setCurrentIndex(int(Vision::Typical));
        checkScreen(nullptr);
    }

    // The capture ended as people end it: an ordinary click, the button held a moment, over
    // another program's window. The frozen view then works with the real pointer: hovering
    // shows the pixel in the picked-colour box, a click picks it, a click on the box makes it
    // current.
    void anOrdinaryClickOverAnotherProgramLeavesTheViewWorking() {
        ShownBoard board;
        QVERIFY(board.show());
        QProcess other;
        other.start(QStringLiteral("xmessage"),
                    {QStringLiteral("-geometry"), QStringLiteral("300x200+700+600"),
                     QStringLiteral("another program")});
        QVERIFY(other.waitForStarted());
        QCOMPARE(xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                          QStringLiteral("--onlyvisible"), QStringLiteral("--class"),
                          QStringLiteral("xmessage")}),
                 0);

        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store); // StopCapture: on the press
        ColorSelection selection;
        selection.setCurrent(rgb(1, 2, 3));
        MagnifierWindow zoom(nullptr, screen, options, selection);
        QObject::connect(&zoom, &MagnifierWindow::colorPicked, &selection,
                         &ColorSelection::setCurrent);
        QVERIFY(showBeside(zoom));
        QCursor::setPos(83, 337);
        QTest::mouseClick(zoom.startButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!zoom.view()->square().isNull(), 3000);

        // Run beside the event loop, so the press is handled while the button is still down.
        QProcess click;
        click.start(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QStringLiteral("800"), QStringLiteral("700"),
                     QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("mousedown"),
                     QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.15"),
                     QStringLiteral("mouseup"), QStringLiteral("1")});
        QTRY_COMPARE_WITH_TIMEOUT(click.state(), QProcess::NotRunning, 5000);
        QTRY_COMPARE(zoom.state(), MagnifierState::Inspecting);
        QTRY_COMPARE_WITH_TIMEOUT(QWidget::mouseGrabber(), nullptr, 3000);

        auto realClickAt = [](const QWidget* w, QPoint at) {
            const QPoint global = w->mapToGlobal(at) * w->devicePixelRatio();
            QProcess p;
            p.start(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(global.x()),
                     QString::number(global.y()), QStringLiteral("sleep"), QStringLiteral("0.1"),
                     QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"),
                     QStringLiteral("0.15"), QStringLiteral("mouseup"), QStringLiteral("1")});
            QTRY_COMPARE_WITH_TIMEOUT(p.state(), QProcess::NotRunning, 5000);
            QTest::qWait(50);
        };
        const QPoint at(250, 60);
        const ColorValue under = zoom.view()->colorAt(at).value();
        const QPoint global = zoom.view()->mapToGlobal(at) * zoom.devicePixelRatio();
        QCOMPARE(xdotool({QStringLiteral("mousemove"), QString::number(global.x()),
                          QString::number(global.y())}),
                 0);
        QTRY_COMPARE_WITH_TIMEOUT(zoom.pickedSwatch()->backColor(), under, 3000);
        realClickAt(zoom.view(), at);
        QTRY_COMPARE_WITH_TIMEOUT(zoom.state(), MagnifierState::Locked, 3000);
        realClickAt(zoom.pickedSwatch(), QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(selection.current(), under, 3000);
        other.kill();
        other.waitForFinished();
    }
};

QTEST_MAIN(MagnifierScreenTest)
#include "MagnifierScreenTest.moc"
