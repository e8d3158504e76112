#include "palette/SwatchGrid.h"
#include "palette/MaskPictures.h"
#include "palette/Swatch.h"
#include "widgets/DragColor.h"
#include "widgets/QtColor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace sv;

namespace {

constexpr ColorValue kCurrent = 0x123456;
constexpr ColorValue kLast = 0x654321;

// A container like the main window's pnlContainer with the grid in it, and a host that
// records what the grid asks of it.
struct Fixture {
    QWidget container;
    SwatchGrid* grid = nullptr;
    QList<ColorValue> shown;
    int mask = 1;

    Fixture() {
        container.resize(348, 348);
        SwatchHost host;
        host.currentColor = [] { return kCurrent; };
        host.lastColor = [] { return kLast; };
        host.showColor = [this](ColorValue c) { shown.append(c); };
        host.maskIndex = [this] { return mask; };
        grid = new SwatchGrid(&container, host);
        container.show();
    }
};

// Whether the swatch passes the probe test: white at (1, 1), 12172744 at (6, 3).
bool probesEmpty(Swatch* s) {
    const QImage image = s->grab().toImage();
    return fromQRgb(image.pixel(1, 1)) == kWhite && fromQRgb(image.pixel(6, 3)) == 12172744;
}

QString hoverToolTip(Swatch* s) {
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), s->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(s, &move);
    return s->toolTip();
}

// Sends a drag of colour c from a control named source onto swatch s; returns whether the
// swatch accepted the drag.
bool dropOn(Swatch* s, ColorValue c, const QString& source) {
    std::unique_ptr<QMimeData> data(makeColorDrag(c, source));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &drop);
    return enter.isAccepted();
}

} // namespace

class SwatchGridTest : public QObject {
    Q_OBJECT
private slots:
    void geometryIsSixteenBySixteenRowMajor() {
        Fixture f;
        auto at = [&](int i) { return f.grid->swatch(i)->mapTo(&f.container, QPoint(0, 0)); };
        QCOMPARE(at(1), QPoint(6, 6));
        QCOMPARE(f.grid->swatch(1)->size(), QSize(21, 21));
        QCOMPARE(at(2), QPoint(27, 6));                      // touching its neighbour
        QCOMPARE(at(16), QPoint(6 + 15 * 21, 6));            // right end of the first row
        QCOMPARE(at(17), QPoint(6, 27));                     // directly under swatch 1
        QCOMPARE(at(256), QPoint(6 + 15 * 21, 6 + 15 * 21)); // bottom right
        QCOMPARE(at(256).x() + 21 + 6, 348);
        QVERIFY(f.grid->swatch(0) == nullptr);
        QVERIFY(f.grid->swatch(257) == nullptr);
        for (int i = 1; i <= 256; ++i) {
            QCOMPARE(f.grid->swatch(i)->cursor().shape(), Qt::BitmapCursor);
        }
    }

    void clicksOnEmptyAndFilledSwatches() {
        Fixture f;
        QSignalSpy changed(f.grid, &SwatchGrid::swatchChanged);

        // Empty, left: the current colour.
        QTest::mousePress(f.grid->swatch(5), Qt::LeftButton);
        QCOMPARE(f.grid->color(5), kCurrent);
        QVERIFY(!f.grid->isEmpty(5));
        QVERIFY(f.shown.isEmpty());

        // Empty, other button: the last colour, not left empty.
        QTest::mousePress(f.grid->swatch(6), Qt::RightButton);
        QCOMPARE(f.grid->color(6), kLast);
        QTest::mousePress(f.grid->swatch(7), Qt::MiddleButton);
        QCOMPARE(f.grid->color(7), kLast);

        // Filled, left: shown as the current colour; the swatch stays.
        f.grid->setColor(8, 0x00AA00);
        QTest::mousePress(f.grid->swatch(8), Qt::LeftButton);
        QCOMPARE(f.shown, QList<ColorValue>{0x00AA00});
        QCOMPARE(f.grid->color(8), 0x00AA00);

        // Filled, other button: emptied.
        QTest::mousePress(f.grid->swatch(8), Qt::RightButton);
        QVERIFY(f.grid->isEmpty(8));
        QCOMPARE(f.grid->color(8), kButtonFace);
        QCOMPARE(f.shown.size(), 1);
        QVERIFY(changed.count() >= 5);
    }

