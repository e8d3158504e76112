// The main window as a whole: one colour owner behind every source and view, sampling, the
// title bar, the readout, copying and the window's one size.

#include "MainWindowFixture.h"

#include "app/PointerReadout.h"
#include "app/ScreenSampler.h"
#include "app/TitleBar.h"
#include "app/ToolWindows.h"
#include "controls/Slider.h"
#include "gradient/GradientStrip.h"
#include "gradient/GradientStrips.h"
#include "palette/NamedStrip.h"
#include "palette/NamesPanel.h"
#include "palette/PaletteModel.h"
#include "palette/SwatchGrid.h"
#include "support/ModalDialogs.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace sv;
using namespace sv::test;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class MainWindowTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void everyViewFollowsTheShownColour() {
        // Before anything is shown the window is white, "Last color" too.
        QCOMPARE(f_->selection().previous(), kWhite);
        f_->selection().setCurrent(rgb(18, 52, 86));
        const Notations expected = makeNotations(rgb(18, 52, 86));
        for (int k = 0; k < kNotationCount; ++k) {
            const auto n = static_cast<Notation>(k);
            QCOMPARE(f_->notation(n), QString::fromStdString(notationText(expected, n)));
        }
        QCOMPARE(f_->field(Channel::Green)->text(), QStringLiteral("52"));
        QCOMPARE(f_->window->editor()->slider(Channel::Blue)->value(), 86);
        QCOMPARE(f_->window->currentSwatch()->backColor(), rgb(18, 52, 86));
        QCOMPARE(f_->window->previousSwatch()->backColor(), kWhite);

        f_->selection().setCurrent(rgb(255, 0, 0));
        QCOMPARE(f_->window->previousSwatch()->backColor(), rgb(18, 52, 86));
        // The same colour again keeps "Last color".
        f_->selection().setCurrent(rgb(255, 0, 0));
        QCOMPARE(f_->selection().previous(), rgb(18, 52, 86));
    }

    void stripsRunFromTheCurrentToTheLastColourShown() {
        // At start-up both colours are swatch 1 of the built-in palette: a flat strip.
        f_->window->loadStartPalette();
        QCOMPARE(f_->selection().current(), kWhite);
        QCOMPARE(f_->selection().previous(), kWhite);
        GradientStrips* strips = f_->window->gradientStrips();
        for (ColorValue c : strips->blendStrip()->columns()) {
            QCOMPARE(c, kWhite);
        }
        QCOMPARE(strips->spectrumStrip()->columns().front(), kWhite);

        // Enter after typing: "Last color" and the strips' end take the colour shown before.
        f_->selection().setCurrent(rgb(255, 0, 0));
        f_->selection().setCurrent(rgb(0, 255, 0));
        QLineEdit* red = f_->field(Channel::Red);
        red->setFocus();
        red->selectAll();
        QTest::keyClicks(red, QStringLiteral("9"));
        QCOMPARE(strips->blendStrip()->columns().back(), rgb(255, 0, 0));
        QTest::keyClick(red, Qt::Key_Return);
        QCOMPARE(f_->selection().previous(), rgb(0, 255, 0));
        QCOMPARE(strips->blendStrip()->columns().front(), rgb(9, 255, 0));
        QCOMPARE(strips->blendStrip()->columns().back(), rgb(0, 255, 0));
        QCOMPARE(strips->spectrumStrip()->columns().front(), rgb(0, 255, 0));
    }

    // A screen reader reads the colours as images described by their colour, and the strips as
    // sliders whose value is the keyboard's place.
    void screenReadersReadTheColoursAndTheStrips() {
        f_->selection().reset(kWhite);
        f_->selection().setCurrent(rgb(10, 90, 90));
        QAccessibleInterface* current =
            QAccessible::queryAccessibleInterface(f_->window->currentSwatch());
        QCOMPARE(current->role(), QAccessible::Graphic);
        QCOMPARE(current->text(QAccessible::Name), QStringLiteral("Actual color"));
        QCOMPARE(current->text(QAccessible::Description), QStringLiteral("#0A5A5A"));
        QAccessibleInterface* last =
            QAccessible::queryAccessibleInterface(f_->window->previousSwatch());
        QCOMPARE(last->text(QAccessible::Name), QStringLiteral("Last color"));
        QCOMPARE(last->text(QAccessible::Description), QStringLiteral("#FFFFFF"));

        GradientStrip* blend = f_->window->gradientStrips()->blendStrip();
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(blend);
        QCOMPARE(strip->role(), QAccessible::Slider);
        QVERIFY(!strip->text(QAccessible::Name).isEmpty());
        QAccessibleValueInterface* value = strip->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->currentValue().toInt(), 0);
        QCOMPARE(strip->text(QAccessible::Description), QStringLiteral("#0A5A5A"));
        blend->setFocus();
        QTest::keyClick(blend, Qt::Key_End);
        QCOMPARE(value->currentValue().toInt(), value->maximumValue().toInt());
        QCOMPARE(strip->text(QAccessible::Description),
                 colorText(*blend->colorAt(QPoint(blend->focusColumn(), 1))));
        QVERIFY(strip->text(QAccessible::Description) != QStringLiteral("#0A5A5A"));

        NamedStrip* names = f_->window->namesPanel()->strip();
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(names);
        QCOMPARE(named->role(), QAccessible::Slider);
        QCOMPARE(named->valueInterface()->maximumValue().toInt(), 255);
    }

    void everyColourSourceShowsThroughTheOneOwnerOnce() {
        QSignalSpy changed(&f_->selection(), &ColorSelection::changed);
        QSignalSpy edited(&f_->selection(), &ColorSelection::currentEdited);
        auto expect = [&](const char* action, int shows, int edits, ColorValue previous) {
            QVERIFY2(changed.count() == shows, action);
            QVERIFY2(edited.count() == edits, action);
            QVERIFY2(f_->selection().previous() == previous, action);
            changed.clear();
            edited.clear();
        };
        f_->selection().setCurrent(rgb(1, 1, 1));
        expect("a call", 1, 0, kWhite);

        SwatchGrid* grid = f_->window->swatchGrid();
        f_->window->paletteModel()->setColor(5, rgb(5, 5, 5));
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(5).center());
        expect("a palette swatch", 1, 0, rgb(1, 1, 1));

        QTest::mouseClick(f_->window->previousSwatch(), Qt::LeftButton);
        expect("the last colour", 1, 0, rgb(5, 5, 5));
        QCOMPARE(f_->selection().current(), rgb(1, 1, 1));

        QLineEdit* green = f_->field(Channel::Green);
        green->setFocus();
        QTest::keyClick(green, Qt::Key_Up);
        expect("a step", 0, 1, rgb(5, 5, 5));
        QTest::keyClick(green, Qt::Key_Enter);
        expect("Enter", 1, 0, rgb(1, 1, 1));

        GradientStrips* strips = f_->window->gradientStrips();
        QTest::mouseClick(strips->blendStrip(), Qt::LeftButton, {}, QPoint(200, 5));
        expect("the blend strip", 0, 1, rgb(1, 1, 1));
        QTest::mouseClick(strips->spectrumStrip(), Qt::LeftButton, {}, QPoint(2, 5));
        expect("the spectrum strip", 1, 0, rgb(1, 2, 1));

        f_->window->namesPanel()->fillNames();
        f_->window->namesPanel()->open({0, 0});
        NamedStrip* names = f_->window->namesPanel()->strip();
        const ColorValue beforeName = f_->selection().current();
        QTest::mouseClick(names, Qt::LeftButton, {}, names->cellRect(1).center());
        expect("a named colour", 1, 0, beforeName);
        QCOMPARE(f_->selection().current(), rgb(255, 255, 0));

        answerNextColorDialog(QColor(0, 0, 255));
        QTest::mouseClick(f_->window->commands().systemColor, Qt::LeftButton);
        expect("the colour dialog", 1, 0, rgb(255, 255, 0));

        f_->screen.fill(QRect(0, 0, 10, 10), rgb(7, 7, 7));
        f_->screen.pos = QPoint(3, 3);
        f_->window->sampler()->start();
        f_->window->sampler()->tick();
        f_->window->sampler()->tick(); // the pointer rests: nothing
        f_->window->sampler()->stop();
        expect("a pick", 1, 0, rgb(0, 0, 255));
    }

    void aPickShowsThePixelFromItsFirstTickAndWhileThePointerRests() {
        ScreenSampler* sampler = f_->window->sampler();
        f_->screen.fill(QRect(0, 0, 10, 10), rgb(255, 0, 0));
        f_->screen.pos = QPoint(3, 3);
        sampler->start();
        sampler->tick();
        sampler->stop();
        QCOMPARE(f_->selection().current(), rgb(255, 0, 0));
        // Another colour is chosen; the next pick starts where the last one ended.
        f_->selection().setCurrent(kBlack);
        sampler->start();
        sampler->tick();
        QCOMPARE(f_->selection().current(), rgb(255, 0, 0));
        // Under the resting pointer an unchanged pixel redraws nothing, a changed one shows.
        QSignalSpy shown(&f_->selection(), &ColorSelection::changed);
        sampler->tick();
        QCOMPARE(shown.count(), 0);
        f_->screen.fill(QRect(0, 0, 10, 10), rgb(0, 0, 255));
        sampler->tick();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#0000FF"));
        sampler->stop();
    }

    void f9AndAReleaseEndAPick() {
        ScreenSampler* sampler = f_->window->sampler();
        QTest::keyClick(f_->window.get(), Qt::Key_F9);
        QVERIFY(sampler->isSampling());
        QVERIFY(QWidget::mouseGrabber() != nullptr);
        // F9 reaches the window even when a field has the focus.
        f_->field(Channel::Red)->setFocus();
        QTest::keyClick(f_->field(Channel::Red), Qt::Key_F9);
        QVERIFY(!sampler->isSampling());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        QSignalSpy stopped(sampler, &ScreenSampler::stopped);
        QTest::mouseClick(f_->window->commands().pickFromScreen, Qt::LeftButton);
        QTest::mouseRelease(f_->window->currentSwatch(), Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY(!sampler->isSampling());
        sampler->stop(); // stopped already: nothing
        QCOMPARE(stopped.count(), 1);
    }

    void aKeptPickIsCopiedWhereTheOptionsOrTheCallerAskForIt() {
        ScreenSampler* sampler = f_->window->sampler();
        QClipboard* clipboard = QGuiApplication::clipboard();
        f_->screen.fill(QRect(0, 0, 10, 10), rgb(255, 0, 0));
        f_->screen.pos = QPoint(3, 3);
        const auto pickAndRelease = [&] {
            sampler->tick();
            QTest::mouseRelease(f_->window->currentSwatch(), Qt::LeftButton, {}, QPoint(3, 3));
            QVERIFY(!sampler->isSampling());
        };
        // Off (the default): a pick leaves the clipboard alone.
        clipboard->setText(QStringLiteral("before"));
        QTest::keyClick(f_->window.get(), Qt::Key_F9);
        pickAndRelease();
        QCOMPARE(clipboard->text(), QStringLiteral("before"));

        f_->options.setAndStoreCopyFormat("hsl");
        QTest::keyClick(f_->window.get(), Qt::Key_F9);
        pickAndRelease();
        QCOMPARE(clipboard->text(), QStringLiteral("hsl(0 100% 50%)"));

        // A caller's copy (the launcher's action) where the options copy nothing: the HTML
        // notation, for that pick only; a cancelled one copies nothing and asks no more.
        f_->options.setAndStoreCopyFormat("off");
        QCOMPARE(f_->options.copyFormat(), std::string());
        clipboard->setText(QStringLiteral("before"));
        f_->window->startPick(true);
        QVERIFY(sampler->isSampling());
        QTest::keyClick(f_->window->currentSwatch(), Qt::Key_Escape);
        QVERIFY(!sampler->isSampling());
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        f_->window->startPick();
        pickAndRelease();
        QCOMPARE(clipboard->text(), QStringLiteral("before"));
        f_->window->startPick(true);
        pickAndRelease();
        QCOMPARE(clipboard->text(), QStringLiteral("#FF0000"));
    }

    void anUnreadableScreenIsExplainedOnce() {
        f_->screen.readable = false;
        f_->window->sampler()->start();
        QVERIFY(!f_->window->sampler()->isSampling());
        auto* box = f_->window->findChild<QMessageBox*>();
        QVERIFY(box != nullptr);
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f_->window->sampler()->start();
        QCOMPARE(f_->window->findChild<QMessageBox*>(), nullptr);
    }

    void theReadoutShowsThePointerAndRestsWithIt() {
        PointerReadout* readout = f_->window->pointerReadout();
        f_->screen.pos = QPoint(1023, 7);
        readout->tick();
        readout->tick(); // the Y pair follows the new width of the X text
        QCOMPARE(readout->xLabel()->text(), QStringLiteral("X=1023"));
        QCOMPARE(readout->yLabel()->text(), QStringLiteral("Y=7"));
        // Right after the X text; its white shadow pixel lies under the Y text.
        QCOMPARE(readout->yLabel()->x(), readout->xLabel()->geometry().right());
        QCoreApplication::processEvents(); // the paints the changes above asked for
        PaintCounter counter;
        readout->xLabel()->installEventFilter(&counter);
        readout->yLabel()->installEventFilter(&counter);
        readout->tick();
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
    }

    void titleBarAndToolTips() {
        TitleBar* bar = f_->window->titleBar();
        QCOMPARE(bar->title(),
                 QStringLiteral("Spectrivue [ Version: 2.0.6 ] - https://spectrivue.org"));
        // Screen readers find each picture of the bar once, as a button named by its tool tip.
        QCOMPARE(bar->closeButton()->accessibleName(), QStringLiteral("Close Spectrivue"));
        QStringList names;
        for (QWidget* child : bar->findChildren<QWidget*>()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child);
            if (face != nullptr && !face->state().invisible && face->actionInterface() != nullptr &&
                !face->actionInterface()->actionNames().isEmpty()) {
                names << face->text(QAccessible::Name);
                QVERIFY2(face->role() == QAccessible::Button ||
                             face->role() == QAccessible::CheckBox,
                         qPrintable(face->text(QAccessible::Name) + QString::number(face->role())));
            }
        }
        names.sort();
        QCOMPARE(names, QStringList({"Close Spectrivue", "Minimize Spectrivue", "On Top",
                                     "Spectrivue web page"}));
        // The hover picture is the button's own: the close button lights up under the pointer.
        const QImage unlit = bar->closeButton()->grab().toImage();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(bar->closeButton(), &enter);
        QVERIFY(bar->closeButton()->grab().toImage() != unlit);

        // The window starts on top; the pin toggles it.
        QVERIFY(f_->window->isOnTop() && bar->showsOnTop());
        QTest::mouseClick(bar->onTopPin(), Qt::LeftButton);
        QVERIFY(!f_->window->isOnTop() && !bar->showsOnTop());
        QTest::mouseClick(bar->onTopPin(), Qt::LeftButton);
        QVERIFY(f_->window->isOnTop() && bar->showsOnTop());
    }

    void copyPutsTheNotationAsShownAloneOnTheClipboard() {
        QVERIFY(QTest::qWaitForWindowActive(f_->window.get()));
        auto* old = new QMimeData;
        old->setHtml(QStringLiteral("<b>old</b>"));
        QGuiApplication::clipboard()->setMimeData(old);
        NotationPanel* panel = f_->window->notations();
        QTest::mouseClick(panel->copyButton(Notation::Java), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0xFFFFFF"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
        QCOMPARE(panel->field(Notation::Java)->selectedText(), QStringLiteral("0xFFFFFF"));
        QVERIFY(panel->field(Notation::Java)->hasFocus());

        // From the keyboard: Tab from a field reaches its copy button, Space presses it.
        f_->selection().setCurrent(kBlack);
        panel->field(Notation::Html)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), panel->copyButton(Notation::Html));
        QTest::keyClick(panel->copyButton(Notation::Html), Qt::Key_Space);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#000000"));
        // After the last notation's Copy, the palette.
        panel->copyButton(Notation::Html)->setFocus();
        QTest::keyClick(panel->copyButton(Notation::Html), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f_->window->swatchGrid());
    }

    // Only 1 takes the desktop portal's route where the screen can be read.
    void onlyOneAsksForTheDesktopPortal() {
        QVERIFY(f_->window->portalPicker() == nullptr);
        for (const char* value : {"0", "", "yes"}) {
            qputenv("SPECTRIVUE_DESKTOP_PORTAL", value);
            MainWindowFixture other;
            QVERIFY2(other.window->portalPicker() == nullptr, value);
        }
        qunsetenv("SPECTRIVUE_DESKTOP_PORTAL");
    }

    void panelsAreDraggedWithAnyButton() {
        NamesPanel* panel = f_->window->namesPanel();
        panel->open({100, 100});
        const QPoint body(panel->width() - 3, panel->height() - 3);
        QTest::mousePress(panel, Qt::RightButton, {}, body);
        QMouseEvent move(QEvent::MouseMove, QPointF(body + QPoint(20, 10)),
                         panel->mapToGlobal(QPointF(body + QPoint(20, 10))), Qt::NoButton,
                         Qt::RightButton, {});
        QApplication::sendEvent(panel, &move);
        QTest::mouseRelease(panel, Qt::RightButton, {}, body + QPoint(20, 10));
        QCOMPARE(panel->pos(), QPoint(120, 110));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
