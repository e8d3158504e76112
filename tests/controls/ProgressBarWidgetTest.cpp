#include "controls/ProgressBar.h"

#include <QAccessible>
#include <QImage>
#include <QtTest>

using sv::ProgressBar;

namespace {

QImage render(ProgressBar& bar) {
    return bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb bgr(int v) {
    return qRgb(v & 255, (v >> 8) & 255, (v >> 16) & 255);
}

} // namespace

class ProgressBarWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void glowFillsUpTo544At100Percent() {
        ProgressBar bar(ProgressBar::Look::Glow);
        bar.resize(549, 14);
        bar.setColor(QColor(0, 0xC0, 0));
        bar.setMaximum(2031);
        bar.setValue(2031);
        QCOMPARE(bar.percent(), 100);
        const QImage img = render(bar);
        const QRgb yellow = bgr(0x09FFFA);
        QCOMPARE(img.pixel(0, 5), yellow);   // frame
        QCOMPARE(img.pixel(544, 5), yellow); // edge line at the fill edge
        QCOMPARE(img.pixel(544, 11), yellow);
        QCOMPARE(img.pixel(3, 3), yellow);         // fill starts near-white (yellow) at the top
        QCOMPARE(img.pixel(3, 11), bgr(0x00C000)); // and ends in the colour
        QCOMPARE(img.pixel(543, 11), bgr(0x00C000));
        // Right of the edge the background shows: colour at the top, yellow at the bottom.
        QCOMPARE(img.pixel(546, 2), bgr(0x00C000));
        QCOMPARE(img.pixel(546, 11), yellow);
        QCOMPARE(img.pixel(547, 5), qRgb(255, 255, 255));
    }

    void etchedLookHalfFilledOn194Pixels() {
        ProgressBar bar(ProgressBar::Look::Etched);
        bar.resize(194, 12);
        bar.setColor(QColor(0x40, 0x40, 0x40));
        bar.setValue(50);
        const QImage img = render(bar);
        QCOMPARE(img.pixel(2, 2), bgr(0xA8A8A8));
        QCOMPARE(img.pixel(2, 8), bgr(0xA8A8A8));
        QCOMPARE(img.pixel(97, 5), bgr(0xD5D5D5));
        QCOMPARE(img.pixel(98, 5), qRgb(255, 255, 255));
        QCOMPARE(img.pixel(50, 9), qRgb(255, 255, 255)); // lines end above y = 9
    }

    void screenReadersSeeTheProgress() {
        ProgressBar bar(ProgressBar::Look::Glow);
        bar.setMaximum(2031);
        bar.advanceTo(1000);
        bar.advanceTo(1001); // the same 49 %: not set
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(a->role(), QAccessible::ProgressBar);
        QCOMPARE(a->valueInterface()->currentValue().toInt(), 1000);
        QCOMPARE(a->valueInterface()->maximumValue().toInt(), 2031);
        bar.advanceTo(2031); // the end is always set
        QCOMPARE(a->valueInterface()->currentValue().toInt(), 2031);
    }

    void bothLooksDrawWithoutFailingAtAnySize() {
        for (const auto look : {ProgressBar::Look::Etched, ProgressBar::Look::Glow}) {
            ProgressBar bar(look);
            for (const QSize s : {QSize(0, 0), QSize(3, 2), QSize(40, 200), QSize(300, 20)}) {
                bar.resize(s);
                for (int v : {-5, 0, 37, 100, 1000}) {
                    bar.setValue(v);
                    if (!s.isEmpty()) {
                        QCOMPARE(render(bar).size(), s);
                    }
                }
            }
        }
    }
};

QTEST_MAIN(ProgressBarWidgetTest)
#include "ProgressBarWidgetTest.moc"
