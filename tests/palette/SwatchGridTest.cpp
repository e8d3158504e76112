#include "palette/SwatchGrid.h"
#include "color/ColorSelection.h"
#include "palette/MaskPictures.h"
#include "palette/Swatch.h"
#include "support/PointerEvents.h"
#include "widgets/DragColor.h"
#include "widgets/QtColor.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QUrl>
#include <memory>
#include <utility>

using namespace sv;
using sv::test::dropOn;

namespace {

constexpr ColorValue kCurrent = 0x123456;
constexpr ColorValue kLast = 0x654321;

// A container like the main window's palette panel with the grid in it.
struct Fixture {
    QWidget container;
    ColorSelection selection;
    SwatchGrid* grid = nullptr;

    Fixture() {
        container.resize(348, 348);
        selection.reset(kLast);
        selection.setCurrent(kCurrent);
        grid = new SwatchGrid(&container, selection);
        container.show();
    }
    std::optional<ColorValue> color(int i) const { return grid->color(i); }
};

// Whether the swatch passes the probe test: white at (1, 1), 12172744 at (6, 3).
bool probesEmpty(Swatch* s) {
    const QImage image = s->grab().toImage();
    return fromQRgb(image.pixel(1, 1)) == kWhite && fromQRgb(image.pixel(6, 3)) == 12172744;
}

QString hoverToolTip(Swatch* s) {
    test::moveOver(s, QPoint(5, 5));
    return s->toolTip();
}

} // namespace

class SwatchGridTest : public QObject {
    Q_OBJECT
private slots:
    void geometryIsSixteenBySixteenRowMajor() {
        Fixture f;
        auto at = [&](int i) { return f.grid->swatch(i)->mapTo(&f.container, QPoint(0, 0)); };
        QCOMPARE(at(1), QPoint(6, 6));
        QCOMPARE(at(17), QPoint(6, 27));                     // directly under swatch 1
        QCOMPARE(at(256), QPoint(6 + 15 * 21, 6 + 15 * 21)); // bottom right
        QVERIFY(f.grid->swatch(0) == nullptr && f.grid->swatch(257) == nullptr);
    }

    void clicksOnEmptyAndFilledSwatches() {
        Fixture f;
        // Empty: left stores the current colour, any other button the last colour.
        QTest::mousePress(f.grid->swatch(5), Qt::LeftButton);
        QTest::mousePress(f.grid->swatch(6), Qt::RightButton);
        QTest::mousePress(f.grid->swatch(7), Qt::MiddleButton);
        QCOMPARE(f.color(5), std::optional(kCurrent));
        QCOMPARE(f.color(6), std::optional(kLast));
        QCOMPARE(f.color(7), std::optional(kLast));
        QCOMPARE(f.selection.current(), kCurrent);

        // Filled: left shows the colour, the swatch stays; another button empties it.
        f.grid->setColor(8, 0x00AA00);
        QTest::mousePress(f.grid->swatch(8), Qt::LeftButton);
        QCOMPARE(f.selection.current(), 0x00AA00);
        QCOMPARE(f.selection.previous(), kCurrent);
        QTest::mousePress(f.grid->swatch(8), Qt::RightButton);
        QVERIFY(!f.color(8));
        QCOMPARE(f.selection.current(), 0x00AA00);
    }

    void dropsAColourFromAnywhereAndNothingElse() {
        Fixture f;
        std::unique_ptr<QMimeData> strip(makeColorDrag(0x0000FF, DragSource::NamedColorStrip));
        QCOMPARE(strip->text(), QStringLiteral("#FF0000")); // for programs that take text
        QVERIFY(dropOn(f.grid->swatch(1), strip.get()));
        QCOMPARE(f.color(1), std::optional<ColorValue>(0x0000FF));
        f.grid->setColor(2, kWhite);
        std::unique_ptr<QMimeData> grid(makeColorDrag(0x00FF00, DragSource::ColorGrid));
        QVERIFY(dropOn(f.grid->swatch(2), grid.get())); // over a colour
        QCOMPARE(f.color(2), std::optional<ColorValue>(0x00FF00));

        // Another program's colour, or its text in a notation we write, or a colour name.
        QMimeData foreign;
        foreign.setColorData(QColor(Qt::red));
        QVERIFY(dropOn(f.grid->swatch(3), &foreign));
        QCOMPARE(f.color(3), std::optional<ColorValue>(rgb(255, 0, 0)));
        const std::pair<const char*, ColorValue> texts[] = {
            {"hsl(180 80% 19.6%)", rgb(10, 90, 90)},
            {" #0AF\n", rgb(0, 170, 255)},
            {"cornflower blue", rgb(100, 149, 237)}};
        for (const auto& [text, color] : texts) {
            QMimeData words;
            words.setText(QString::fromUtf8(text));
            QVERIFY2(dropOn(f.grid->swatch(4), &words), text);
            QCOMPARE(f.color(4), std::optional<ColorValue>(color));
        }

        // Text that is not exactly one colour, a colour of the wrong size (0, 1, 100 bytes)
        // even with good text beside it, and a file: refused, not stored as black.
        f.grid->emptySwatches(4);
        for (const char* text : {"hello", "rgb(300 0 0)", "#0a5a5a and more", ""}) {
            QMimeData words;
            words.setText(QString::fromUtf8(text));
            QVERIFY2(!dropOn(f.grid->swatch(4), &words), text);
        }
        for (const QByteArray& color : {QByteArray(), QByteArray(1, '\1'), QByteArray(100, 'x')}) {
            QMimeData malformed;
            malformed.setData(QStringLiteral("application/x-color"), color);
            malformed.setText(QStringLiteral("#123456"));
            QVERIFY(!dropOn(f.grid->swatch(4), &malformed));
        }
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/red.png"))});
        QVERIFY(!dropOn(f.grid->swatch(4), &file));
        QVERIFY(f.grid->isEmpty(4));
    }

    void emptySwatchesShowTheMaskChosenAtThatMoment() {
        Fixture f;
        for (int i = 1; i <= 256; ++i) {
            f.grid->setColor(i, i);
        }
        f.grid->emptySwatches(100);
        QVERIFY(f.grid->isEmpty(100) && !f.grid->isEmpty(99));
        // Tool tips name the colour, and nothing for an empty swatch.
        QCOMPARE(hoverToolTip(f.grid->swatch(99)), QStringLiteral("#630000"));
        QCOMPARE(hoverToolTip(f.grid->swatch(100)), QString());
        f.grid->setColor(1, kWhite);
        f.grid->setColor(2, 12172744);
        for (int mask = 1; mask <= kMaskCount; ++mask) {
            f.grid->setMask(SwatchMask(mask));
            f.grid->emptySwatches(10 + mask);
            QCOMPARE(f.grid->swatch(10 + mask)->picture(), maskPicture(SwatchMask(mask)));
        }
        // The empty state agrees with what the swatch shows.
        for (int i : {1, 2, 4, 11, 12, 13, 14, 15}) {
            QCOMPARE(probesEmpty(f.grid->swatch(i)), f.grid->isEmpty(i));
        }
        f.grid->emptySwatches(0);
        QCOMPARE(f.grid->palette(), Palette());
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
        QCOMPARE(f.color(2), std::optional<ColorValue>(0x777777));
        QVERIFY(f.grid->isEmpty(3));
    }
};

QTEST_MAIN(SwatchGridTest)
#include "SwatchGridTest.moc"
