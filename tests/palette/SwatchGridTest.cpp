// The palette grid as a user meets it: the mouse on its cells, the keyboard alone, drops from
// this program and others, and a screen reader's view of its cells. The palette model it
// paints is checked for its one-signal-per-swatch contract.

#include "palette/SwatchGrid.h"
#include "color/ColorSelection.h"
#include "palette/MaskPictures.h"
#include "palette/PaletteModel.h"
#include "support/PointerEvents.h"
#include "widgets/DragColor.h"
#include "widgets/QtColor.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>
#include <memory>
#include <utility>

using namespace sv;
using sv::test::dropOn;

namespace {

constexpr ColorValue kCurrent = 0x123456;
constexpr ColorValue kLast = 0x654321;

// A container like the main window's palette panel with the grid in it, wired as the main
// window wires it: a picked colour becomes current.
struct Fixture {
    QWidget container;
    QLineEdit before{&container}; // a Tab stop before the grid, as the main window has
    PaletteModel model;
    ColorSelection selection;
    SwatchGrid* grid = nullptr;

    Fixture() {
        container.resize(348, 348);
        before.setGeometry(0, 0, 1, 1);
        selection.reset(kLast);
        selection.setCurrent(kCurrent);
        grid = new SwatchGrid(&container, model, selection);
        QObject::connect(grid, &SwatchGrid::colorPicked, &selection,
                         [this](ColorValue c) { selection.setCurrent(c); });
        container.show();
    }
    std::optional<ColorValue> color(int i) const { return model.color(i); }
    QPoint centre(int i) const { return grid->cellRect(i).center(); }
    void press(int i, Qt::MouseButton button) { QTest::mousePress(grid, button, {}, centre(i)); }
    QImage cellImage(int i) const { return grid->grab(grid->cellRect(i)).toImage(); }
};

} // namespace

class SwatchGridTest : public QObject {
    Q_OBJECT
private slots:
    void geometryIsSixteenBySixteenRowMajor() {
        Fixture f;
        auto at = [&](int i) { return f.grid->mapTo(&f.container, f.grid->cellRect(i).topLeft()); };
        QCOMPARE(at(1), QPoint(6, 6));
        QCOMPARE(at(17), QPoint(6, 27));                     // directly under swatch 1
        QCOMPARE(at(256), QPoint(6 + 15 * 21, 6 + 15 * 21)); // bottom right
        QCOMPARE(f.grid->cellRect(256).size(), QSize(21, 21));
        QVERIFY(f.grid->cellRect(0).isNull() && f.grid->cellRect(257).isNull());
        QCOMPARE(f.grid->indexAt(QPoint(20, 20)), 1);
        QCOMPARE(f.grid->indexAt(QPoint(21, 0)), 2);
        QCOMPARE(f.grid->indexAt(QPoint(-1, 0)), 0);
        QCOMPARE(f.grid->indexAt(QPoint(0, 336)), 0);
    }

    void clicksOnEmptyAndFilledSwatches() {
        Fixture f;
        // Empty: left stores the current colour, any other button the last colour.
        f.press(5, Qt::LeftButton);
        f.press(6, Qt::RightButton);
        f.press(7, Qt::MiddleButton);
        QCOMPARE(f.color(5), std::optional(kCurrent));
        QCOMPARE(f.color(6), std::optional(kLast));
        QCOMPARE(f.color(7), std::optional(kLast));
        QCOMPARE(f.selection.current(), kCurrent);

        // Filled: left shows the colour, the swatch stays; another button empties it.
        f.model.setColor(8, 0x00AA00);
        f.press(8, Qt::LeftButton);
        QCOMPARE(f.selection.current(), 0x00AA00);
        QCOMPARE(f.selection.previous(), kCurrent);
        f.press(8, Qt::RightButton);
        QVERIFY(!f.color(8));
        QCOMPARE(f.selection.current(), 0x00AA00);
        QCOMPARE(f.grid->focusCell(), 8); // a click moves the keyboard's cell too
    }

