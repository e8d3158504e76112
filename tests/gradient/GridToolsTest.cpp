// The gradient generator and the colour grid, driven from the main window's buttons and
// writing into (or reading from) its palette.

#include "app/MainWindowFixture.h"

#include "app/CommandButtons.h"
#include "app/ToolWindows.h"
#include "controls/Slider.h"
#include "gradient/ColorGridView.h"
#include "gradient/ColorGridWindow.h"
#include "gradient/GradientGeneratorWindow.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"
#include "support/ModalDialogs.h"
#include "support/PointerEvents.h"
#include "widgets/Artwork.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace sv;
using namespace sv::test;

namespace {

QPoint centre(const ColorGridView* view, int cell) {
    return view->cellRect(cell).center();
}

} // namespace

class GridToolsTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void sliderReleaseWritesFieldAndPreviewTypingOnlyTheNextGradient() {
        GradientGeneratorWindow* gen = openGenerator();
        Slider* green = gen->slider(GradientEnd::Start, Channel::Green);
        // Vertical: the top of the track is 255.
        QTest::mousePress(green, Qt::LeftButton, {}, QPoint(green->width() / 2, 2));
        QTest::mouseRelease(green, Qt::LeftButton, {}, QPoint(green->width() / 2, 2));
        QCOMPARE(gen->field(GradientEnd::Start, Channel::Green)->text(), QStringLiteral("255"));
        QCOMPARE(gen->preview(GradientEnd::Start)->backColor(), rgb(255, 255, 0));

        QLineEdit* endRed = gen->field(GradientEnd::End, Channel::Red);
        endRed->selectAll();
        QTest::keyClicks(endRed, QStringLiteral("200"));
        QCOMPARE(gen->slider(GradientEnd::End, Channel::Red)->value(), 0);
        QCOMPARE(gen->preview(GradientEnd::End)->backColor(), rgb(0, 0, 255));

