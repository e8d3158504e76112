// The slider driven as people use it: a held press that drags, a press beside the thumb, keys.
#include "controls/Slider.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using sv::Slider;

class SliderTest : public QObject {
    Q_OBJECT

private:
    // A main-window slider: 135 × 16, shown.
    static void place(Slider& s, QSize size = {135, 16}) {
        s.resize(size);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
    }

private slots:
    void valueIsClampedAndAnnouncedOnlyWhenItChanges() {
        Slider s(Qt::Horizontal);
        QSignalSpy changed(&s, &Slider::valueChanged);
        s.setValue(300);
        s.setValue(255);
        s.setValue(-4);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toInt(), 255);
        QCOMPARE(s.value(), 0);
        QCOMPARE(s.toolTip(), QString("0 > "));
        QVERIFY(s.setProperty("value", 77));
        QCOMPARE(s.toolTip(), QString(" < 77 > "));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&s);
        QCOMPARE(a->role(), QAccessible::Slider);
        QCOMPARE(a->valueInterface()->currentValue().toInt(), 77);
        a->valueInterface()->setCurrentValue(12);
        QCOMPARE(s.value(), 12);
    }

    void aHeldPressBesideTheThumbJumpsThenDragsAndPinsAtTheEnds() {
        Slider s(Qt::Horizontal);
        place(s);
        QSignalSpy pressed(&s, &Slider::sliderPressed);
        QSignalSpy released(&s, &Slider::valueChosen);
        QSignalSpy changed(&s, &Slider::valueChanged);
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(s.value(), 111); // thumb centred on 60: 52 / 119 × 255
        QCOMPARE(pressed.count(), 1);
        QTest::mouseMove(&s, QPoint(-40, 8));
        QCOMPARE(s.value(), 0);
        QTest::mouseMove(&s, QPoint(400, 8));
        QCOMPARE(s.value(), 255);
        QCOMPARE(released.count(), 0); // nothing is settled while the button is held
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(400, 8));
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.at(0).at(0).toInt(), 255);
        QCOMPARE(changed.count(), 3);

        // Grabbing the thumb itself keeps the grip: a 10-pixel move is 10 pixels of track.
        s.setValue(0);
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(3, 8));
        QCOMPARE(s.value(), 0);
        QTest::mouseMove(&s, QPoint(13, 8));
        QCOMPARE(s.value(), 21); // 10 / 119 × 255 = 21.4
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(13, 8));

        // Other buttons neither drag nor settle.
        QTest::mousePress(&s, Qt::RightButton, {}, QPoint(100, 8));
        QTest::mouseRelease(&s, Qt::RightButton, {}, QPoint(100, 8));
        QCOMPARE(s.value(), 21);
        QCOMPARE(pressed.count(), 2);
        QCOMPARE(released.count(), 2);
    }

    void aVerticalSliderGrowsUpwards() {
        Slider s(Qt::Vertical);
        QCOMPARE(s.sizeHint().width(), 16); // as wide as its thumb
        place(s, {16, 104});
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(8, 96));
        QCOMPARE(s.value(), 0);
        QTest::mouseMove(&s, QPoint(8, -50));
        QCOMPARE(s.value(), 255);
        QTest::mouseMove(&s, QPoint(8, 52)); // thumb top at 44 of 88
        QCOMPARE(s.value(), 128);
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(8, 52));
    }

    void eachKeyIsADragReleasedAtTheNewValue() {
        Slider s(Qt::Horizontal);
        place(s);
        s.setFocus();
        QSignalSpy released(&s, &Slider::valueChosen);
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_End, 255},      {Qt::Key_Right, 255}, {Qt::Key_Left, 254},
            {Qt::Key_PageDown, 238}, {Qt::Key_Down, 237},  {Qt::Key_PageUp, 253},
            {Qt::Key_Up, 254},       {Qt::Key_Home, 0},    {Qt::Key_Down, 0},
        };
        for (const auto& [key, value] : steps) {
            QTest::keyClick(&s, key);
            QCOMPARE(s.value(), value);
            QCOMPARE(released.takeLast().at(0).toInt(), value);
        }
    }

    void fillAndThumbArePainted() {
        Slider s(Qt::Horizontal);
        s.setTrackColor(QColor(0xE0, 0xE0, 0xE0));
        s.setFillColor(Qt::red);
        s.setSegmented(true);
        place(s);
        s.setValue(100); // 53 fill lines; thumb at 46.7
        s.clearFocus();  // no focus frame over the fill
        const QImage image = s.grab().toImage();
        const QColor back(0xE0, 0xE0, 0xE0);
        const QColor red(Qt::red);
        QCOMPARE(image.pixelColor(0, 8), back);
        QCOMPARE(image.pixelColor(1, 8), red);
        QCOMPARE(image.pixelColor(3, 8), back); // every third line is a gap
        QCOMPARE(image.pixelColor(4, 8), red);
        QCOMPARE(image.pixelColor(4, 1), back);
        QCOMPARE(image.pixelColor(4, 14), back);
        QVERIFY(image.pixelColor(54, 8) != red); // the thumb covers the end of the fill
        QCOMPARE(image.pixelColor(100, 8), back);

        // Unset colours follow the theme.
        Slider themed(Qt::Horizontal);
        QPalette pal = themed.palette();
        pal.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
        pal.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
        themed.setPalette(pal);
        themed.setValue(255);
        place(themed);
        themed.clearFocus();
        const QImage dark = themed.grab().toImage();
        QCOMPARE(dark.pixelColor(0, 8), QColor(0x30, 0x30, 0x30));
        QCOMPARE(dark.pixelColor(60, 8), QColor(0xF0, 0xF0, 0xF0));
    }
};

QTEST_MAIN(SliderTest)
#include "SliderTest.moc"
