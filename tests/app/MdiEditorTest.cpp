// The colour editor of the main window: component fields, sliders, gradient strips and the
// colour-names panel, driven by real key and mouse events.

#include "MdiTestSupport.h"

#include "controls/Slider.h"
#include "gradient/GradientStrip.h"
#include "palette/NamedColorLists.h"
#include "palette/NamedStrip.h"
#include "widgets/ImageButton.h"

#include <QComboBox>
#include <QTest>

using namespace sv;
using namespace sv::test;

class MdiEditorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f_ = std::make_unique<MdiFixture>();
        f_->mdi->show();
        QVERIFY(QTest::qWaitForWindowExposed(f_->mdi.get()));
        f_->mdi->mostraCodigos(kWhite);
    }
    void cleanup() { f_.reset(); }

    void typingFollowsEveryKeystrokeAndEnterNormalises() {
        QLineEdit* r = f_->field("txtR");
        r->setFocus();
        r->selectAll();
        QTest::keyClicks(r, QStringLiteral("300"));
        QCOMPARE(r->text(), QStringLiteral("300"));
        // "Actual color" follows the keystroke (300 counts as 255); the notations wait.
        QCOMPARE(f_->mdi->currentColor(), kWhite);
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#FFFFFF"));
        r->selectAll();
        QTest::keyClicks(r, QStringLiteral("12"));
        QCOMPARE(f_->mdi->currentColor(), rgb(12, 255, 255));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#FFFFFF"));
        QCOMPARE(f_->mdi->findChild<Slider*>(QStringLiteral("HSR"))->requestedValue(), 12);
        QTest::keyClick(r, Qt::Key_Return);
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#0CFFFF"));
        QCOMPARE(f_->mdi->lastColor(), kWhite);

        r->selectAll();
        QTest::keyClicks(r, QStringLiteral("300"));
        QTest::keyClick(r, Qt::Key_Enter);
        QCOMPARE(r->text(), QStringLiteral("255"));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#FFFFFF"));
    }

    void lettersAreDiscarded() {
        QLineEdit* g = f_->field("txtG");
        g->setFocus();
        g->selectAll();
        QTest::keyClicks(g, QStringLiteral("a1b2-c"));
        QCOMPARE(g->text(), QStringLiteral("12"));
    }

    void clearingAFieldGivesZeroAtOnce() {
        QLineEdit* g = f_->field("txtG");
        g->setFocus();
        g->selectAll();
        QTest::keyClick(g, Qt::Key_Backspace);
        QCOMPARE(g->text(), QStringLiteral("0"));
        QCOMPARE(f_->mdi->currentColor(), rgb(255, 0, 255));
    }

    void steppingStopsAtTheEnds() {
        QLineEdit* b = f_->field("txtB");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Up);
        QCOMPARE(b->text(), QStringLiteral("255"));
        QTest::keyClick(b, Qt::Key_Down);
        QTest::keyClick(b, Qt::Key_PageDown);
        QCOMPARE(b->text(), QStringLiteral("253"));
        QCOMPARE(f_->mdi->currentColor(), rgb(255, 255, 253));
        // The notations follow only on Enter.
        QCOMPARE(f_->text("txtHEX_PHOTOSHOP"), QStringLiteral("FFFFFF"));
        f_->mdi->mostraCodigos(kBlack);
        QTest::keyClick(b, Qt::Key_Down);
        QCOMPARE(b->text(), QStringLiteral("0"));
        QTest::keyClick(b, Qt::Key_PageUp);
        QCOMPARE(b->text(), QStringLiteral("1"));
    }

    void sliderPressAndReleaseWriteTheField() {
        auto* hsg = f_->mdi->findChild<Slider*>(QStringLiteral("HSG"));
        QVERIFY(hsg != nullptr);
        QTest::mousePress(hsg, Qt::LeftButton, {}, QPoint(2, 8));
        QTest::mouseRelease(hsg, Qt::LeftButton, {}, QPoint(2, 8));
        const int v = hsg->requestedValue();
        QVERIFY(v < 20);
        QCOMPARE(f_->text("txtG"), QString::number(v));
        QCOMPARE(f_->mdi->currentColor(), rgb(255, v, 255));
        // A right press does not drag but still writes the field.
        f_->field("txtG")->setText(QStringLiteral("200"));
        QCOMPARE(hsg->requestedValue(), 200);
        QTest::mousePress(hsg, Qt::RightButton, {}, QPoint(2, 8));
        QCOMPARE(f_->text("txtG"), QStringLiteral("200"));
        QTest::mouseRelease(hsg, Qt::RightButton, {}, QPoint(2, 8));
    }

    void firstStripShowsOnlySecondStripMakesCurrent() {
        f_->mdi->mostraCodigos(rgb(255, 0, 0));
        f_->mdi->mostraCodigos(rgb(0, 0, 255)); // strips: blue -> red, red fading
        auto* grad1 = f_->mdi->findChild<GradientStrip*>(QStringLiteral("picGrad1"));
        auto* grad2 = f_->mdi->findChild<GradientStrip*>(QStringLiteral("picGrad2"));
        const QPoint mid(grad1->width() / 2, 10);
        const ColorValue shown = *grad1->colorAt(mid);
        QTest::mouseClick(grad1, Qt::LeftButton, {}, mid);
        QCOMPARE(f_->mdi->currentColor(), shown);
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#0000FF"));

        // "Last color" restores its colour and rewrites the fields.
        auto* picStep = f_->mdi->findChild<QWidget*>(QStringLiteral("picStep"));
        QTest::mouseClick(picStep, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f_->mdi->currentColor(), rgb(255, 0, 0));
        QCOMPARE(f_->text("txtHEX_HTML"), QStringLiteral("#FF0000"));

        const ColorValue second = *grad2->colorAt(QPoint(3, 10));
        QTest::mouseClick(grad2, Qt::LeftButton, {}, QPoint(3, 10));
        QCOMPARE(f_->mdi->currentColor(), second);
        QCOMPARE(f_->text("txtHEX_HTML"), QString::fromStdString(makeNotations(second).html));
        // Both strips were redrawn: the first now runs from the picked colour to red.
        QCOMPARE(*grad1->colorAt(QPoint(0, 10)), second);
        QCOMPARE(grad1->columns().back(), rgb(255, 0, 0));
    }

    void createGradientOneWaitsForTheEndOfAPick() {
        auto* grad1 = f_->mdi->findChild<GradientStrip*>(QStringLiteral("picGrad1"));
        f_->screen.fill(QRect(0, 0, 50, 50), rgb(0, 128, 0));
        f_->options.set(OptionKey::CreateGradient, 1);
        const auto before = grad1->columns();
        f_->mdi->startSampling();
        f_->screen.pos = QPoint(10, 10);
        f_->mdi->samplingTick();
        QCOMPARE(f_->mdi->currentColor(), rgb(0, 128, 0));
        QCOMPARE(grad1->columns(), before);
        f_->mdi->eventoPicRefer();
        QCOMPARE(*grad1->colorAt(QPoint(0, 5)), rgb(0, 128, 0));
    }

    void createGradientTwoFollowsEveryColour() {
        auto* grad1 = f_->mdi->findChild<GradientStrip*>(QStringLiteral("picGrad1"));
        f_->screen.fill(QRect(0, 0, 50, 50), rgb(0, 128, 0));
        f_->options.set(OptionKey::CreateGradient, 2);
        f_->mdi->startSampling();
        f_->screen.pos = QPoint(10, 10);
        f_->mdi->samplingTick();
        QCOMPARE(*grad1->colorAt(QPoint(0, 5)), rgb(0, 128, 0));
        f_->mdi->eventoPicRefer();
    }

    void namesPanelOpensOnYellowAndSunsetAndItsCellsPick() {
        auto* cmb1 = f_->mdi->namesList(1);
        auto* cmb2 = f_->mdi->namesList(2);
        NamedColorLists::fillNameLists(cmb1, cmb2);
        QTest::mouseClick(f_->mdi->findChild<ImageButton*>(QStringLiteral("btnEdit")), Qt::LeftButton);
        auto* panel = f_->mdi->findChild<QWidget*>(QStringLiteral("pnlEdit"));
        QVERIFY(panel->isVisible());
        QCOMPARE(cmb1->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(cmb2->currentText(), QStringLiteral("Sunset"));
        auto* strip = f_->mdi->findChild<NamedStrip*>(QStringLiteral("picEdit"));
        QCOMPARE(strip->cellColor(1), rgb(255, 255, 0));
        QCOMPARE(strip->cellColor(196), rgb(220, 67, 51));

        f_->mdi->mostraCodigos(rgb(1, 2, 3));
        QTest::mousePress(strip, Qt::LeftButton, {}, strip->cellRect(196).center());
        QCOMPARE(f_->mdi->currentColor(), rgb(220, 67, 51));
        QCOMPARE(f_->mdi->lastColor(), rgb(1, 2, 3));
        QTest::mouseRelease(strip, Qt::LeftButton, {}, strip->cellRect(196).center());

        QTest::mouseClick(f_->mdi->findChild<ImageButton*>(QStringLiteral("btnCloseEdit")),
                          Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

private:
    std::unique_ptr<MdiFixture> f_;
};

QTEST_MAIN(MdiEditorTest)
#include "MdiEditorTest.moc"