    void theKeyboardAloneStoresRecallsAndEmpties() {
        Fixture f;
        QApplication::setActiveWindow(&f.container);
        f.before.setFocus();
        QTest::keyClick(&f.before, Qt::Key_Tab);
        QVERIFY(f.grid->hasFocus());
        QCOMPARE(f.grid->focusCell(), 1);

        // Moving: Right runs on into the next row, Up/Down by rows, Home/End within the row.
        auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(f.grid, k, m); };
        key(Qt::Key_End);
        QCOMPARE(f.grid->focusCell(), 16);
        key(Qt::Key_Right);
        QCOMPARE(f.grid->focusCell(), 17);
        key(Qt::Key_Left);
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        QCOMPARE(f.grid->focusCell(), 48);
        key(Qt::Key_Home);
        QCOMPARE(f.grid->focusCell(), 33);
        key(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.grid->focusCell(), 256);
        key(Qt::Key_Down);
        key(Qt::Key_Right);
        QCOMPARE(f.grid->focusCell(), 256); // nothing past the last swatch
        key(Qt::Key_Home, Qt::ControlModifier);
        key(Qt::Key_Up);
        QCOMPARE(f.grid->focusCell(), 1);

        // Space stores the current colour; Shift+Enter on the next the last colour.
        key(Qt::Key_Space);
        QCOMPARE(f.color(1), std::optional(kCurrent));
        key(Qt::Key_Right);
        key(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(f.color(2), std::optional(kLast));
        // Enter on a filled swatch recalls it; Delete or Shift+Space empties one.
        key(Qt::Key_Left);
        f.selection.setCurrent(0x00FF00);
        key(Qt::Key_Enter);
        QCOMPARE(f.selection.current(), kCurrent);
        key(Qt::Key_Delete);
        QVERIFY(f.model.isEmpty(1));
        key(Qt::Key_Right);
        key(Qt::Key_Space, Qt::ShiftModifier);
        QVERIFY(f.model.isEmpty(2));

        // The focus cell is framed black and white, and only while the grid has the focus.
        f.model.setColor(2, kBlack);
        QCOMPARE(QColor(f.cellImage(2).pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(f.cellImage(2).pixel(1, 1)), QColor(Qt::white));
        f.before.setFocus();
        QCOMPARE(QColor(f.cellImage(2).pixel(1, 1)), QColor(Qt::black));
    }

    void dropsAColourFromAnywhereAndNothingElse() {
        Fixture f;
        std::unique_ptr<QMimeData> strip(makeColorDrag(0x0000FF, DragSource::NamedColorStrip));
        QCOMPARE(strip->text(), QStringLiteral("#FF0000")); // for programs that take text
        QVERIFY(dropOn(f.grid, strip.get(), f.centre(1)));
        QCOMPARE(f.color(1), std::optional<ColorValue>(0x0000FF));
        f.model.setColor(2, kWhite);
        std::unique_ptr<QMimeData> grid(makeColorDrag(0x00FF00, DragSource::ColorGrid));
        QVERIFY(dropOn(f.grid, grid.get(), f.centre(2))); // over a colour
        QCOMPARE(f.color(2), std::optional<ColorValue>(0x00FF00));

        // Another program's colour, or its text in a notation we write, or a colour name.
        QMimeData foreign;
        foreign.setColorData(QColor(Qt::red));
        QVERIFY(dropOn(f.grid, &foreign, f.centre(3)));
        QCOMPARE(f.color(3), std::optional<ColorValue>(rgb(255, 0, 0)));
        const std::pair<const char*, ColorValue> texts[] = {
            {"hsl(180 80% 19.6%)", rgb(10, 90, 90)},
            {" #0AF\n", rgb(0, 170, 255)},
            {"cornflower blue", rgb(100, 149, 237)}};
        for (const auto& [text, color] : texts) {
            QMimeData words;
            words.setText(QString::fromUtf8(text));
            QVERIFY2(dropOn(f.grid, &words, f.centre(4)), text);
            QCOMPARE(f.color(4), std::optional<ColorValue>(color));
        }

        // Text that is not exactly one colour, a colour of the wrong size (0, 1, 100 bytes)
        // even with good text beside it, and a file: refused, not stored as black.
        f.model.emptySwatch(4);
        for (const char* text : {"hello", "rgb(300 0 0)", "#0a5a5a and more", ""}) {
            QMimeData words;
            words.setText(QString::fromUtf8(text));
            QVERIFY2(!dropOn(f.grid, &words, f.centre(4)), text);
        }
        for (const QByteArray& color : {QByteArray(), QByteArray(1, '\1'), QByteArray(100, 'x')}) {
            QMimeData malformed;
            malformed.setData(QStringLiteral("application/x-color"), color);
            malformed.setText(QStringLiteral("#123456"));
            QVERIFY(!dropOn(f.grid, &malformed, f.centre(4)));
        }
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/red.png"))});
        QVERIFY(!dropOn(f.grid, &file, f.centre(4)));
        QVERIFY(f.model.isEmpty(4));
    }

    void emptySwatchesShowTheMaskChosenAtThatMoment() {
        Fixture f;
        for (int i = 1; i <= 256; ++i) {
            f.model.setColor(i, i);
        }
        f.model.emptySwatch(100);
        QVERIFY(f.model.isEmpty(100) && !f.model.isEmpty(99));
        // Tool tips name the colour, and nothing for an empty swatch.
        test::moveOver(f.grid, f.centre(99));
        QCOMPARE(f.grid->toolTip(), QStringLiteral("#630000"));
        test::moveOver(f.grid, f.centre(100));
        QCOMPARE(f.grid->toolTip(), QString());
        f.model.setColor(1, kWhite);
        f.model.setColor(2, 12172744);
        for (int mask = 1; mask <= kMaskCount; ++mask) {
            f.grid->setMask(SwatchMask(mask));
            f.model.emptySwatch(10 + mask);
            QCOMPARE(f.grid->cellPicture(10 + mask), maskPicture(SwatchMask(mask)));
        }
        QCOMPARE(f.grid->cellPicture(11), maskPicture(SwatchMask::Mask1)); // kept its own
        // Emptied again, an empty swatch takes the mask of now.
        f.model.emptySwatch(11);
        QCOMPARE(f.grid->cellPicture(11), maskPicture(SwatchMask::Mask5));
        f.model.emptyAll();
        QCOMPARE(f.model.palette(), Palette());
    }

    void theModelSignalsOncePerSwatchThatChanged() {
        PaletteModel model;
        QSignalSpy changed(&model, &PaletteModel::swatchChanged);
        Palette p;
        p.setColor(1, 0x010203);
        p.setColor(256, kWhite);
        model.setPalette(p); // 2 filled; 254 emptied (again)
        QCOMPARE(model.palette(), p);
        QCOMPARE(changed.size(), 256);
        changed.clear();
        model.setColor(1, 0x010203); // the colour it held
        model.setColor(0, kBlack);   // no such swatch
        QCOMPARE(changed.size(), 0);

        std::bitset<Palette::kSize> only;
        only.set(1); // swatch 2
        Palette q;
        q.setColor(2, 0x777777);
        q.setColor(3, 0x888888);
        model.applyPalette(q, only);
        QCOMPARE(model.color(2), std::optional<ColorValue>(0x777777));
        QVERIFY(model.isEmpty(3));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.front().front().toInt(), 2);
    }

