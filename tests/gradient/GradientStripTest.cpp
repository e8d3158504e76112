#include "gradient/GradientStrip.h"
#include "gradient/GradientMath.h"
#include "gradient/GradientPainter.h"
#include "widgets/QtColor.h"

#include <QSignalSpy>
#include <QTest>

using sv::GradientStrip;

class GradientStripTest : public QObject {
    Q_OBJECT

private slots:
    void clicksReadExactlyWhatIsShown() {
        QWidget window;
        GradientStrip grad1("picGrad1", &window);
        GradientStrip grad2("picGrad2", &window);
        grad1.setGeometry(52, 417, 271, 30);
        grad2.setGeometry(322, 417, 366, 30);
        grad1.setBackColor(0xE0E0E0);
        grad2.setBackColor(0xC0C0C0);
        window.resize(700, 460);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        sv::updateGradientStrips(grad1, grad2, "255", "0", "0", sv::kBlack);
        QCOMPARE(grad1.colorAt(QPoint(0, 5)), std::optional<sv::ColorValue>(sv::rgb(255, 0, 0)));
        QCOMPARE(grad2.colorAt(QPoint(0, 5)), std::optional<sv::ColorValue>(sv::rgb(5, 0, 0)));
        QCOMPARE(grad1.colorAt(QPoint(270, 5)), std::optional<sv::ColorValue>(sv::rgb(1, 0, 0)));
        // The spectrum ends inside the strip: the rest shows the background.
        QCOMPARE(grad2.colorAt(QPoint(365, 29)), std::optional<sv::ColorValue>(0xC0C0C0));

        for (GradientStrip* strip : {&grad1, &grad2}) {
            const QImage image = strip->grab().toImage();
            for (int x = 0; x < strip->width(); x += 7) {
                for (int y : {0, 29}) {
                    const auto c = strip->colorAt(QPoint(x, y));
                    QVERIFY(c.has_value());
                    QCOMPARE(image.pixelColor(x, y), sv::toQColor(*c));
                }
            }
            QVERIFY(!strip->colorAt(QPoint(-1, 5)).has_value());
            QVERIFY(!strip->colorAt(QPoint(strip->width(), 5)).has_value());
            QVERIFY(!strip->colorAt(QPoint(5, 30)).has_value());
        }
        QVERIFY(!sv::colorFromPick(grad1.colorAt(QPoint(-1, 0))).has_value());
    }

    void pressAndMoveAreReported() {
        GradientStrip strip("picGrad1");
        strip.resize(271, 30);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        QSignalSpy pressed(&strip, &GradientStrip::pressed);
        QTest::mousePress(&strip, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(pressed.at(0).at(1).toPoint(), QPoint(40, 10));
        QTest::mouseMove(&strip, QPoint(50, 12));
        QCOMPARE(strip.cursor().shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(GradientStripTest)
#include "GradientStripTest.moc"
