// The colour editor, driven by real key and mouse events: the component fields and sliders,
// the gradient strips and the colour-names panel.

#include "MainWindowFixture.h"

#include "app/ScreenSampler.h"
#include "controls/Slider.h"
#include "gradient/GradientStrip.h"
#include "gradient/GradientStrips.h"
#include "palette/NamedStrip.h"
#include "palette/NamesPanel.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QTest>

using namespace sv;
using namespace sv::test;

class ComponentEditorTest : public MainWindowTestCase {
    Q_OBJECT
private slots:
    void init() {
        MainWindowTestCase::init();
        f_->selection().setCurrent(kWhite);
    }

    void typingEditsAtEachKeyAndEnterShows() {
        QLineEdit* r = f_->field(Channel::Red);
        r->setFocus();
        r->selectAll();
        QTest::keyClicks(r, QStringLiteral("12"));
        // "Actual color" and the slider follow the keystroke; the notations wait.
        QCOMPARE(f_->window->currentSwatch()->backColor(), rgb(12, 255, 255));
        QCOMPARE(f_->window->editor()->slider(Channel::Red)->value(), 12);
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#FFFFFF"));
        QTest::keyClick(r, Qt::Key_Return);
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#0CFFFF"));
        QCOMPARE(f_->selection().previous(), kWhite);

        // 300 counts as 255 and reads 255 after Enter.
        r->selectAll();
        QTest::keyClicks(r, QStringLiteral("300"));
        QTest::keyClick(r, Qt::Key_Enter);
        QCOMPARE(r->text(), QStringLiteral("255"));
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#FFFFFF"));
    }

    void onlyDigitsGetIntoAField() {
        QLineEdit* g = f_->field(Channel::Green);
        g->setFocus();
        g->selectAll();
        QTest::keyClicks(g, QStringLiteral("a1b2-c"));
        QCOMPARE(g->text(), QStringLiteral("12"));
        // Pasted text keeps its digits, by the keyboard and by the menu alike.
        for (const QString& pasted : {QStringLiteral(" 45"), QStringLiteral("45\n")}) {
            QGuiApplication::clipboard()->setText(pasted);
            g->selectAll();
            QTest::keyClick(g, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(g->text(), QStringLiteral("45"));
            g->selectAll();
            g->paste();
            QCOMPARE(g->text(), QStringLiteral("45"));
        }
        QCOMPARE(f_->selection().current(), rgb(255, 45, 255));
        // Clearing a field gives 0 at once.
        g->selectAll();
        QTest::keyClick(g, Qt::Key_Backspace);
        QCOMPARE(g->text(), QStringLiteral("0"));
        QCOMPARE(f_->selection().current(), rgb(255, 0, 255));
    }

    void steppingStopsAtTheEnds() {
        QLineEdit* b = f_->field(Channel::Blue);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Up);
        QCOMPARE(b->text(), QStringLiteral("255"));
        QTest::keyClick(b, Qt::Key_Down);
        QTest::keyClick(b, Qt::Key_PageDown);
        QCOMPARE(f_->selection().current(), rgb(255, 255, 253));
        QCOMPARE(f_->notation(Notation::Photoshop), QStringLiteral("FFFFFF"));
        f_->selection().setCurrent(kBlack);
        QTest::keyClick(b, Qt::Key_Down);
        QCOMPARE(b->text(), QStringLiteral("0"));
        QTest::keyClick(b, Qt::Key_PageUp);
        QCOMPARE(b->text(), QStringLiteral("1"));
    }

    void aSliderWritesItsFieldOnPressAndRelease() {
        Slider* green = f_->window->editor()->slider(Channel::Green);
        QLineEdit* field = f_->field(Channel::Green);
        QTest::mousePress(green, Qt::LeftButton, {}, QPoint(2, 8));
        const int pressed = green->value();
        QVERIFY(pressed < 20);
        QCOMPARE(field->text(), QString::number(pressed));
        QCOMPARE(f_->selection().current(), rgb(255, pressed, 255));
        // Held and dragged: the field waits for the release.
        QTest::mouseMove(green, QPoint(70, 8));
        QVERIFY(green->value() > 100);
        QCOMPARE(field->text(), QString::number(pressed));
        QTest::mouseRelease(green, Qt::LeftButton, {}, QPoint(70, 8));
        QCOMPARE(field->text(), QString::number(green->value()));
        QCOMPARE(f_->selection().current(), rgb(255, green->value(), 255));
    }