    void screenReadersSeeATableOfNamedCellsTheyCanPress() {
        Fixture f;
        f.model.setColor(17, rgb(10, 90, 90));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(f.grid);
        QVERIFY(table != nullptr && table->tableInterface() != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->childCount(), 256);
        QCOMPARE(table->tableInterface()->rowCount(), 16);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 0);
        QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Swatch 17"));
        QCOMPARE(cell->text(QAccessible::Description), QStringLiteral("#0A5A5A"));
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(table->indexOfChild(cell), 16);
        QVERIFY(cell->state().focusable && !cell->state().focused);
        QCOMPARE(cell->rect(), QRect(f.grid->mapToGlobal(QPoint(0, 21)), QSize(21, 21)));
        QAccessibleInterface* empty = table->child(4);
        QCOMPARE(empty->text(QAccessible::Description), QStringLiteral("empty"));

        // Pressing is a left click: an empty swatch stores the current colour.
        empty->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.color(5), std::optional(kCurrent));
        QCOMPARE(empty->text(QAccessible::Description), QStringLiteral("#563412"));
        // The focused cell is the keyboard's.
        QApplication::setActiveWindow(&f.container);
        f.grid->setFocus();
        QVERIFY(empty->state().focused);
        QCOMPARE(table->focusChild(), empty);
        f.grid->setFocusCell(17);
        QVERIFY(cell->state().focused && !empty->state().focused);
    }
};

QTEST_MAIN(SwatchGridTest)
#include "SwatchGridTest.moc"
