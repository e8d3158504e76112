#include "palette/NamedStrip.h"
#include "palette/NamesPanel.h"
#include "widgets/DragColor.h"

#include <QApplication>
#include <QComboBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

using namespace sv;

namespace {

QString hoverToolTip(NamedStrip& strip, int cell) {
    const QPointF pos = strip.cellRect(cell).center();
    QMouseEvent move(QEvent::MouseMove, pos, strip.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
    return strip.toolTip();
}

std::optional<ColorValue> colour(ColorValue c) {
    return c;
}

} // namespace

class NamedStripTest : public QObject {
    Q_OBJECT
private slots:
    void thePanelListsEveryNameAndPaintsTheChosenPair() {
        QWidget window;
        NamesPanel panel(&window);
        QComboBox* first = panel.firstList();
        QComboBox* second = panel.secondList();
        panel.fillNames();
        for (QComboBox* list : {first, second}) {
            QCOMPARE(list->count(), 2031);
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->itemText(2030), QStringLiteral("Zydeco"));
        }
        QVERIFY(!panel.strip()->cellColor(1)); // nothing painted yet

        panel.open({0, 0});
        QCOMPARE(first->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(second->currentText(), QStringLiteral("Sunset"));
        QCOMPARE(panel.strip()->cellColor(1), colour(rgb(255, 255, 0)));
        QCOMPARE(panel.strip()->cellColor(101), colour(rgb(237, 159, 26)));
        QCOMPARE(panel.strip()->cellColor(196), colour(rgb(220, 67, 51)));
        QCOMPARE(panel.strip()->cellColor(256), colour(rgb(209, 9, 67)));
        // A second opening keeps the chosen second colour.
        second->setCurrentIndex(136); // "Blue"
        panel.open({0, 0});
        QCOMPARE(second->currentText(), QStringLiteral("Blue"));
        QCOMPARE(panel.strip()->cellColor(196), colour(rgb(0, 0, 255)));
        // Reversed, white to black runs on past black.
        first->setCurrentIndex(1976); // "White"
        second->setCurrentIndex(115); // "Black"
        QCOMPARE(panel.strip()->cellColor(196), colour(kBlack));
        QCOMPARE(panel.strip()->cellColor(256), colour(rgb(78, 78, 78)));
    }

    void theKeyboardMovesAFocusCellAndEnterClicksIt() {
        NamedStrip strip;
        strip.show();
        strip.paintStrip(rgb(255, 0, 0), rgb(0, 0, 255));
        QApplication::setActiveWindow(&strip);
        strip.setFocus();
        QSignalSpy clicked(&strip, &NamedStrip::cellClicked);
        for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            QTest::keyClick(&strip, k);
        }
        QCOMPARE(strip.focusCell(), 18);
        QTest::keyClick(&strip, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().value<ColorValue>(), *strip.cellColor(18));
        QTest::keyClick(&strip, Qt::Key_End);
        QTest::keyClick(&strip, Qt::Key_Down);
        QTest::keyClick(&strip, Qt::Key_Right);
        QCOMPARE(strip.focusCell(), 256);
        QTest::keyClick(&strip, Qt::Key_Home);
        QTest::keyClick(&strip, Qt::Key_Up);
        QCOMPARE(strip.focusCell(), 1);
        // The focus cell is framed.
        const QImage picture = strip.grab().toImage();
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(picture.pixelColor(1, 1), QColor(Qt::white));
    }

    void cellsLayoutClicksAndToolTips() {
        NamedStrip strip;
        QCOMPARE(strip.size(), QSize(192, 192));
        QCOMPARE(strip.cellRect(17), QRect(0, 12, 12, 12));
        QCOMPARE(strip.cellAt(QPoint(185, 185)), 256);
        QCOMPARE(strip.cellAt(QPoint(192, 0)), 0);
        strip.show();
        QSignalSpy clicked(&strip, &NamedStrip::cellClicked);
        // Before the strip is painted a cell has no colour to give.
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.cellRect(1).center());
        QCOMPARE(clicked.count(), 0);

        strip.paintStrip(rgb(255, 0, 0), rgb(0, 0, 255));
        QTest::mouseClick(&strip, Qt::LeftButton, {}, strip.cellRect(1).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().value<ColorValue>(), rgb(255, 0, 0));
        QCOMPARE(hoverToolTip(strip, 196), QStringLiteral("#0000FF"));
        QCOMPARE(strip.cursor().shape(), Qt::BitmapCursor);
    }

    void aDragCarriesTheCellColourFromTheNamedStrip() {
        NamedStrip strip;
        strip.paintStrip(kBlack, kWhite);
        const QCursor paintDrop = strip.cursor();
        strip.setDragEnabled(true);
        QVERIFY(strip.cursor().pixmap().toImage() != paintDrop.pixmap().toImage());
        std::unique_ptr<QMimeData> data(strip.dragData(196));
        QCOMPARE(dragSource(data.get()), std::optional(DragSource::NamedColorStrip));
        QCOMPARE(dragColor(data.get()), colour(kWhite));

        // With dragging on, a press released in place still picks the cell.
        strip.show();
        QSignalSpy clicked(&strip, &NamedStrip::cellClicked);
        QTest::mousePress(&strip, Qt::LeftButton, {}, strip.cellRect(2).center());
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&strip, Qt::LeftButton, {}, strip.cellRect(2).center());
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(NamedStripTest)
#include "NamedStripTest.moc"