    void aSliderStepsByKeyAsADragReleasedThere() {
        f_->selection().setCurrent(rgb(255, 100, 255));
        QApplication::setActiveWindow(f_->window.get());
        QLineEdit* greenField = f_->field(Channel::Green);
        greenField->setFocus();
        QTest::keyClick(greenField, Qt::Key_Tab); // the green slider follows its field
        Slider* green = f_->window->editor()->slider(Channel::Green);
        QVERIFY(green->hasFocus());
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 101},  {Qt::Key_Up, 102},
                                                 {Qt::Key_Down, 101},   {Qt::Key_Left, 100},
                                                 {Qt::Key_PageUp, 116}, {Qt::Key_PageDown, 100},
                                                 {Qt::Key_End, 255},    {Qt::Key_Right, 255},
                                                 {Qt::Key_Home, 0},     {Qt::Key_Left, 0}};
        for (const auto& [key, value] : steps) {
            QTest::keyClick(green, key);
            QCOMPARE(green->value(), value);
            QCOMPARE(greenField->text(), QString::number(value));
            QCOMPARE(f_->selection().current(), rgb(255, value, 255));
        }
        // The slider with the focus is framed so a keyboard user sees where they are.
        QCOMPARE(green->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
        greenField->setFocus();
        QVERIFY(green->grab().toImage().pixelColor(0, 0) != QColor(Qt::black));
    }

    void theStripsTryShowAndRestoreColours() {
        f_->selection().setCurrent(rgb(255, 0, 0));
        f_->selection().setCurrent(rgb(0, 0, 255));
        GradientStrips* strips = f_->window->gradientStrips();
        GradientStrip* blend = strips->blendStrip();
        const QPoint mid(blend->width() / 2, 10);
        const ColorValue tried = *blend->colorAt(mid);
        QTest::mouseClick(blend, Qt::LeftButton, {}, mid);
        QCOMPARE(f_->window->currentSwatch()->backColor(), tried);
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#0000FF"));

        // "Last color" comes back and the notations follow.
        QTest::mouseClick(f_->window->previousSwatch(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#FF0000"));

        GradientStrip* spectrum = strips->spectrumStrip();
        const ColorValue chosen = *spectrum->colorAt(QPoint(3, 10));
        QTest::mouseClick(spectrum, Qt::LeftButton, {}, QPoint(3, 10));
        QCOMPARE(f_->selection().current(), chosen);
        QCOMPARE(blend->columns().front(), chosen);
        QCOMPARE(blend->columns().back(), rgb(255, 0, 0));
    }

    void theStripsWorkFromTheKeyboard() {
        f_->selection().setCurrent(rgb(255, 0, 0));
        f_->selection().setCurrent(rgb(0, 0, 255));
        QApplication::setActiveWindow(f_->window.get());
        GradientStrip* blend = f_->window->gradientStrips()->blendStrip();
        blend->setFocus();
        QVERIFY(blend->hasFocus());
        QTest::keyClick(blend, Qt::Key_End);
        QTest::keyClick(blend, Qt::Key_PageDown);
        QTest::keyClick(blend, Qt::Key_Left);
        const int column = blend->width() - 1 - 16 - 1;
        QCOMPARE(blend->focusColumn(), column);
        const ColorValue tried = *blend->colorAt(QPoint(column, 1));
        QTest::keyClick(blend, Qt::Key_Return); // tried as a click there would
        QCOMPARE(f_->window->currentSwatch()->backColor(), tried);

        GradientStrip* spectrum = f_->window->gradientStrips()->spectrumStrip();
        spectrum->setFocus();
        QTest::keyClick(spectrum, Qt::Key_Home);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(spectrum, Qt::Key_Right);
        }
        const ColorValue chosen = *spectrum->colorAt(QPoint(3, 1));
        QTest::keyClick(spectrum, Qt::Key_Space);
        QCOMPARE(f_->selection().current(), chosen);
    }

    void theStripsFollowAPickAsTheOptionSays() {
        GradientStrip* blend = f_->window->gradientStrips()->blendStrip();
        ScreenSampler* sampler = f_->window->sampler();
        f_->screen.fill(QRect(0, 0, 50, 50), rgb(0, 128, 0));
        f_->screen.pos = QPoint(10, 10);

        f_->options.set(OptionKey::CreateGradient, 1);
        const auto before = blend->columns();
        sampler->start();
        sampler->tick();
        QCOMPARE(f_->selection().current(), rgb(0, 128, 0));
        QCOMPARE(blend->columns(), before);
        // A pixel off every screen keeps the colour.
        f_->screen.pos = QPoint(5000, 5000);
        sampler->tick();
        QCOMPARE(f_->selection().current(), rgb(0, 128, 0));
        sampler->stop();
        QCOMPARE(blend->columns().front(), rgb(0, 128, 0));

        f_->options.set(OptionKey::CreateGradient, 2);
        f_->screen.fill(QRect(0, 0, 50, 50), rgb(0, 0, 128));
        f_->screen.pos = QPoint(20, 20);
        sampler->start();
        sampler->tick();
        QCOMPARE(blend->columns().front(), rgb(0, 0, 128));
        sampler->stop();
    }
};

QTEST_MAIN(ComponentEditorTest)
#include "ComponentEditorTest.moc"
