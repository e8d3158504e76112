#include "widgets/ToolWindow.h"
#include "bitmap/PictureColorsWindow.h"
#include "controls/ProgressBar.h"
#include "gradient/ColorGridWindow.h"
#include "gradient/GradientGeneratorWindow.h"
#include "widgets/ImageButton.h"
#include "widgets/Panel.h"
#include "zoom/MagnifierWindow.h"

#include <QPointer>
#include <QtTest>

using namespace sv;

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window at twips (1500, 3000), 11340 × 6990.
void placeMain(QWidget& main) {
    main.setGeometry(100, 200, 756, 466);
}

} // namespace

class ToolWindowTest : public QObject {
    Q_OBJECT
private slots:
    void frameIsAFramelessOnTopToolOfFixedSize() {
        QWidget main;
        auto* w = new ToolWindow(&main, {QStringLiteral("[ Test ]"), QSize(3900, 3000)});
        QCOMPARE(w->parentWidget(), &main);
        QVERIFY(w->windowFlags().testFlags(Qt::Tool | Qt::FramelessWindowHint |
                                           Qt::WindowStaysOnTopHint));
        QCOMPARE(w->maximumSize(), QSize(260, 200));
        QCOMPARE(w->caption().back->pos(), QPoint(9, 7));
    }

    void escapeAndTheCloseButtonUnloadTheWindow() {
        QWidget main;
        QPointer<ToolWindow> w = new ToolWindow(&main, {QStringLiteral("a"), QSize(3000, 3000)});
        w->show();
        QTest::keyClick(w, Qt::Key_A);
        flushDeletes();
        QVERIFY(w);
        QTest::keyClick(w, Qt::Key_Escape);
        flushDeletes();
        QVERIFY(!w);

        w = new ToolWindow(&main, {QStringLiteral("b"), QSize(3000, 3000)});
        w->show();
        QTest::mouseClick(w->closeButton(), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!w);
    }

    void placedAgainstTheMainWindowsRightEdge() {
        QWidget main(nullptr, Qt::FramelessWindowHint); // as the main window is
        placeMain(main);
        GradientGeneratorWindow tool(&main);
        tool.placeAgainst(main, kToolInset);
        // (1500 + 11340 - 3900 - 100) / 15 = 589.3; (3000 + 705 - 60) / 15 = 243.
        QCOMPARE(tool.pos(), QPoint(589, 243));
        MagnifierWindow zoom(&main);
        zoom.placeAgainst(main, kMagnifierInset);
        // (1500 + 11340 - 5400 - 200) / 15 = 482.7.
        QCOMPARE(zoom.pos(), QPoint(483, 243));
    }

    void escapeLeavesTheMagnifierOpen() {
        QWidget main;
        QPointer<MagnifierWindow> zoom = new MagnifierWindow(&main);
        zoom->show();
        QTest::keyClick(zoom, Qt::Key_Escape);
        flushDeletes();
        QVERIFY(zoom);
        QVERIFY(zoom->isVisible());
    }
};

QTEST_MAIN(ToolWindowTest)
#include "ToolWindowTest.moc"
