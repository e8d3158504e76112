// The colour details window through the real main window: F7 and the right-click on the
// current colour open it, it follows every shown colour (a pick's ticks too), and Copy hands
// out exactly what a line shows.

#include "MainWindowFixture.h"

#include "app/ScreenSampler.h"
#include "app/ToolWindows.h"
#include "color/ColorSelection.h"
#include "dialogs/ColorAnalysisView.h"
#include "dialogs/ColorDetailsWindow.h"
#include "dialogs/OwnFormatDialog.h"
#include "palette/PaletteModel.h"
#include "settings/Options.h"
#include "support/ModalDialogs.h"
#include "widgets/ColorBox.h"
#include "widgets/ColorChip.h"
#include "widgets/ImageButton.h"
#include "widgets/ValueText.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "color/Contrast.h"
#include "widgets/QtColor.h"

using namespace sv;
using namespace sv::test;

class ColorDetailsTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void f7ShowsTheCurrentColourInEveryNotationAndFollowsIt() {
        f_->selection().reset(kWhite);
        f_->selection().setCurrent(rgb(10, 90, 90));
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        ColorDetailsWindow* details = f_->window->toolWindows()->colorDetails();
        QVERIFY(details != nullptr && details->isVisible());
        QCOMPARE(details->field(ColorFormat::CssHsl)->text(), QStringLiteral("hsl(180 80% 19.6%)"));
        QCOMPARE(details->field(ColorFormat::CssOklch)->text(),
                 QStringLiteral("oklch(42.48% 0.0694 194.86)"));
        QCOMPARE(details->field(ColorFormat::AndroidArgb)->text(), QStringLiteral("0xFF0A5A5A"));
        // As text on the last colour, white.
        QCOMPARE(details->contrastText(), QStringLiteral("8.00:1"));
        QCOMPARE(details->apcaText(), QStringLiteral("Lc 87.3"));
        QCOMPARE(details->verdictTexts(),
                 QStringList({QStringLiteral("AA Pass · AAA Pass"),
                              QStringLiteral("AA Pass · AAA Pass"), QStringLiteral("AA Pass")}));
        QCOMPARE(details->nearestNameText(), QStringLiteral("Sea Green Black  \u0394E 0.007"));
        QCOMPARE(details->sample()->palette().color(QPalette::WindowText), QColor(10, 90, 90));
        QCOMPARE(details->sample()->palette().color(QPalette::Window), QColor(Qt::white));

        // A pick's ticks show through it as they come.
        f_->screen.fill(QRect(0, 0, 10, 10), rgb(255, 0, 0));
        f_->screen.pos = QPoint(3, 3);
        f_->window->sampler()->start();
        f_->window->sampler()->tick();
        QCOMPARE(details->field(ColorFormat::CssHex)->text(), QStringLiteral("#ff0000"));
        QCOMPARE(details->field(ColorFormat::SwiftUi)->text(),
                 QStringLiteral("Color(red: 1, green: 0, blue: 0)"));
        f_->window->sampler()->stop();

        // Copy puts exactly the line's text, and only it, on the clipboard.
        QTest::mouseClick(details->copyButton(ColorFormat::CssRgbComma), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("rgb(255, 0, 0)"));

