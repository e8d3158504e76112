#include "MdiTestSupport.h"

#include "widgets/ImageButton.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace sv;
using namespace sv::test;

class MdiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { f_ = std::make_unique<MdiFixture>(); }
    void cleanup() { f_.reset(); }

    void mostraCodigosFillsEveryField() {
        f_->mdi->mostraCodigos(rgb(18, 52, 86));
        QCOMPARE(f_->text("txtHEX_VB"), QStringLiteral("&H00563412"));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#123456"));
        QCOMPARE(f_->text("txtHEX_LONG"), QStringLiteral("5649426"));
        QCOMPARE(f_->text("txtHEX_C"), QStringLiteral("0x00563412"));
        QCOMPARE(f_->text("txtHEX_DELPHI"), QStringLiteral("$00563412"));
        QCOMPARE(f_->text("txtHEX_JAVA"), QStringLiteral("0x123456"));
        QCOMPARE(f_->text("txtHEX_PHOTOSHOP"), QStringLiteral("123456"));
        QCOMPARE(f_->text("txtR"), QStringLiteral("18"));
        QCOMPARE(f_->text("txtG"), QStringLiteral("52"));
        QCOMPARE(f_->text("txtB"), QStringLiteral("86"));
        QCOMPARE(f_->mdi->currentColor(), rgb(18, 52, 86));
    }

    void firstColourIsAlsoTheLastColour() {
        // The fields start at 255 (white) before the first colour is shown.
        QCOMPARE(f_->text("txtR"), QStringLiteral("255"));
        QCOMPARE(f_->mdi->currentColor(), kWhite);
        // With no colour shown before, "Last color" takes what "Actual color" held.
        f_->mdi->mostraCodigos(rgb(255, 0, 0));
        QCOMPARE(f_->mdi->lastColor(), kWhite);
        QCOMPARE(f_->mdi->currentColor(), rgb(255, 0, 0));
    }

    void redThenGreenLeavesRedAsLastColour() {
        f_->mdi->mostraCodigos(rgb(255, 0, 0));
        f_->mdi->mostraCodigos(rgb(0, 255, 0));
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 255, 0));
        QCOMPARE(f_->mdi->lastColor(), rgb(255, 0, 0));
    }

    void f9StartsAndStopsSampling() {
        f_->mdi->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->mdi.get()));
        QTest::keyClick(f_->mdi.get(), Qt::Key_F9);
        QVERIFY(f_->mdi->isSampling());
        QCOMPARE(f_->mdi->pickInterval(), 50);
        QVERIFY(QWidget::mouseGrabber() != nullptr);
        // F9 reaches the window even when a field has the focus.
        f_->field("txtR")->setFocus();
        QTest::keyClick(f_->field("txtR"), Qt::Key_F9);
        QVERIFY(!f_->mdi->isSampling());
        QCOMPARE(f_->mdi->pickInterval(), 0);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void releaseWhileSamplingStopsIt() {
        f_->mdi->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->mdi.get()));
        QSignalSpy stopped(f_->mdi.get(), &Mdi::samplingStopped);
        f_->mdi->findChild<ImageButton*>(QStringLiteral("btnBusca"))->click();
        QVERIFY(f_->mdi->isSampling());
        auto* picRefer = f_->mdi->findChild<QWidget*>(QStringLiteral("picRefer"));
        QTest::mouseRelease(picRefer, Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY(!f_->mdi->isSampling());
        QCOMPARE(stopped.count(), 1);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        // Stopping again while stopped does nothing.
        f_->mdi->eventoPicRefer();
        QCOMPARE(stopped.count(), 1);
    }

    void tickReadsOnlyWhenThePointerMoves() {
        f_->screen.fill(QRect(0, 0, 100, 100), rgb(255, 0, 0));
        f_->screen.fill(QRect(100, 0, 100, 100), rgb(0, 255, 0));
        f_->mdi->startSampling();
        f_->screen.pos = QPoint(10, 10);
        f_->mdi->samplingTick();
        QCOMPARE(f_->mdi->currentColor(), rgb(255, 0, 0));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#FF0000"));
        const int reads = f_->screen.pixelReads;
        f_->mdi->samplingTick();
        QCOMPARE(f_->screen.pixelReads, reads);
        f_->screen.pos = QPoint(150, 10);
        f_->mdi->samplingTick();
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 255, 0));
        QCOMPARE(f_->mdi->lastColor(), rgb(255, 0, 0));
        f_->mdi->eventoPicRefer();
        // Stopped: ticks read nothing.
        f_->screen.pos = QPoint(20, 20);
        f_->mdi->samplingTick();
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 255, 0));
    }

    void failedReadKeepsTheCurrentColour() {
        f_->mdi->mostraCodigos(rgb(1, 2, 3));
        f_->mdi->startSampling();
        f_->screen.pos = QPoint(5000, 5000); // off every screen
        f_->mdi->samplingTick();
        QCOMPARE(f_->mdi->currentColor(), rgb(1, 2, 3));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#010203"));
        f_->mdi->eventoPicRefer();
    }

    void unreadableScreenSaysSoOnceAndDoesNotSample() {
        f_->screen.readable = false;
        f_->mdi->show();
        f_->mdi->startSampling();
        QVERIFY(!f_->mdi->isSampling());
        auto* box = f_->mdi->findChild<QMessageBox*>(QStringLiteral("waylandNotice"));
        QVERIFY(box != nullptr);
        box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f_->mdi->startSampling();
        QCOMPARE(f_->mdi->findChild<QMessageBox*>(QStringLiteral("waylandNotice")), nullptr);
    }

    void windowKeepsItsFixedSize() {
        QCOMPARE(f_->mdi->size(), QSize(756, 466));
        f_->mdi->show();
        f_->mdi->resize(900, 300);
        QCOMPARE(f_->mdi->size(), QSize(756, 466));
    }

    void pointerReadout() {
        f_->screen.pos = QPoint(1023, 7);
        f_->mdi->mouseReadoutTick();
        QCOMPARE(f_->mdi->findChild<QLabel*>(QStringLiteral("lblX1"))->text(),
                 QStringLiteral("X=1023"));
        QCOMPARE(f_->mdi->findChild<QLabel*>(QStringLiteral("lblY2"))->text(),
                 QStringLiteral("Y=7"));
    }

    void titleAndToolTipsAreExact() {
        QCOMPARE(f_->mdi->findChild<QLabel*>(QStringLiteral("lblCaption1"))->text(),
                 QStringLiteral("Spectrivue [ Version: 2.0.6 ] - https://spectrivue.org"));
        const QList<QPair<const char*, const char*>> tips{
            {"picTopFM2", "  Close Spectrivue  "},
            {"picTopFM4", "  Minimize Spectrivue  "},
            {"txtR", "  Up/Down  "},
            {"txtG", "  Up/Down  "},
            {"txtB", "  Up/Down  "},
            {"btnBusca", "  Color from Screen  - { F9 }  "},
            {"btnGradiente", "  Gradient Creator  "},
            {"btnMaxGrid", "  Big Color Grid  "},
            {"btnZoom", "  Capture Magnification  "},
            {"btnIMG", "  Extract Bitmap Color  "},
            {"btnEdit", "  Color Names  "},
            {"btnDialogoColor", "  System Color Picker  "},
            {"btnOptions", "  Options...      "},
            {"btnAbout", "  About Spectrivue  "},
            {"btnExit", "  Exit  "},
            {"btnDlgNOS1", "  New Palette  "},
            {"btnDlgNOS2", "  Open Palette  "},
            {"btnDlgNOS3", "  Save Palette  "},
            {"imgFix1", "  On Top  "},
            {"imgFix2", "  On Top  "},
            {"picStep", "  Last color  "},
            {"picRefer", "  Actual color  "},
        };
        for (const auto& [name, tip] : tips) {
            auto* w = f_->mdi->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(w != nullptr, name);
            QCOMPARE(w->toolTip(), QString::fromLatin1(tip));
        }
        for (int i = 1; i <= 7; ++i) {
            QCOMPARE(f_->mdi->btnCopy(i)->toolTip(), QStringLiteral("  Copy to Clipboard  "));
        }
    }

    void startsOnTopAndToggles() {
        QVERIFY(f_->mdi->isOnTop());
        auto* fix1 = f_->mdi->findChild<QWidget*>(QStringLiteral("imgFix1"));
        auto* fix2 = f_->mdi->findChild<QWidget*>(QStringLiteral("imgFix2"));
        QVERIFY(fix2->isVisibleTo(f_->mdi.get()) && !fix1->isVisibleTo(f_->mdi.get()));
        f_->mdi->toggleOnTop();
        QVERIFY(!f_->mdi->isOnTop());
        QVERIFY(fix1->isVisibleTo(f_->mdi.get()) && !fix2->isVisibleTo(f_->mdi.get()));
        f_->mdi->toggleOnTop();
        QVERIFY(f_->mdi->isOnTop());
        QVERIFY(fix2->isVisibleTo(f_->mdi.get()) && !fix1->isVisibleTo(f_->mdi.get()));
    }

    void copyPutsTheFieldAsShownOnTheClipboard() {
        f_->mdi->show();
        QVERIFY(QTest::qWaitForWindowActive(f_->mdi.get()));
        auto* data = new QMimeData;
        data->setHtml(QStringLiteral("<b>old</b>"));
        QGuiApplication::clipboard()->setMimeData(data);
        f_->mdi->mostraCodigos(kWhite);
        QTest::mouseClick(f_->mdi->btnCopy(5), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0xFFFFFF"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
        QLineEdit* java = f_->field("txtHEX_JAVA");
        QCOMPARE(java->selectedText(), QStringLiteral("0xFFFFFF"));
        QVERIFY(java->hasFocus());
        f_->mdi->mostraCodigos(kBlack);
        f_->mdi->copyToClipboard(5);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0x000000"));
        f_->mdi->copyToClipboard(7);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#000000"));
        f_->mdi->copyToClipboard(8); // no such button: nothing happens
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#000000"));
    }

private:
    std::unique_ptr<MdiFixture> f_;
};

QTEST_MAIN(MdiTest)
#include "MdiTest.moc"
