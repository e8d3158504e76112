// The command buttons: tool windows placed against the main window, the magnifier made afresh,
// the colour grid reused while visible, and the system colour dialog.

#include "MdiTestSupport.h"

#include "gradient/GradientGeneratorWindow.h"
#include "gradient/ColorGridWindow.h"
#include "bitmap/PictureColorsWindow.h"
#include "dialogs/ColorDialog.h"
#include "dialogs/AboutWindow.h"
#include "dialogs/OptionsWindow.h"
#include "widgets/QtColor.h"
#include "widgets/ImageButton.h"
#include "zoom/MagnifierWindow.h"

#include <QPointer>
#include <QTest>

using namespace sv;
using namespace sv::test;

class MdiCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f_ = std::make_unique<MdiFixture>();
        // At (100, 50) pixels: left 1500, top 750 twips.
        f_->mdi->move(100, 50);
        f_->mdi->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->mdi.get()));
    }
    void cleanup() { f_.reset(); }

    void toolWindowsStandAgainstTheRightEdge() {
        click("btnGradiente");
        // 1500 + 11340 - 3900 - 100 = 8840 twips = 589.3 px; 750 + 705 - 60 = 1395 = 93 px.
        QCOMPARE(f_->mdi->gradientCreator()->pos(), QPoint(589, 93));
        QVERIFY(f_->mdi->gradientCreator()->isVisible());
        QCOMPARE(f_->mdi->gradientCreator()->btnCreate()->toolTip(),
                 QStringLiteral("  Create Gradient  "));
        click("btnOptions");
        QCOMPARE(f_->mdi->optionsWindow()->pos(), QPoint(589, 93));
        click("btnIMG");
        QCOMPARE(f_->mdi->bitmapWindow()->pos(), QPoint(589, 93));
        QCOMPARE(f_->mdi->bitmapWindow()->btnDlgIMG(2)->toolTip(),
                 QStringLiteral("  Paste Bitmap from Clipboard  "));
        // The magnifier stands 200 twips in: 1500 + 11340 - 5400 - 200 = 7240 = 482.7 px.
        click("btnZoom");
        QCOMPARE(f_->mdi->magnifier()->pos(), QPoint(483, 93));
        QCOMPARE(f_->mdi->magnifier()->btnStart()->toolTip(),
                 QStringLiteral("  Start Capture - { F10 }  "));
        // Every tool window is owned by the main window.
        QCOMPARE(f_->mdi->magnifier()->parentWidget(), f_->mdi.get());
    }

    void aToolWindowExistsOnce() {
        click("btnOptions");
        QPointer<OptionsWindow> first = f_->mdi->optionsWindow();
        click("btnOptions");
        QCOMPARE(f_->mdi->optionsWindow(), first.data());
        // Closed windows are unloaded and made again on the next command.
        first->close();
        QTRY_VERIFY(first.isNull());
        click("btnOptions");
        QVERIFY(f_->mdi->optionsWindow() != nullptr);
        QCOMPARE(f_->mdi->optionsWindow()->closeButton()->toolTip(), QStringLiteral("  Close  "));
    }

    void theMagnifierIsMadeAfreshEveryTime() {
        click("btnZoom");
        QPointer<MagnifierWindow> first = f_->mdi->magnifier();
        click("btnZoom");
        QVERIFY(first.isNull());
        QVERIFY(f_->mdi->magnifier() != nullptr);
        QVERIFY(f_->mdi->magnifier()->isVisible());
    }

    void theColourGridIsReusedWhileVisible() {
        click("btnMaxGrid");
        QPointer<ColorGridWindow> first = f_->mdi->colorGrid();
        QVERIFY(first->isVisible());
        click("btnMaxGrid");
        QCOMPARE(f_->mdi->colorGrid(), first.data());
        first->hide();
        click("btnMaxGrid");
        QVERIFY(first.isNull());
        QVERIFY(f_->mdi->colorGrid()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void colourDialogOkMakesTheColourCurrentCancelKeepsIt() {
        QColor offered;
        std::optional<QColor> answer = QColor(0, 0, 255);
        f_->mdi->setColorDialog(std::make_unique<ColorDialog>([&](QWidget*, const QColor& initial) {
            offered = initial;
            return answer;
        }));
        f_->mdi->mostraCodigos(rgb(255, 0, 0));
        click("btnDialogoColor");
        QCOMPARE(offered, QColor(255, 0, 0));
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 0, 255));
        QCOMPARE(f_->mdi->lastColor(), rgb(255, 0, 0));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#0000FF"));

        answer.reset();
        click("btnDialogoColor");
        QCOMPARE(offered, QColor(0, 0, 255));
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 0, 255));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#0000FF"));
        QCOMPARE(f_->mdi->colorDialog().customColors()[15], ColorDialog::kFirstCustomColor);
    }

    void aboutKeepsTheToggleInStepWithTheWindow() {
        click("btnAbout");
        QVERIFY(f_->mdi->aboutWindow()->isVisible());
        QCOMPARE(f_->mdi->aboutWindow()->btnAbout()->toolTip(), QStringLiteral("  Help  "));
        f_->mdi->toggleOnTop();
        QVERIFY(!f_->mdi->isOnTop());
        emit f_->mdi->aboutWindow()->mainWindowPutOnTop();
        auto* fix2 = f_->mdi->findChild<QWidget*>(QStringLiteral("imgFix2"));
        QVERIFY(!fix2->isHidden());
    }

private:
    void click(const char* name) {
        auto* b = f_->mdi->findChild<ImageButton*>(QString::fromLatin1(name));
        QVERIFY(b != nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }

    std::unique_ptr<MdiFixture> f_;
};

QTEST_MAIN(MdiCommandsTest)
#include "MdiCommandsTest.moc"