        // Escape closes it; F7 brings a new one.
        QPointer<ColorDetailsWindow> closing = details;
        QTest::keyClick(details, Qt::Key_Escape);
        QTRY_VERIFY(closing.isNull());
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        QVERIFY(f_->window->toolWindows()->colorDetails() != nullptr);
    }

    // #777777 on white fails AA (4.48:1); the nearest text that passes is #767676. Using it
    // keeps the background, and the window then says the pair passes. A background suggestion
    // becomes the last colour under the same text.
    void aFailingPairOffersTheNearestPassingColoursAndUsesThem() {
        f_->selection().reset(kWhite);
        f_->selection().setCurrent(rgb(119, 119, 119));
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        ColorDetailsWindow* details = f_->window->toolWindows()->colorDetails();
        QVERIFY(details != nullptr);
        const ColorAnalysisView* view = details->analysis();
        const auto& aa = view->textSuggestion(ContrastTarget::WcagAA);
        QCOMPARE(aa.text->text(), QStringLiteral("#767676  4.54:1"));
        QVERIFY(!aa.chip->isClear() && aa.use->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(aa.chip)->text(QAccessible::Name),
                 QStringLiteral("Text passing AA 4.5:1: #767676"));
        // Large text already passes; the lightest background reaches no AAA.
        QCOMPARE(view->textSuggestion(ContrastTarget::WcagAALarge).text->text(),
                 QStringLiteral("Passes"));
        QVERIFY(view->textSuggestion(ContrastTarget::WcagAALarge).chip->isClear());
        QCOMPARE(view->backgroundSuggestion(ContrastTarget::WcagAAA).text->text(),
                 QStringLiteral("Out of reach"));

        // A screen reader's Press on the background chip, as a click would: only a dark
        // background reaches AA under this grey.
        const auto& under = view->backgroundSuggestion(ContrastTarget::WcagAA);
        QVERIFY(!under.chip->isClear());
        const ColorValue back = under.chip->backColor();
        QVERIFY(wcagContrastRatio(rgb(119, 119, 119), back) >= 4.5);
        QAccessibleInterface* chip = QAccessible::queryAccessibleInterface(under.chip);
        QVERIFY(chip != nullptr && chip->actionInterface() != nullptr);
        chip->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f_->selection().current(), rgb(119, 119, 119));
        QCOMPARE(f_->selection().previous(), back);

        f_->selection().restore(rgb(119, 119, 119), kWhite);
        QTest::mouseClick(aa.use, Qt::LeftButton);
        QCOMPARE(f_->selection().current(), rgb(118, 118, 118));
        QCOMPARE(f_->selection().previous(), kWhite);
        QCOMPARE(details->verdictTexts().first(), QStringLiteral("AA Pass · AAA Fail"));
        QCOMPARE(aa.text->text(), QStringLiteral("Passes"));
    }

    // The simulations follow the pair; a harmony's chip makes its colour current, its button
    // fills the palette's first empty swatches, and with too few nothing is written.
    void simulationsAndHarmoniesFollowAndAreUsed() {
        f_->selection().reset(kWhite);
        f_->selection().setCurrent(rgb(255, 0, 0));
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        ColorDetailsWindow* details = f_->window->toolWindows()->colorDetails();
        const ColorAnalysisView* view = details->analysis();
        const auto& grey = view->visionLine(Vision::Achromatopsia);
        const ColorValue seen = simulateVision(rgb(255, 0, 0), Vision::Achromatopsia);
        QCOMPARE(grey.swatch->backColor(), seen);
        QCOMPARE(grey.text->text(),
                 colorText(seen) + QStringLiteral("  ") +
                     QString::fromStdString(wcagRatioText(wcagContrastRatio(seen, kWhite))));
        QCOMPARE(grey.sample->textColor(), toQColor(seen));
        QCOMPARE(grey.sample->backColor(), QColor(Qt::white));

        const auto& triad = view->harmonyLine(Harmony::Triadic);
        const HarmonySet expected = harmonyColors(rgb(255, 0, 0), Harmony::Triadic);
        QVERIFY(triad.chips[2]->isVisible() && !triad.chips[3]->isVisible());
        QCOMPARE(triad.chips[1]->backColor(), expected.colors[1]);

        PaletteModel& palette = *f_->window->paletteModel();
        palette.emptyAll();
        for (int i = 1; i <= 256; ++i) {
            if (i != 7 && i != 200 && i != 256) {
                palette.setColor(i, kBlack);
            }
        }
        {
            MessageBoxCatcher boxes;
            QTest::mouseClick(view->harmonyLine(Harmony::Tetradic).toPalette, Qt::LeftButton);
            QTRY_COMPARE(boxes.messages().size(), 1);
            QVERIFY(boxes.messages().first().contains(QStringLiteral("3 empty swatches")));
            QVERIFY(palette.isEmpty(7) && palette.isEmpty(200) && palette.isEmpty(256));
        }
        QTest::mouseClick(triad.toPalette, Qt::LeftButton);
        QCOMPARE(palette.color(7), expected.colors[0]);
        QCOMPARE(palette.color(200), expected.colors[1]);
        QCOMPARE(palette.color(256), expected.colors[2]);

        triad.chips[1]->setFocus();
        QTest::keyClick(triad.chips[1], Qt::Key_Space);
        QCOMPARE(f_->selection().current(), expected.colors[1]);
        QCOMPARE(f_->selection().previous(), rgb(255, 0, 0));
    }

    void aRightClickOnTheCurrentColourOffersTheDetails() {
        QTimer::singleShot(0, this, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            menu->close();
            QCOMPARE(menu->actions().size(), 2);
            QCOMPARE(menu->actions().front()->text(), QStringLiteral("Colour Details\u2026"));
            QCOMPARE(menu->actions().back()->text(), QStringLiteral("History\u2026"));
            menu->actions().front()->trigger();
        });
        QTest::mousePress(f_->window->currentSwatch(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f_->window->currentSwatch(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(f_->window->toolWindows()->colorDetails() != nullptr);
        QVERIFY(f_->window->toolWindows()->colorDetails()->isVisible());
    }

    void ownFormatsAreAddedShownCopiedKeptAndRemoved() {
        QVERIFY(f_->options.store().change([](SettingsMap& s) {
            storeOwnFormats(s, {});
            s["OPTIONS/Zoom"] = "2";
        }));
        f_->selection().setCurrent(rgb(10, 90, 90));
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        ColorDetailsWindow* details = f_->window->toolWindows()->colorDetails();
        QVERIFY(details != nullptr);
        const int heightBefore = details->height();

        // A bad template is explained and not taken; the dialog stays for the user to mend it.
        QString refusal;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<OwnFormatDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTest::keyClicks(dialog->nameField(), QStringLiteral("Tailwind"));
            QTest::keyClicks(dialog->templateField(), QStringLiteral("rgba({r}, {g}, {q}"));
            QVERIFY(dialog->previewText().startsWith(QStringLiteral("{q} is not a placeholder")));
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                refusal = box->text();
                box->accept();
            });
            QTest::keyClick(dialog->templateField(), Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            dialog->templateField()->clear();
            QTest::keyClicks(dialog->templateField(),
                             QStringLiteral(" [{r}, {g}, {b}] \"{hex}\" "));
            QCOMPARE(dialog->previewText(), QStringLiteral(" [10, 90, 90] \"0a5a5a\" "));
            QTest::keyClick(dialog->templateField(), Qt::Key_Return);
        });
        QTest::mouseClick(details->addFormatButton(), Qt::LeftButton);
        QCOMPARE(refusal,
                 QStringLiteral("This format cannot be added:\n{q} is not a placeholder: "
                                "use {r} {g} {b} {rf} {gf} {bf} {hex} {HEX} {h} {s} {l}."));
        QCOMPARE(details->ownFormats().size(), std::size_t(1));
        QVERIFY(details->height() > heightBefore);
        QCOMPARE(details->ownField(0)->text(), QStringLiteral(" [10, 90, 90] \"0a5a5a\" "));
        f_->selection().setCurrent(rgb(255, 0, 1));
        QCOMPARE(details->ownField(0)->text(), QStringLiteral(" [255, 0, 1] \"ff0001\" "));
        QTest::mouseClick(details->ownCopyButton(0), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" [255, 0, 1] \"ff0001\" "));

        // Kept in a group of its own, blanks and quotes and all; the options stay as they were.
        const SettingsMap stored = f_->options.store().read().value();
        QCOMPARE(stored.at("ColorFormats/Name1"), std::string("\"Tailwind\""));
        QCOMPARE(stored.at("ColorFormats/Template1"),
                 std::string("\" [{r}, {g}, {b}] \\\"{hex}\\\" \""));
        QCOMPARE(stored.at("OPTIONS/Zoom"), std::string("2"));

        // A new window shows it; Remove takes it away, from the file too.
        QPointer<ColorDetailsWindow> closing = details;
        QTest::keyClick(details, Qt::Key_Escape);
        QTRY_VERIFY(closing.isNull());
        QTest::keyClick(f_->window.get(), Qt::Key_F7);
        details = f_->window->toolWindows()->colorDetails();
        QCOMPARE(details->ownFormats(),
                 (std::vector<OwnFormat>{{"Tailwind", " [{r}, {g}, {b}] \"{hex}\" "}}));
        QTest::mouseClick(details->removeButton(0), Qt::LeftButton);
        QTRY_VERIFY(details->ownFormats().empty());
        QCOMPARE(details->height(), heightBefore);
        QCOMPARE(f_->options.store().read().value().count("ColorFormats/Name1"), std::size_t(0));
    }
};

QTEST_MAIN(ColorDetailsTest)
#include "ColorDetailsTest.moc"
