// The magnifier opened from the main window over a fake screen whose every pixel has its own
// colour: what each tick reads and shows, how captures end, and what a pick sends back.

#include "app/MainWindowFixture.h"

#include "app/CommandButtons.h"
#include "app/ToolWindows.h"
#include "gradient/GradientStrip.h"
#include "history/HistoryStore.h"
#include "support/PointerEvents.h"
#include "widgets/ColorBox.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "zoom/MagnifierWindow.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace sv;
using namespace sv::test;

namespace {

// Every pixel of the fake screen a colour of its own.
QImage pattern() {
    QImage image(1280, 1024, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | (y >> 8) << 4));
        }
    }
    return image;
}

void press(QWidget* w, QPoint pos) {
    QTest::mousePress(w, Qt::LeftButton, {}, pos);
}
void release(QWidget* w, QPoint pos) {
    QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
}

} // namespace

class MagnifierTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f_ = std::make_unique<MainWindowFixture>();
        f_->screen.screen = pattern();
        f_->screen.pos = QPoint(500, 400);
        f_->options.set(OptionKey::StopCapture, 1);
        f_->options.set(OptionKey::Zoom, 1);
        QVERIFY(f_->show());
        QTest::mouseClick(f_->window->commands().magnifier, Qt::LeftButton);
        zoom_ = f_->window->toolWindows()->magnifier();
        QVERIFY(QTest::qWaitForWindowExposed(zoom_));
    }
    void cleanup() { f_.reset(); }

    void eachTickStretchesTheSquareRoundThePointer() {
        start();
        zoom_->grabTick();
        QCOMPARE(f_->screen.grabs.last(), QRect(481, 381, 40, 40));
        const QImage frame = zoom_->view()->frame();
        QCOMPARE(frame.size(), QSize(344, 264));
        for (int y = 0; y < 264; y += 7) {
            for (int x = 0; x < 344; x += 5) {
                const QPoint source(481 + x * 40 / 344, 381 + y * 40 / 264);
                QCOMPARE(frame.pixel(x, y), f_->screen.screen.pixel(source));
            }
        }
        // The option is read at every tick.
        f_->options.set(OptionKey::Zoom, 3);
        zoom_->grabTick();
        QCOMPARE(f_->screen.grabs.last(), QRect(495, 395, 13, 13));

        // Over the view itself nothing is read: the view keeps its image.
        const int grabs = f_->screen.grabs.size();
        f_->screen.pos = zoom_->view()->mapToGlobal(QPoint(100, 100));
        zoom_->grabTick();
        QCOMPARE(f_->screen.grabs.size(), grabs);
    }

    void pressOrReleaseEndsTheCaptureAsTheOptionSays() {
        // F10 right after opening starts the capture, as Go does; F10 again ends it.
        QTest::keyClick(zoom_, Qt::Key_F10);
        QCOMPARE(zoom_->state(), MagnifierState::Capturing);
        QTest::keyClick(zoom_, Qt::Key_F10);
        QCOMPARE(zoom_->state(), MagnifierState::Inspecting);

        start();
        QCOMPARE(QWidget::mouseGrabber(), zoom_->pickedSwatch());
        press(zoom_->pickedSwatch(), QPoint(-300, -200)); // somewhere else on the screen
        QCOMPARE(zoom_->state(), MagnifierState::Inspecting);
        // The mouse is let go with the button that ended the capture.
        QCOMPARE(QWidget::mouseGrabber(), zoom_->pickedSwatch());
        release(zoom_->pickedSwatch(), QPoint(-300, -200));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);

        f_->options.set(OptionKey::StopCapture, 2);
        start();
        press(zoom_->pickedSwatch(), QPoint(-300, -200));
        QCOMPARE(zoom_->state(), MagnifierState::Capturing);
        release(zoom_->pickedSwatch(), QPoint(-300, -200));
        QCOMPARE(zoom_->state(), MagnifierState::Inspecting);

        // Escape hides the view but the capture runs on; F10 ends it, the next start shows it.
        start();
        QTest::keyClick(zoom_, Qt::Key_Escape);
        QVERIFY(!zoom_->view()->isVisible());
        QVERIFY(zoom_->isVisible());
        QCOMPARE(zoom_->state(), MagnifierState::Capturing);
        QTest::keyClick(zoom_, Qt::Key_F10);
        QCOMPARE(zoom_->state(), MagnifierState::Inspecting);
        start();
        QVERIFY(zoom_->view()->isVisible());
    }

    void aPickDrawsShadesAndOnlyPressesOnThemSendTheColour() {
        f_->selection().setCurrent(rgb(1, 2, 3));
        // Before any pick the boxes do nothing.
        press(zoom_->shadeToWhite(), QPoint(5, 5));
        press(zoom_->pickedSwatch(), QPoint(5, 5));
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3));
        QCOMPARE(zoom_->shadeToWhite()->cursor().shape(), Qt::ArrowCursor);

        start();
        zoom_->grabTick();
        QTest::keyClick(zoom_, Qt::Key_F10);
        const QPoint at(200, 100);
        const ColorValue under =
            fromQRgb(f_->screen.screen.pixel(481 + at.x() * 40 / 344, 381 + at.y() * 40 / 264));
        moveOver(zoom_->view(), at);
        QCOMPARE(zoom_->pickedSwatch()->backColor(), under);
        QTest::mouseClick(zoom_->view(), Qt::LeftButton, {}, at);
        QCOMPARE(zoom_->state(), MagnifierState::Locked);
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3)); // a pick alone tells nobody
        QCOMPARE(zoom_->shadeToBlack()->columns().back(), kBlack);

        // A capture ended by a press elsewhere leaves the current colour alone.
        start();
        press(zoom_->pickedSwatch(), QPoint(-300, -200));
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3));

        const int last = zoom_->shadeToWhite()->width() - 1;
        press(zoom_->shadeToWhite(), QPoint(last, 3));
        QCOMPARE(f_->selection().current(), kWhite);
        QCOMPARE(f_->notation(Notation::Html), QStringLiteral("#FFFFFF"));
        QCOMPARE(f_->selection().previous(), rgb(1, 2, 3));
        press(zoom_->pickedSwatch(), QPoint(5, 5));
        QCOMPARE(f_->selection().current(), under);
        // What the magnifier sends is a kept pick.
        QCOMPARE(f_->window->history()->entries().front().color, under);

        // The same from the keyboard: the shade at the strip's place, then the picked colour.
        QApplication::setActiveWindow(zoom_);
        zoom_->shadeToWhite()->setFocus();
        QTest::keyClick(zoom_->shadeToWhite(), Qt::Key_End);
        QTest::keyClick(zoom_->shadeToWhite(), Qt::Key_Return);
        QCOMPARE(f_->selection().current(), kWhite);
        zoom_->pickedSwatch()->setFocus();
        QVERIFY(zoom_->pickedSwatch()->hasFocus());
        QTest::keyClick(zoom_->pickedSwatch(), Qt::Key_Space);
        QCOMPARE(f_->selection().current(), under);
    }

    void onceAnImageIsHeldTheKeysInspectAndPickIt() {
        start();
        zoom_->grabTick();
        QTest::keyClick(zoom_, Qt::Key_F10);
        QCOMPARE(zoom_->state(), MagnifierState::Inspecting);
        MagnifierView* view = zoom_->view();
        QApplication::setActiveWindow(zoom_);
        view->setFocus();
        // The point starts on the middle image pixel (20, 20) and moves a pixel per key.
        for (const Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left}) {
            QTest::keyClick(view, k);
        }
        const QPoint at = *view->inspectionPoint();
        QCOMPARE(QPoint(at.x() * 40 / 344, at.y() * 40 / 264), QPoint(21, 21));
        const ColorValue under = fromQRgb(f_->screen.screen.pixel(481 + 21, 381 + 21));
        QCOMPARE(zoom_->pickedSwatch()->backColor(), under); // shown as hovering shows it
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(zoom_->state(), MagnifierState::Locked);
        press(zoom_->pickedSwatch(), QPoint(5, 5));
        QCOMPARE(f_->selection().current(), under);
        // The keys stop at the image's edge.
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(view, Qt::Key_Up);
        }
        QCOMPARE(view->inspectionPoint()->y() * 40 / 264, 0);
    }

    void anUnreadableScreenShowsBlackAndIsReportedOnce() {
        f_->screen.readable = false;
        QSignalSpy unreadable(zoom_.data(), &MagnifierWindow::screenUnreadable);
        start();
        zoom_->grabTick();
        zoom_->grabTick();
        QCOMPARE(unreadable.size(), 1);
        QCOMPARE(QColor(zoom_->view()->frame().pixel(10, 10)), QColor(Qt::black));
    }

    void closingMidCaptureReleasesTheGrabAndStopsTheTimer() {
        start();
        QPointer<MagnifierWindow> gone = zoom_.data();
        QTest::mouseClick(zoom_->closeButton(), Qt::LeftButton);
        QTRY_VERIFY(gone.isNull());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        // A fresh window, captured, goes with the main window.
        QTest::mouseClick(f_->window->commands().magnifier, Qt::LeftButton);
        gone = f_->window->toolWindows()->magnifier();
        QTest::mouseClick(gone->startButton(), Qt::LeftButton);
        f_.reset();
        QVERIFY(gone.isNull());
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

private:
    void start() {
        // A click on the start button, as the grab is not yet there.
        QTest::mouseClick(zoom_->startButton(), Qt::LeftButton);
        QCOMPARE(zoom_->state(), MagnifierState::Capturing);
    }

    std::unique_ptr<MainWindowFixture> f_;
    QPointer<MagnifierWindow> zoom_;
};

QTEST_MAIN(MagnifierTest)
#include "MagnifierTest.moc"
