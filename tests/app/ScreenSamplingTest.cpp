// Sampling against a real X server: a window of a known colour is shown, the pointer is put
// over it and the main window reads it through the real screen reader.

#include "app/MainWindow.h"
#include "app/NotationPanel.h"
#include "app/PointerReadout.h"
#include "app/ScreenSampler.h"
#include "settings/Options.h"
#include "support/TemporarySettings.h"
#include "widgets/PointerMotionWatcher.h"
#include "widgets/ScreenReader.h"

#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWindow>

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
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        window.move(0, 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCursor::setPos(960, 660);
        QTRY_COMPARE(QCursor::pos(), QPoint(960, 660));
        ScreenSampler* sampler = window.sampler();
        sampler->start();
        QVERIFY(sampler->isSampling());
        QTRY_COMPARE_WITH_TIMEOUT(window.selection().current(), rgb(18, 52, 86), 3000);
        QCOMPARE(window.notations()->field(Notation::VisualBasic)->text(),
                 QStringLiteral("&H00563412"));
        QCOMPARE(window.notations()->field(Notation::Html)->text(), QStringLiteral("#123456"));
        QCOMPARE(window.selection().previous(), kWhite);
        QVERIFY(QWidget::mouseGrabber() != nullptr);

        // A real button press and release from the X server, over another window.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("mousedown"), QStringLiteral("1")}),
                 0);
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("mouseup"), QStringLiteral("1")}),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(!sampler->isSampling(), 3000);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QCOMPARE(window.selection().current(), rgb(18, 52, 86));

        // The next pick starts where this one ended, with another colour current and the
        // window under the pointer repainted: the pixel is shown, not the colour of before.
        window.selection().setCurrent(kBlack);
        auto repaint = [&](QColor c) {
            pal.setColor(QPalette::Window, c);
            solid.setPalette(pal);
            solid.repaint();
        };
        repaint(QColor(200, 30, 40));
        sampler->start();
        QTRY_COMPARE_WITH_TIMEOUT(window.selection().current(), rgb(200, 30, 40), 3000);
        // The pointer rests while what is under it changes.
        repaint(QColor(10, 200, 30));
        QTRY_COMPARE_WITH_TIMEOUT(window.selection().current(), rgb(10, 200, 30), 3000);
        sampler->stop();
    }

    void aSizeForcedFromOutsideIsUndone() {
        QtScreenReader screen;
        test::TemporarySettings settings;
        Options options(settings.store);
        MainWindow window(screen, options);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        struct ResizeCounter : QObject {
            int resizes = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                resizes += event->type() == QEvent::Resize ? 1 : 0;
                return false;
            }
        } counter;
        window.installEventFilter(&counter);
        // As a window manager or a script may do, past the window's size hints.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                                   {QStringLiteral("windowsize"), QString::number(window.winId()),
                                    QStringLiteral("900"), QStringLiteral("300")}),
                 0);
        QTRY_VERIFY(counter.resizes > 0); // the forced size has arrived
        QTRY_COMPARE(window.size(), QSize(756, 466));
        QCOMPARE(window.windowHandle()->geometry().size(), QSize(756, 466));
    }

    void theReadoutRestsWithThePointerAndWakesWhenItMoves() {
        // Counts how often the X server is asked where the pointer is.
        struct CountingReader : QtScreenReader {
            mutable int queries = 0;
            QPoint cursorPos() const override {
                ++queries;
                return QtScreenReader::cursorPos();
            }
        } screen;
        std::unique_ptr<PointerMotionWatcher> watcher = PointerMotionWatcher::create();
        QVERIFY2(watcher != nullptr, "the X server reports raw pointer motion");
        QWidget window;
        PointerReadout readout(screen, &window, {10, 10}, watcher.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(readout.isResting());
        const int queries = screen.queries;
        QTest::qWait(3 * PointerReadout::kIntervalMs);
        QVERIFY(screen.queries <= queries + 1);

        // Motion as a pointing device makes it: the readout is lively again at once.
        auto xdotool = [](const QStringList& args) { return QProcess::execute("xdotool", args); };
        const QPoint before = QCursor::pos();
        QCOMPARE(xdotool({"mousemove_relative", "--", "7", "5"}), 0);
        QTRY_VERIFY(!readout.isResting());
        QTRY_COMPARE(readout.xLabel()->text(), QStringLiteral("X=%1").arg(before.x() + 7));
        QTRY_VERIFY(readout.isResting());
        // A pointer warped by another program reports no motion; it still shows soon.
        QCOMPARE(xdotool({"mousemove", "321", "123"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(readout.xLabel()->text(), QStringLiteral("X=321"),
                                  3 * PointerReadout::kRestingIntervalMs);
        QCOMPARE(readout.yLabel()->text(), QStringLiteral("Y=123"));
    }

    void pixelOffEveryScreenIsNotRead() {
        QtScreenReader screen;
        QVERIFY(screen.canReadScreen());
        QVERIFY(!screen.pixelAt(QPoint(-50, -50)).has_value());
    }
};

QTEST_MAIN(ScreenSamplingTest)
#include "ScreenSamplingTest.moc"