        gen->target()->setCurrentIndex(2);
        QTest::mouseClick(gen->createButton(), Qt::LeftButton);
        const PaletteModel* palette = f_->window->paletteModel();
        QVERIFY(palette->isEmpty(16));
        QCOMPARE(palette->color(17), rgb(255, 255, 0));
        QCOMPARE(palette->color(32), rgb(200, 0, 255));
        QVERIFY(palette->isEmpty(33));
    }

    void aBadFieldIsNamedAndNothingIsWritten() {
        GradientGeneratorWindow* gen = openGenerator();
        test::MessageBoxCatcher boxes;
        for (const QString& bad :
             {QStringLiteral("abc"), QStringLiteral("40000"), QString(), QStringLiteral("1 2")}) {
            gen->field(GradientEnd::End, Channel::Blue)->setText(bad);
            QTest::mouseClick(gen->createButton(), Qt::LeftButton);
        }
        QCOMPARE(boxes.messages().size(), 4);
        QCOMPARE(boxes.messages().front(),
                 QStringLiteral("End Color Blue must hold a number from -32768 to 32767."));
        QVERIFY(f_->window->paletteModel()->isEmpty(1));

        gen->field(GradientEnd::End, Channel::Blue)->setText(QStringLiteral(" 255 "));
        QTest::mouseClick(gen->createButton(), Qt::LeftButton);
        QCOMPARE(f_->window->paletteModel()->color(129), rgb(127, 0, 128));
    }

    // Whatever number a field takes is shown whole: the text does not scroll out of sight at
    // either end, and the fields stay inside the window.
    void everyNumberTheFieldsTakeIsShownWhole() {
        GradientGeneratorWindow* gen = openGenerator();
        for (const GradientEnd end : {GradientEnd::Start, GradientEnd::End}) {
            for (const Channel c : {Channel::Red, Channel::Green, Channel::Blue}) {
                QLineEdit* field = gen->field(end, c);
                QVERIFY(gen->rect().contains(field->geometry()));
                for (const QString& n :
                     {QStringLiteral("-32768"), QStringLiteral("32767"), QStringLiteral("1000")}) {
                    field->setText(n);
                    // Where the cursor stands; a text wider than the field scrolls to
                    // keep it in sight, and then the two ends lie closer than the text's
                    // width.
                    auto cursorAt = [&](int position) {
                        field->setCursorPosition(position);
                        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
                    };
                    const int first = cursorAt(0);
                    const int last = cursorAt(int(n.size()));
                    QVERIFY2(first > 0 && last < field->width(), qPrintable(n));
                    QCOMPARE(last - first, field->fontMetrics().horizontalAdvance(n));
                }
            }
        }
    }

    void cellsFollowThePaletteAndKeepTheirColourWhenSwapped() {
        f_->window->paletteModel()->setColor(5, rgb(5, 5, 5));
        f_->window->paletteModel()->setColor(9, rgb(9, 9, 9));
        ColorGridWindow* grid = openGrid();
        ColorGridView* view = grid->view();
        QVERIFY(grid->isMaximized());
        QCOMPARE(view->cellAt(centre(view, 5)), 5);

        const QRect five = view->cellRect(5);
        const QRect nine = view->cellRect(9);
        QVERIFY(dropOn(view, view->makeCellDrag(5), nine.center()));
        QCOMPARE(view->cellRect(5), nine);
        QCOMPARE(view->cellRect(9), five);

        // The grid button on the open window recolours without moving.
        f_->window->paletteModel()->setColor(5, rgb(50, 50, 50));
        QTest::mouseClick(f_->window->commands().colorGrid, Qt::LeftButton);
        QCOMPARE(f_->window->toolWindows()->colorGrid(), grid);
        QCOMPARE(view->cellRect(5), nine);
        const QImage shown = view->grab().toImage();
        QCOMPARE(QColor(shown.pixel(nine.center())), QColor(50, 50, 50));

        // A new layout puts every cell back in its place.
        grid->showNormal();
        grid->resize(700, 500);
        QCOMPARE(view->cellAt(centre(view, 5)), 5);
        QVERIFY(view->cellRect(5).left() < view->cellRect(9).left());
    }

    void theKeyboardMovesSwapsAndAsksForTheStyleMenu() {
        f_->window->paletteModel()->setColor(18, rgb(18, 0, 0));
        ColorGridWindow* grid = openGrid();
        ColorGridView* view = grid->view();
        QTRY_VERIFY(view->hasFocus()); // the window opened with the keyboard on its cells
        QCOMPARE(view->focusCell(), 1);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->focusCell(), 18);
        QCOMPARE(QColor(view->grab().toImage().pixel(view->cellRect(18).topLeft())),
                 QColor(Qt::black)); // framed

        // Ctrl+Right carries cell 18 one place on: it swaps with 19 and stays the focus.
        const QRect eighteen = view->cellRect(18);
        const QRect nineteen = view->cellRect(19);
        QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(view->cellRect(18), nineteen);
        QCOMPARE(view->cellRect(19), eighteen);
        QCOMPARE(view->focusCell(), 18);
        // Screen readers see the cells as they lie: place 18 now holds cell 19.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
        QVERIFY(table != nullptr && table->tableInterface() != nullptr);
        QCOMPARE(table->childCount(), 256);
        QCOMPARE(table->child(17)->text(QAccessible::Name), QStringLiteral("Cell 19"));
        QCOMPARE(table->child(18)->text(QAccessible::Name), QStringLiteral("Cell 18"));
        QCOMPARE(table->child(18)->text(QAccessible::Description), QStringLiteral("#120000"));
        QVERIFY(table->child(18)->state().focused);
        // Moving on walks the places as they lie now: Left finds cell 19 where 18 was.
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(view->focusCell(), 19);
        QTest::keyClick(view, Qt::Key_Right);

        // Shift+F10 (or the Menu key) opens the style menu for the focus cell's colour.
        QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(grid->styleMenu()->isVisible());
        grid->styleMenu()->actions().at(0)->trigger();
        grid->styleMenu()->close();
        QVERIFY(grid->cssField()->styleText().contains(QStringLiteral("#120000")));
        QTest::keyClick(view, Qt::Key_Menu);
        QVERIFY(grid->styleMenu()->isVisible());
        grid->styleMenu()->close();

        // Tab leaves the style-sheet text as it is and moves on.
        const QString css = grid->cssField()->styleText();
        grid->cssField()->setFocus();
        QVERIFY(grid->cssField()->hasFocus());
        QTest::keyClick(grid->cssField(), Qt::Key_Tab);
        QCOMPARE(grid->cssField()->styleText(), css);
        QVERIFY(!grid->cssField()->hasFocus());
    }

    void aCellDroppedOnTheMainPaletteStoresItsColour() {
        f_->window->paletteModel()->setColor(3, rgb(30, 60, 90));
        ColorGridView* view = openGrid()->view();
        QVERIFY(dropOn(f_->window->swatchGrid(), view->makeCellDrag(3),
                       f_->window->swatchGrid()->cellRect(200).center()));
        QCOMPARE(f_->window->paletteModel()->color(200), rgb(30, 60, 90));
    }

    void rightClickWritesStyleBlocksForTheColourUnderThePointer() {
        f_->window->paletteModel()->setColor(1, rgb(255, 0, 0));
        f_->window->paletteModel()->setColor(2, rgb(0, 128, 0));
        ColorGridWindow* grid = openGrid();
        ColorGridView* view = grid->view();
        moveOver(view, centre(view, 1));
        QTest::mouseClick(view, Qt::RightButton, {}, centre(view, 1));
        QVERIFY(grid->styleMenu()->isVisible());
        QAction* body = grid->styleMenu()->actions().at(0);
        QCOMPARE(body->text(), QStringLiteral("New Style - Body"));
        body->trigger();
        QVERIFY(grid->cssPanel()->isVisible());
        const QString first = QStringLiteral(
            "<style type=\"text/css\">\r\n<!--\r\nbody {background-color: #FF0000}\r\n-->\r\n"
            "</style>");
        QCOMPARE(grid->cssField()->styleText(), first);

        moveOver(view, centre(view, 2));
        grid->styleMenu()->actions().at(3)->trigger();
        grid->styleMenu()->actions().at(3)->trigger();
        const QString text = grid->cssField()->styleText();
        QVERIFY(text.startsWith(first + QStringLiteral("\r\n<!-- ---")));
        QVERIFY(text.contains(QStringLiteral(".Column2{")));
        QVERIFY(text.endsWith(QStringLiteral("background-color: #008000}\r\n-->\r\n</style>")));
        QCOMPARE(qsizetype(grid->cssField()->styleLength()), text.size());

        // Closing the panel empties it but keeps counting; the next block has no separator.
        QTest::mouseClick(grid->cssCloseButton(), Qt::LeftButton);
        QVERIFY(!grid->cssPanel()->isVisible());
        grid->appendStyle(StyleRule::Column);
        QVERIFY(grid->cssField()->styleText().startsWith(QStringLiteral("<style")));
        QVERIFY(grid->cssField()->styleText().contains(QStringLiteral(".Column3{")));

        // Copying hands out the text as written.
        grid->cssField()->selectAll();
        grid->cssField()->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), grid->cssField()->styleText());
    }

    // In a small window the style panel shrinks to stay inside it, its close button within
    // reach; its handle shows the move cursor to the pointer over it.
    void theStylePanelStaysInsideASmallWindow() {
        ColorGridWindow* grid = openGrid();
        grid->appendStyle(StyleRule::Body);
        for (const QSize size : {QSize(260, 180), QSize(120, 90), QSize(900, 700)}) {
            grid->resize(size);
            QTRY_COMPARE(grid->size(), size);
            grid->appendStyle(StyleRule::Body);
            const QRect panel = grid->cssPanel()->geometry();
            QVERIFY2(grid->rect().contains(panel),
                     qPrintable(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
            const QRect close(grid->cssCloseButton()->mapTo(grid, QPoint(0, 0)),
                              grid->cssCloseButton()->size());
            QVERIFY(grid->rect().contains(close));
        }
        QWidget* handle = grid->cssHandle();
        QCOMPARE(grid->childAt(handle->mapTo(grid, handle->rect().center())), handle);
        QCOMPARE(handle->cursor().shape(), appCursor(AppCursor::Crosshair).shape());
    }

    void closingTheMainWindowTakesTheToolsWithIt() {
        QPointer<GradientGeneratorWindow> gen = openGenerator();
        QPointer<ColorGridWindow> grid = openGrid();
        f_.reset();
        QVERIFY(gen.isNull());
        QVERIFY(grid.isNull());
    }

private:
    GradientGeneratorWindow* openGenerator() {
        QTest::mouseClick(f_->window->commands().gradientGenerator, Qt::LeftButton);
        return f_->window->toolWindows()->gradientGenerator();
    }
    ColorGridWindow* openGrid() {
        QTest::mouseClick(f_->window->commands().colorGrid, Qt::LeftButton);
        ColorGridWindow* grid = f_->window->toolWindows()->colorGrid();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(grid)); }();
        return grid;
    }
};

QTEST_MAIN(GridToolsTest)
#include "GridToolsTest.moc"
