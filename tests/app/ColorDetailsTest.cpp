// The colour details window through the real main window: F7 and the right-click on the
// current colour open it, it follows every shown colour (a pick's ticks too), and Copy hands
// out exactly what a line shows.

#include "MainWindowFixture.h"

#include "app/ScreenSampler.h"
#include "app/ToolWindows.h"
#include "color/ColorSelection.h"
#include "dialogs/ColorDetailsWindow.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
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
            QCOMPARE(menu->actions().size(), 1);
            QCOMPARE(menu->actions().front()->text(), QStringLiteral("Colour Details\u2026"));
            menu->actions().front()->trigger();
            menu->close();
        });
        QTest::mousePress(f_->window->currentSwatch(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(f_->window->currentSwatch(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(f_->window->toolWindows()->colorDetails() != nullptr);
        QVERIFY(f_->window->toolWindows()->colorDetails()->isVisible());
    }

private:
    std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(ColorDetailsTest)
#include "ColorDetailsTest.moc"
