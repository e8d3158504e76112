#include "widgets/ToolWindow.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>
#include <memory>

using namespace sv;

namespace {

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class ToolWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The frame is drawn for one size: a resize leaves it as it is. It shows its title and goes
    // with the main window it belongs to.
    void theFrameKeepsItsSizeAndGoesWithItsMainWindow() {
        auto main = std::make_unique<QWidget>();
        QPointer<ToolWindow> w =
            new ToolWindow(main.get(), {QStringLiteral("[ Test ]"), QSize(3900, 3000)});
        w->show();
        QCOMPARE(w->size(), QSize(260, 200));
        w->resize(400, 300);
        QCOMPARE(w->size(), QSize(260, 200));
        QCOMPARE(w->caption()->text(), QStringLiteral("[ Test ]"));
        main.reset();
        QVERIFY(!w);
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
