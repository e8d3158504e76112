#include "palette/NamedStrip.h"
#include "palette/NamedColorLists.h"
#include "palette/NamedColors.h"
#include "widgets/DragColor.h"

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

struct Panel {
    QWidget window;
    QComboBox* cmb1 = new QComboBox(&window);
    QComboBox* cmb2 = new QComboBox(&window);
    NamedStrip* strip = new NamedStrip(&window);
    NamedColorLists* lists = nullptr;

    Panel() {
        NamedColorLists::fillNameLists(cmb1, cmb2);
        lists = new NamedColorLists(cmb1, cmb2, strip, &window);
    }
};

} // namespace

class NamedStripTest : public QObject {
    Q_OBJECT
private slots:
    void listsHoldAllNamesInTableOrderWithoutSelection() {
        Panel p;
        for (QComboBox* list : {p.cmb1, p.cmb2}) {
            QCOMPARE(list->count(), 2031);
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->itemText(0), QStringLiteral("Acadia"));
            QCOMPARE(list->itemText(2030), QStringLiteral("Zydeco"));
            QCOMPARE(list->itemText(NamedColorLists::kYellowPosition), QStringLiteral("Yellow"));
            QCOMPARE(list->itemText(NamedColorLists::kSunsetPosition), QStringLiteral("Sunset"));
        }
        // Name by name, as the splash adds them: still no selection.
        QComboBox a;
        QComboBox b;
        for (int i = 1; i <= 3; ++i) {
            NamedColorLists::appendName(&a, &b, i);
        }
        QCOMPARE(a.count(), 3);
        QCOMPARE(b.itemText(2), QStringLiteral("Acorn"));
        QCOMPARE(a.currentIndex(), -1);
        QCOMPARE(b.currentIndex(), -1);
    }

    void listsFilledOneByOneAfterwardsStayUnselected() {
        QWidget window;
        auto* cmb1 = new QComboBox(&window);
        auto* cmb2 = new QComboBox(&window);
        auto* strip = new NamedStrip(&window);
        NamedColorLists lists(cmb1, cmb2, strip);
        for (int i = 1; i <= kNamedColorCount; ++i) {
            const QString name = QString::fromLatin1(namedColorName(i).data());
            cmb1->addItem(name);
            cmb2->addItem(name);
        }
        QCOMPARE(cmb1->currentIndex(), -1);
        QCOMPARE(cmb2->currentIndex(), -1);
        lists.openPanel();
        QCOMPARE(cmb2->currentText(), QStringLiteral("Sunset"));
        QCOMPARE(strip->cellColor(196), rgb(220, 67, 51));
    }

    void openingThePanelPaintsYellowToSunset() {
        Panel p;
        p.lists->openPanel();
        QCOMPARE(p.cmb1->currentText(), QStringLiteral("Yellow"));
        QCOMPARE(p.cmb2->currentText(), QStringLiteral("Sunset"));
        QCOMPARE(p.strip->cellColor(1), rgb(255, 255, 0));
        QCOMPARE(p.strip->cellColor(101), rgb(237, 159, 26));
        QCOMPARE(p.strip->cellColor(196), rgb(220, 67, 51));
        QCOMPARE(p.strip->cellColor(256), rgb(209, 9, 67));
        // A second opening keeps the chosen second colour.
        p.cmb2->setCurrentIndex(136); // "Blue"
        p.lists->openPanel();
        QCOMPARE(p.cmb2->currentText(), QStringLiteral("Blue"));
        QCOMPARE(p.strip->cellColor(196), rgb(0, 0, 255));
    }

    void choosingInTheLists() {
        Panel p;
        // Second list first, the first without a selection: from black.
        p.cmb2->setCurrentIndex(1976); // "White"
        QCOMPARE(p.cmb1->currentIndex(), -1);
        QCOMPARE(p.strip->cellColor(1), kBlack);
        QCOMPARE(p.strip->cellColor(196), kWhite);
        // The same name in both lists paints every cell in it.
        p.cmb1->setCurrentIndex(1976);
        for (int i = 1; i <= 256; ++i) {
            QCOMPARE(p.strip->cellColor(i), kWhite);
        }
        // Reversed: white to black.
        p.cmb2->setCurrentIndex(115); // "Black"
        QCOMPARE(p.strip->cellColor(196), kBlack);
        QCOMPARE(p.strip->cellColor(256), rgb(78, 78, 78));
    }

    void cellsLayoutClicksAndToolTips() {
        NamedStrip strip;
        QCOMPARE(strip.size(), QSize(192, 192));
        QCOMPARE(strip.objectName(), QStringLiteral("picEdit"));
        QCOMPARE(strip.cellRect(1), QRect(0, 0, 12, 12));
        QCOMPARE(strip.cellRect(17), QRect(0, 12, 12, 12));
        QCOMPARE(strip.cellRect(256), QRect(180, 180, 12, 12));
        QCOMPARE(strip.cellAt(QPoint(185, 185)), 256);
        QCOMPARE(strip.cellAt(QPoint(192, 0)), 0);
        strip.paintStrip(rgb(255, 0, 0), rgb(0, 0, 255));
        strip.show();

        QSignalSpy clicked(&strip, &NamedStrip::cellClicked);
        QTest::mousePress(&strip, Qt::LeftButton, {}, strip.cellRect(1).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().value<ColorValue>(), rgb(255, 0, 0));
        QTest::mouseRelease(&strip, Qt::LeftButton, {}, strip.cellRect(1).center());
        QCOMPARE(hoverToolTip(strip, 1), QStringLiteral("#FF0000"));
        QCOMPARE(hoverToolTip(strip, 196), QStringLiteral("#0000FF"));
        QCOMPARE(strip.cursor().shape(), Qt::BitmapCursor);
    }

    void dragCarriesTheCellColourFromPicEdit() {
        NamedStrip strip;
        strip.paintStrip(kBlack, kWhite);
        const QCursor tinta = strip.cursor();
        strip.setDragEnabled(true);
        QVERIFY(strip.dragEnabled());
        QVERIFY(strip.cursor().pixmap().toImage() != tinta.pixmap().toImage()); // PEGA now
        std::unique_ptr<QMimeData> data(strip.dragData(196));
        QCOMPARE(dragSourceName(data.get()), QStringLiteral("picEdit"));
        QCOMPARE(dragColor(data.get()), std::optional<ColorValue>(kWhite));

        // With dragging on, a press released in place still picks the cell.
        strip.show();
        QSignalSpy clicked(&strip, &NamedStrip::cellClicked);
        QTest::mousePress(&strip, Qt::LeftButton, {}, strip.cellRect(2).center());
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&strip, Qt::LeftButton, {}, strip.cellRect(2).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().value<ColorValue>(), strip.cellColor(2));
    }
};

QTEST_MAIN(NamedStripTest)
#include "NamedStripTest.moc"
