#include "controls/Slider.h"
#include "widgets/QtColor.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using sv::Slider;

class SliderTest : public QObject {
    Q_OBJECT

private:
    // Every announcement of a slider, in order.
    static QStringList* record(Slider& s) {
        auto* log = new QStringList;
        QObject::connect(&s, &QObject::destroyed, [log] { delete log; });
        QObject::connect(&s, &Slider::clicked, [log] { log->append("clicked"); });
        QObject::connect(&s, &Slider::minimumReached, [log] { log->append("minimum"); });
        QObject::connect(&s, &Slider::maximumReached, [log] { log->append("maximum"); });
        QObject::connect(&s, &Slider::valueChanged,
                         [log](int v) { log->append(QString("value %1").arg(v)); });
        QObject::connect(&s, &Slider::pressed,
                         [log](int b) { log->append(QString("pressed %1").arg(b)); });
        QObject::connect(&s, &Slider::released,
                         [log](int b) { log->append(QString("released %1").arg(b)); });
        return log;
    }

    // A main-window slider: 135 × 16, shown.
    static void place(Slider& s) {
        s.resize(135, 16);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
    }

private slots:
    void valueWritesAnnounceInOrderWithToolTips() {
        Slider s;
        place(s);
        QStringList* log = record(s);
        s.setValue(255);
        QCOMPARE(*log, (QStringList{"value 255", "maximum"}));
        QCOMPARE(s.toolTip(), QString(" < 255"));
        log->clear();
        s.setValue(0);
        s.setValue(0);
        s.setValue(300);
        QCOMPARE(*log, (QStringList{"value 0", "minimum"}));
        QVERIFY(s.setProperty("value", 77));
        QCOMPARE(s.value(), 77);
    }

    void pressBesideTheThumbJumpsAndDragPinsAtTheEnds() {
        Slider s;
        QLineEdit host;
        s.setHostField(&host);
        place(s);
        QStringList* log = record(s);
        QTest::mousePress(&s, Qt::LeftButton, {}, QPoint(60, 8));
        QCOMPARE(s.value(), 111);
        QCOMPARE(host.text(), QString("111"));
        QCOMPARE(*log, (QStringList{"value 111", "pressed 1"}));

        log->clear();
        QTest::mouseMove(&s, QPoint(-40, 8));
        QCOMPARE(s.value(), 0);
        QCOMPARE(*log, (QStringList{"value 0", "minimum"}));
        QTest::mouseMove(&s, QPoint(400, 8));
        QCOMPARE(s.value(), 255);
        QCOMPARE(host.text(), QString("111")); // nothing is written while dragging
        log->clear();
        QTest::mouseRelease(&s, Qt::LeftButton, {}, QPoint(400, 8));
        QCOMPARE(*log, QStringList{"released 1"}); // released outside: no click
        QCOMPARE(host.text(), QString("255"));
    }

    void fillAndThumbArePainted() {
        Slider s;
        s.setBackColor(0xE0E0E0);
        s.setForeColor(0x0000FF);
        s.setSegmented(true);
        place(s);
        s.setValue(100); // 53 fill lines; thumb at 46.7
        s.clearFocus();  // no focus frame over the fill
        const QImage image = s.grab().toImage();
        const QColor back = sv::toQColor(0xE0E0E0);
        const QColor red = sv::toQColor(0x0000FF);
        QCOMPARE(image.pixelColor(0, 8), back);
        QCOMPARE(image.pixelColor(1, 8), red);
        QCOMPARE(image.pixelColor(3, 8), back); // every third line is a gap
        QCOMPARE(image.pixelColor(4, 8), red);
        QCOMPARE(image.pixelColor(4, 1), back);
        QCOMPARE(image.pixelColor(4, 14), back);
        QVERIFY(image.pixelColor(54, 8) != red); // the thumb covers the end of the fill
        QCOMPARE(image.pixelColor(100, 8), back);
    }
};

QTEST_MAIN(SliderTest)
#include "SliderTest.moc"
