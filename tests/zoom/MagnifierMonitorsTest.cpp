// The magnifier over two monitors side by side (800 × 600 each, the second at x = 800), each
// filled with its own colour: a square straddling the border shows each monitor's pixels on
// its own side, with the pointer on either border pixel, at any QT_SCALE_FACTOR.

#include "color/ColorSelection.h"
#include "dialogs/Options.h"
#include "widgets/ImageButton.h"
#include "widgets/ScreenReader.h"
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

} // namespace

class MagnifierMonitorsTest : public QObject {
    Q_OBJECT
private slots:
    void bothMonitorsShowOnTheirOwnSideOfTheBorder() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        std::unique_ptr<QWidget> left(fillScreen(screens[0], kLeft));
        std::unique_ptr<QWidget> right(fillScreen(screens[1], kRight));
        QVERIFY(QTest::qWaitForWindowExposed(left.get()));
        QVERIFY(QTest::qWaitForWindowExposed(right.get()));

        QtScreenReader screen;
        Options options;
        options.set(OptionKey::Zoom, 1);
        ColorSelection selection;
        MagnifierWindow zoom(nullptr, screen, options, selection);
        zoom.setScreen(screens[0]);
        zoom.move(screens[0]->geometry().topLeft());
        zoom.show();
        QVERIFY(QTest::qWaitForWindowExposed(&zoom));

        for (const int x : {kBorder - 2, kBorder - 1, kBorder, kBorder + 1}) {
            // In device pixels, which logical positions cannot always name.
            QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                       {QStringLiteral("mousemove"), QString::number(x),
                                        QStringLiteral("450")}),
                     0);
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
                QVERIFY2(QColor(square.pixel(i, 20)) == expected,
                         qPrintable(QStringLiteral("pointer %1, device x %2").arg(x).arg(left0 + i)));
            }
        }
    }
};

QTEST_MAIN(MagnifierMonitorsTest)
#include "MagnifierMonitorsTest.moc"
