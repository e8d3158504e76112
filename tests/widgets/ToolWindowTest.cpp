#include "widgets/ToolWindow.h"
#include "widgets/ImageButton.h"

#include <QPointer>
#include <QtTest>

using namespace sv;

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        QCOMPARE(w->caption()->pos(), QPoint(8, 6));
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
};

QTEST_MAIN(ToolWindowTest)
#include "ToolWindowTest.moc"
