#include "gradient/GradientStrip.h"
#include "gradient/GradientStrips.h"
#include "widgets/Artwork.h"
#include "widgets/QtColor.h"

#include <QSignalSpy>
#include <QTest>

using namespace sv;

class GradientStripTest : public QObject {
    Q_OBJECT

private slots:
    void clicksReadExactlyWhatIsShown() {
        QWidget window;
        GradientStrips strips(QRect(52, 417, 271, 30), QRect(322, 417, 366, 30), &window);
        window.resize(700, 460);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy tried(&strips, &GradientStrips::colorTried);
        QSignalSpy chosen(&strips, &GradientStrips::colorChosen);

        strips.redraw(rgb(255, 0, 0), kBlack);
        GradientStrip* blend = strips.blendStrip();
        GradientStrip* spectrum = strips.spectrumStrip();
        QCOMPARE(blend->colorAt(QPoint(0, 5)), std::optional<ColorValue>(rgb(255, 0, 0)));
        QCOMPARE(blend->colorAt(QPoint(270, 5)), std::optional<ColorValue>(rgb(1, 0, 0)));
        QCOMPARE(spectrum->colorAt(QPoint(0, 5)), std::optional<ColorValue>(rgb(5, 0, 0)));
        // The spectrum ends inside the strip: the rest shows the background.
        QCOMPARE(spectrum->colorAt(QPoint(365, 29)), std::optional<ColorValue>(0xC0C0C0));

        for (GradientStrip* strip : {blend, spectrum}) {
            strip->clearFocus(); // no focus frame over the columns
            const QImage image = strip->grab().toImage();
            for (int x = 0; x < strip->width(); x += 7) {
                for (int y : {0, 29}) {
                    QCOMPARE(image.pixelColor(x, y), toQColor(*strip->colorAt(QPoint(x, y))));
                }
            }
            QVERIFY(!strip->colorAt(QPoint(strip->width(), 5)).has_value());
            QVERIFY(!strip->colorAt(QPoint(5, 30)).has_value());
        }

        QTest::mouseClick(blend, Qt::RightButton, {}, QPoint(0, 5));
        QCOMPARE(tried.count(), 1);
        QCOMPARE(tried.at(0).at(0).value<ColorValue>(), rgb(255, 0, 0));
        QTest::mouseClick(spectrum, Qt::LeftButton, {}, QPoint(365, 5));
        QCOMPARE(chosen.at(0).at(0).value<std::optional<ColorValue>>(),
                 std::optional<ColorValue>(0xC0C0C0));
        QCOMPARE(blend->cursor().shape(), appCursor(AppCursor::PointingHand).shape());
    }
};

QTEST_MAIN(GradientStripTest)
#include "GradientStripTest.moc"
