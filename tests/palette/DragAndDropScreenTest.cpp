// Colours dragged between the palette and another program on a real X server: the other
// program is a separate process (drag_peer), the pointer is driven by xdotool through the X
// server, so the drag goes through XDND exactly as it does between desktop programs.

#include "color/ColorSelection.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"

#include <QProcess>
#include <QTest>

using namespace sv;

namespace {

constexpr QPoint kPeerCentre(640, 140); // drag_peer's window: (600, 100), 80 x 80

// xdotool's commands run one after another; "sleep" lets each program see every step.
QStringList dragPath(QPoint from, QPoint to) {
    auto at = [](QPoint p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
    QStringList steps{QStringLiteral("mousemove")};
    steps << at(from) << QStringLiteral("sleep") << QStringLiteral("0.2")
          << QStringLiteral("mousedown") << QStringLiteral("1") << QStringLiteral("mousemove")
          << at(from + QPoint(12, 12)) << QStringLiteral("sleep") << QStringLiteral("0.3")
          << QStringLiteral("mousemove") << at(to) << QStringLiteral("sleep")
          << QStringLiteral("0.3") << QStringLiteral("mousemove") << at(to + QPoint(2, 1))
          << QStringLiteral("sleep") << QStringLiteral("0.3") << QStringLiteral("mouseup")
          << QStringLiteral("1");
    return steps;
}

struct Fixture {
    QWidget window{nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint};
    ColorSelection selection;
    PaletteModel model;
    SwatchGrid grid{&window, model, selection};
    QProcess peer;
    QProcess pointer;

    Fixture() {
        window.setGeometry(20, 20, SwatchGrid::kGridSize + 12, SwatchGrid::kGridSize + 12);
        window.show();
    }
    ~Fixture() {
        pointer.waitForFinished(5000);
        peer.kill();
        peer.waitForFinished(2000);
    }
    QPoint centreOf(int index) const { return grid.mapToGlobal(grid.cellRect(index).center()); }
    bool startPeer(const QStringList& args) {
        peer.start(QStringLiteral(SV_DRAG_PEER), args);
        return peer.waitForStarted() &&
               QTest::qWaitFor(
                   [&] { return peer.canReadLine() && peer.readLine().trimmed() == "ready"; },
                   5000);
    }
    void drag(QPoint from, QPoint to) {
        pointer.start(QStringLiteral("xdotool"), dragPath(from, to));
        QVERIFY(pointer.waitForStarted());
    }
    QByteArray peerSays() {
        if (!QTest::qWaitFor([&] { return peer.canReadLine(); }, 8000)) {
            return "(nothing)";
        }
        return peer.readLine().trimmed();
    }
};

} // namespace

class DragAndDropScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "this test needs a real X server");
    }

    void anotherProgramsColourTextLandsInASwatch() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QVERIFY(f.startPeer({QStringLiteral("source"), QStringLiteral("hsl(180 80% 19.6%)")}));
        f.drag(kPeerCentre, f.centreOf(7));
        QTRY_COMPARE_WITH_TIMEOUT(f.model.color(7), std::optional<ColorValue>(rgb(10, 90, 90)),
                                  8000);
        QCOMPARE(f.peerSays(), QByteArray("result: copy"));
        QVERIFY(f.model.isEmpty(6) && f.model.isEmpty(8));
    }

    void anotherProgramsXColorWinsOverItsText() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QVERIFY(f.startPeer({QStringLiteral("source"), QStringLiteral("#000000"),
                             QStringLiteral("200"), QStringLiteral("100"), QStringLiteral("50")}));
        f.drag(kPeerCentre, f.centreOf(40));
        QTRY_COMPARE_WITH_TIMEOUT(f.model.color(40), std::optional<ColorValue>(rgb(200, 100, 50)),
                                  8000);
    }

    void textThatIsNoColourIsRefused() {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QVERIFY(f.startPeer({QStringLiteral("source"), QStringLiteral("hello world")}));
        f.drag(kPeerCentre, f.centreOf(7));
        QCOMPARE(f.peerSays(), QByteArray("result: ignore"));
        QVERIFY(f.model.isEmpty(7));
    }

    void aSwatchDraggedOutCarriesItsColourAsXColorAndText() {
        Fixture f;
        f.model.setColor(9, rgb(10, 90, 90));
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QVERIFY(f.startPeer({QStringLiteral("target")}));
        f.drag(f.centreOf(9), kPeerCentre);
        QCOMPARE(f.peerSays(), QByteArray("x-color: #0A5A5A text: #0A5A5A"));
        QCOMPARE(f.model.color(9), std::optional<ColorValue>(rgb(10, 90, 90)));
    }
};

QTEST_MAIN(DragAndDropScreenTest)
#include "DragAndDropScreenTest.moc"