    void toolTipsFollowThePointer() {
        Fixture f;
        Swatch* s = f.grid->swatch(3);
        QCOMPARE(hoverToolTip(s), QString());
        f.grid->setColor(3, rgb(255, 153, 0));
        QCOMPARE(hoverToolTip(s), QStringLiteral("#FF9900"));
        f.grid->setColor(3, kWhite); // white is a colour, not an empty swatch
        QCOMPARE(hoverToolTip(s), QStringLiteral("#FFFFFF"));
        QVERIFY(!f.grid->isEmpty(3));
        f.grid->emptySwatches(3);
        QCOMPARE(hoverToolTip(s), QString());
    }

    void dropsOnlyFromTheStripAndTheGridWindow() {
        Fixture f;
        QVERIFY(dropOn(f.grid->swatch(1), 0x0000FF, QStringLiteral("picEdit")));
        QCOMPARE(f.grid->color(1), 0x0000FF);
        f.grid->setColor(2, kWhite);
        QVERIFY(dropOn(f.grid->swatch(2), 0x00FF00, QStringLiteral("picMax"))); // over a colour
        QCOMPARE(f.grid->color(2), 0x00FF00);

        for (const QString& other : {QStringLiteral("picRefer"), QStringLiteral("picedit"),
                                     QStringLiteral("picEdit "), QString()}) {
            QVERIFY(!dropOn(f.grid->swatch(3), 0xFF0000, other));
            QVERIFY(f.grid->isEmpty(3));
        }
        // A drop of foreign data (no source name) changes nothing either.
        QMimeData foreign;
        foreign.setColorData(QColor(Qt::red));
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &foreign, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.grid->swatch(4), &drop);
        QVERIFY(f.grid->isEmpty(4));
    }

    void emptySwatchesOneOrAll() {
        Fixture f;
        for (int i = 1; i <= 256; ++i) {
            f.grid->setColor(i, i);
        }
        f.grid->emptySwatches(100);
        for (int i = 1; i <= 256; ++i) {
            QCOMPARE(f.grid->isEmpty(i), i == 100);
        }
        f.grid->emptySwatches(0);
        for (int i = 1; i <= 256; ++i) {
            QVERIFY(f.grid->isEmpty(i));
        }
        f.grid->emptySwatches(999); // outside: nothing
    }

    void emptyFlagAgreesWithTheProbeTest() {
        Fixture f;
        f.grid->setColor(1, kWhite);
        f.grid->setColor(2, 12172744);
        f.grid->clearSwatch(3);
        for (int mask = 1; mask <= 5; ++mask) {
            f.mask = mask;
            f.grid->emptySwatches(10 + mask);
            QCOMPARE(f.grid->swatch(10 + mask)->picture(), maskPicture(mask));
        }
        for (int i : {1, 2, 3, 4, 11, 12, 13, 14, 15}) {
            QCOMPARE(probesEmpty(f.grid->swatch(i)), f.grid->isEmpty(i));
        }
        // A cleared swatch is button face without a mask: not empty, and no tool tip colour
        // is lost when a colour is then written.
        QVERIFY(!f.grid->isEmpty(3));
        QCOMPARE(f.grid->color(3), kButtonFace);
        QVERIFY(f.grid->swatch(3)->picture().isNull());
    }

    void paletteValueRoundTrip() {
        Fixture f;
        Palette p;
        p.setColor(1, 0x010203);
        p.setColor(256, kWhite);
        f.grid->setPalette(p);
        QCOMPARE(f.grid->palette(), p);

        std::bitset<Palette::kSize> only;
        only.set(1); // swatch 2
        Palette q;
        q.setColor(2, 0x777777);
        q.setColor(3, 0x888888);
        f.grid->applyPalette(q, only);
        QCOMPARE(f.grid->color(2), 0x777777);
        QVERIFY(f.grid->isEmpty(3));
        QCOMPARE(f.grid->color(1), 0x010203);
    }
};

QTEST_MAIN(SwatchGridTest)
#include "SwatchGridTest.moc"
