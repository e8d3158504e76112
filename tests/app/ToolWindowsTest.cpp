// The command buttons: tool windows placed against the main window, the magnifier made afresh,
// the colour grid reused while visible, and the system colour dialog. The test runs on two
// screens side by side (tests/support/two-screens.json): a wide one, with room on either side of
// the main window, and a small one to its right, with room on neither side.

#include "MainWindowFixture.h"

#include "app/TitleBar.h"
#include "app/ToolWindows.h"
#include "bitmap/PictureColorsWindow.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/ColorDetailsWindow.h"
#include "dialogs/OptionsWindow.h"
#include "gradient/ColorGridWindow.h"
#include "gradient/GradientGeneratorWindow.h"
#include "support/ModalDialogs.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "zoom/MagnifierWindow.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDesktopServices>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <functional>

using namespace sv;
using namespace sv::test;

// Stands in for the browser: remembers what it was asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class ToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        // At (100, 50) pixels: left 1500, top 750 twips.
        f_->window->move(100, 50);
        QVERIFY(f_->show());
    }
    void cleanup() { f_.reset(); }

    void toolWindowsStandAgainstTheRightEdge() {
        ToolWindows* tools = f_->window->toolWindows();
        click(f_->window->commands().gradientGenerator);
        // Right edge: 1500 + 11340 - 100 = 12740 twips = 849.3 px (left 589 at 3900 twips wide,
        // less where the window widens for its fields); top 750 + 705 - 60 = 1395 = 93 px.
        const QRect generator = tools->gradientGenerator()->geometry();
        QCOMPARE(generator.top(), 93);
        QVERIFY2(qAbs(generator.left() + generator.width() - 849) <= 1,
                 qPrintable(QString::number(generator.left())));
        QCOMPARE(tools->gradientGenerator()->createButton()->toolTip(),
                 QStringLiteral("  Create Gradient  "));
        click(f_->window->commands().pictureColors);
        QCOMPARE(tools->pictureColors()->pos(), QPoint(589, 93));
        QCOMPARE(tools->pictureColors()->commandButton(PictureCommand::Paste)->toolTip(),
                 QStringLiteral("  Paste Bitmap from Clipboard  "));
        // The magnifier stands 200 twips in: 1500 + 11340 - 5400 - 200 = 7240 = 482.7 px.
        click(f_->window->commands().magnifier);
        QCOMPARE(tools->magnifier()->pos(), QPoint(483, 93));
        QCOMPARE(tools->magnifier()->startButton()->toolTip(),
                 QStringLiteral("  Start Capture - { F10 }  "));
        QCOMPARE(tools->magnifier()->parentWidget(), f_->window.get());
    }

    // (The magnifier takes the keyboard too; its Escape empties the view instead.)
    void aToolWindowTakesTheKeyboardAndEscapeClosesEachOne() {
        ToolWindows* tools = f_->window->toolWindows();
        const std::pair<ImageButton*, std::function<QWidget*()>> windows[] = {
            {f_->window->commands().gradientGenerator, [&] { return tools->gradientGenerator(); }},
            {f_->window->commands().options, [&] { return tools->optionsWindow(); }},
            {f_->window->commands().pictureColors, [&] { return tools->pictureColors(); }},
            {f_->window->commands().colorGrid, [&] { return tools->colorGrid(); }},
        };
        for (const auto& [button, window] : windows) {
            click(button);
            QPointer<QWidget> opened = window();
            QVERIFY(opened != nullptr);
            QTRY_COMPARE(QApplication::activeWindow(), opened.data());
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : opened.data(),
                            Qt::Key_Escape);
            QTRY_VERIFY2(opened.isNull() || !opened->isVisible(),
                         qPrintable(opened->metaObject()->className() + QStringLiteral(" ") +
                                    (QApplication::focusWidget()
                                         ? QApplication::focusWidget()->metaObject()->className()
                                         : "no focus")));
        }
    }

    void theOnTopPinAndTheLinkHaveKeys() {
        TitleBar* bar = f_->window->titleBar();
        QApplication::setActiveWindow(f_->window.get());
        const bool onTop = bar->showsOnTop();
        QTest::keyClick(f_->window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(bar->showsOnTop(), !onTop);
        QCOMPARE(bool(f_->window->windowFlags() & Qt::WindowStaysOnTopHint), !onTop);
        QTest::keyClick(f_->window.get(), Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(bar->showsOnTop(), onTop);

        // A screen reader finds the pin a check box, checked as the window is, and toggling it
        // asks for the other state.
        QAccessibleInterface* pin = QAccessible::queryAccessibleInterface(bar->onTopPin());
        QCOMPARE(pin->role(), QAccessible::CheckBox);
        QVERIFY(pin->state().checkable);
        QCOMPARE(bool(pin->state().checked), onTop);
        QCOMPARE(pin->text(QAccessible::Name), QStringLiteral("On Top"));
        pin->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(bar->showsOnTop(), !onTop);
        QCOMPARE(bool(pin->state().checked), !onTop);

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QTest::keyClick(f_->window.get(), Qt::Key_L, Qt::ControlModifier);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(catcher.opened.front().toString().contains(QStringLiteral("spectrivue")));
    }

    void eachToolWindowExistsOnceTheMagnifierIsAlwaysNew() {
        ToolWindows* tools = f_->window->toolWindows();
        click(f_->window->commands().options);
        QPointer<OptionsWindow> options = tools->optionsWindow();
        click(f_->window->commands().options);
        QCOMPARE(tools->optionsWindow(), options.data());
        // Closed windows are destroyed and made again on the next command.
        options->close();
        QTRY_VERIFY(options.isNull());
        click(f_->window->commands().options);
        QCOMPARE(tools->optionsWindow()->closeButton()->toolTip(), QStringLiteral("  Close  "));

        click(f_->window->commands().magnifier);
        QPointer<MagnifierWindow> magnifier = tools->magnifier();
        click(f_->window->commands().magnifier);
        QVERIFY(magnifier.isNull());
        QVERIFY(tools->magnifier()->isVisible());

        click(f_->window->commands().colorGrid);
        QPointer<ColorGridWindow> grid = tools->colorGrid();
        click(f_->window->commands().colorGrid);
        QCOMPARE(tools->colorGrid(), grid.data());
        grid->hide();
        click(f_->window->commands().colorGrid);
        QVERIFY(grid.isNull());
        QVERIFY(tools->colorGrid()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void theColourDialogStartsOnTheCurrentColourAndKeepsItOnCancel() {
        QColor offered;
        QColor custom;
        const auto seen = [&](QColorDialog& dialog) {
            offered = dialog.currentColor();
            custom = QColorDialog::customColor(15);
            QVERIFY(dialog.isModal());
        };
        f_->selection().setCurrent(rgb(255, 0, 0));
        answerNextColorDialog(QColor(0, 0, 255), seen);
        click(f_->window->commands().systemColor);
        QCOMPARE(offered, QColor(255, 0, 0));
        QCOMPARE(f_->selection().previous(), rgb(255, 0, 0));
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#0000FF"));

        answerNextColorDialog(QColor(), seen);
        click(f_->window->commands().systemColor);
        QCOMPARE(offered, QColor(0, 0, 255));
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#0000FF"));
        QCOMPARE(custom, QColor(254, 254, 254));
    }

    void aboutKeepsThePinInStepWithTheWindow() {
        click(f_->window->commands().about);
        AboutWindow* about = f_->window->toolWindows()->about();
        QVERIFY(about->isVisible());
        QCOMPARE(about->helpButton()->toolTip(), QStringLiteral("  Help  "));
        f_->window->setOnTop(false);
        emit about->mainWindowPutOnTop();
        QVERIFY(f_->window->titleBar()->showsOnTop());
    }

    // The details explain what the main window shows, so they open beside it, never over it,
    // and whole on its screen.
    void theDetailsOpenBesideTheMainWindowOnItsScreen() {
        const auto screenNamed = [](const QString& name) {
            for (QScreen* screen : QGuiApplication::screens()) {
                if (screen->name() == name) {
                    return screen;
                }
            }
            return QGuiApplication::primaryScreen();
        };
        QScreen* smallScreen = screenNamed(QStringLiteral("small"));
        const QRect wide = screenNamed(QStringLiteral("wide"))->availableGeometry();
        const QRect small = smallScreen->availableGeometry();
        QCOMPARE(wide.size(), QSize(3000, 1200));
        QCOMPARE(small.size(), QSize(1366, 768));
        ToolWindows* tools = f_->window->toolWindows();
        QRect main;
        QRect details;
        const auto openDetails = [&](QPoint mainAt) {
            f_->window->move(mainAt);
            QTRY_COMPARE(f_->window->pos(), mainAt);
            tools->showColorDetails();
            QTRY_VERIFY(tools->colorDetails()->isVisible());
            main = f_->window->frameGeometry();
            details = tools->colorDetails()->frameGeometry();
        };
        // Room on the right: there, level with the main window.
        openDetails({100, 50});
        QVERIFY2(details.left() > main.right(), qPrintable(QString::number(details.left())));
        QCOMPARE(details.top(), main.top());
        QVERIFY2(wide.contains(details),
                 qPrintable(QStringLiteral("%1,%2").arg(details.right()).arg(details.bottom())));
        // At the right edge: on the left; low on the screen: raised to show whole.
        openDetails({wide.right() - 800, wide.bottom() - 300});
        QVERIFY2(details.right() < main.left(), qPrintable(QString::number(details.right())));
        QVERIFY(wide.contains(details));
        QVERIFY(details.top() < main.top());
        // Room on neither side: it may cover the main window, but stays on its screen.
        openDetails(small.topLeft() + QPoint(300, 100));
        QCOMPARE(f_->window->screen(), smallScreen);
        QVERIFY2(small.contains(details.topLeft()),
                 qPrintable(QStringLiteral("%1,%2").arg(details.left()).arg(details.top())));
    }

    // About opens over the main window's lower right part, so it is seen beside what it covers.
    void aboutOpensOverTheLowerRightOfTheMainWindow() {
        click(f_->window->commands().about);
        const QRect main = f_->window->frameGeometry();
        const QRect about = f_->window->toolWindows()->about()->frameGeometry();
        QVERIFY(main.contains(about));
        QVERIFY(about.center().x() > main.center().x());
        QVERIFY(about.center().y() > main.center().y());
    }

private:
    static void click(ImageButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<MainWindowFixture> f_;
};

QTEST_MAIN(ToolWindowsTest)
#include "ToolWindowsTest.moc"
