// The colour details window through the real main window: F7 and the right-click on the
// current colour open it, it follows every shown colour (a pick's ticks too), and Copy hands
// out exactly what a line shows.

#include "MainWindowFixture.h"

#include "app/ScreenSampler.h"
#include "app/ToolWindows.h"
#include "color/ColorSelection.h"
#include "dialogs/ColorDetailsWindow.h"
#include "dialogs/Options.h"
#include "dialogs/OwnFormatDialog.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace sv;
using namespace sv::test;

class ColorDetailsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        QVERIFY(f_->show());
    }
    void cleanup() { f_.reset(); }

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
        QVERIFY(settingsFile().change([](SettingsMap& s) {
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
        const SettingsMap stored = settingsFile().read().value();
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
        QCOMPARE(settingsFile().read().value().count("ColorFormats/Name1"), std::size_t(0));
    }

private:
    std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(ColorDetailsTest)
#include "ColorDetailsTest.moc"
