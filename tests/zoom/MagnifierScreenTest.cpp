// The magnifier against a real X server, also with QT_SCALE_FACTOR 2: a checkerboard of known
// colours on the screen, a capture over it ended by a real click, and the frozen view holding
// the screen's own device pixels.

#include "color/ColorSelection.h"
#include "dialogs/Options.h"
#include "support/PointerEvents.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "widgets/ScreenReader.h"
#include "zoom/MagnifierWindow.h"

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
        Board board;
        board.setGeometry(40, 300, kCell * kCells, kCell * kCells);
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        const qreal dpr = board.screen()->devicePixelRatio();
        QCOMPARE(dpr, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        // Board cell of a device pixel, as the board painted it.
        auto expected = [&](QPoint device) {
            const QPoint inBoard = device - QPoint(40, 300) * dpr;
            return cellColor(int(inBoard.x() / (kCell * dpr)), int(inBoard.y() / (kCell * dpr)));
        };

        QtScreenReader screen;
        Options options;
        options.set(OptionKey::Zoom, 1);
        ColorSelection selection;
        MagnifierWindow zoom(nullptr, screen, options, selection);
        zoom.move(250, 0);
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));

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
};

QTEST_MAIN(MagnifierScreenTest)
#include "MagnifierScreenTest.moc"
