// Picks kept, cancelled, stepped and averaged in the main window (over a fake screen), and the
// History window driven from the keyboard as a person and a screen reader would.

#include "history/HistoryWindow.h"
#include "app/MainWindowFixture.h"
#include "app/ScreenSampler.h"
#include "app/ToolWindows.h"
#include "history/HistoryStore.h"
#include "support/ModalDialogs.h"
#include "widgets/ColorBox.h"
#include "widgets/DragColor.h"

#include <QClipboard>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QWheelEvent>

using namespace sv;
using namespace sv::test;

namespace {

// The fake screen: a 1-pixel checkerboard of black and white, one red pixel at (100, 100) and
// a blue line down column 300.
void paintPattern(FakeScreenReader& screen) {
    screen.fill(QRect(0, 0, 1280, 1024), kBlack);
    for (int y = 0; y < 1024; ++y) {
        for (int x = (y % 2); x < 1280; x += 2) {
            screen.screen.setPixel(x, y, qRgb(255, 255, 255));
        }
    }
    screen.fill(QRect(100, 100, 1, 1), rgb(255, 0, 0));
    screen.fill(QRect(300, 0, 1, 1024), rgb(0, 0, 255));
}

QStringList spokenRows(const HistoryWindow& w) {
    QStringList rows;
    for (int i = 0; i < w.list()->count(); ++i) {
        rows << w.list()->item(i)->data(Qt::AccessibleTextRole).toString();
    }
    return rows;
}

void wheel(QWidget* target, int notches, Qt::KeyboardModifiers modifiers) {
    QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// Answers the next question box with a button, from inside its own event loop.
void answerNextQuestion(QMessageBox::StandardButton button, QString* text) {
    QTimer::singleShot(20, [button, text] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
                *text = box->text();
                box->button(button)->click();
                return;
            }
        }
    });
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QFile::remove(HistoryStore::defaultPath());
        QFile::remove(settingsPath());
    }

    void keptPicksAreRememberedAndCancelledOnesPutTheColoursBack() {
        MainWindowFixture f;
        paintPattern(f.screen);
        QVERIFY(f.show());
        f.selection().reset(rgb(1, 2, 3));
        ScreenSampler* sampler = f.window->sampler();

        // The arrow keys step one device pixel, Shift ten; Enter keeps.
        f.screen.pos = {99, 100};
        QTest::keyClick(f.window.get(), Qt::Key_F9);
        sampler->tick();
        QCOMPARE(f.selection().current(), kBlack); // (99, 100) on the checkerboard
        QTest::keyClick(f.window.get(), Qt::Key_Right);
        QCOMPARE(f.screen.pos, QPoint(100, 100));
        QCOMPARE(f.selection().current(), rgb(255, 0, 0));
        QTest::keyClick(f.window.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.screen.pos, QPoint(110, 100));
        QTest::keyClick(f.window.get(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyClick(f.window.get(), Qt::Key_Return);
        QVERIFY(!sampler->isSampling());
        QCOMPARE(f.selection().current(), rgb(255, 0, 0));

        // Escape after moving: the colours of before come back, and nothing is remembered.
        const ColorValue previousBefore = f.selection().previous();
        QTest::keyClick(f.window.get(), Qt::Key_F9);
        // A move of the grabbed pointer is read at once, not at the next tick.
        f.screen.pos = {300, 10};
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), QPointF(300, 10), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(f.window->currentSwatch(), &move);
        QCOMPARE(f.selection().current(), rgb(0, 0, 255));
        QTest::keyClick(f.window.get(), Qt::Key_Down);
        QTest::keyClick(f.window.get(), Qt::Key_Escape);
        QVERIFY(!sampler->isSampling());
        QCOMPARE(f.selection().current(), rgb(255, 0, 0));
        QCOMPARE(f.selection().previous(), previousBefore);

        const History& h = f.window->history()->entries();
        QCOMPARE(h.size(), std::size_t(1));
        QCOMPARE(h.front().color, rgb(255, 0, 0));
        // Read again from the file, as after a restart.
        HistoryStore again(HistoryStore::defaultPath());
        QCOMPARE(again.entries(), h);
    }

    void theAverageTakesTheSquareAndCtrlWheelChangesItMidPick() {
        MainWindowFixture f;
        paintPattern(f.screen);
        QVERIFY(f.show());
        f.options.setAndStore(OptionKey::SampleSize, 3);
        f.options.setAndStore(OptionKey::Loupe, 0);
        ScreenSampler* sampler = f.window->sampler();
        f.screen.pos = {501, 500}; // black, with four white neighbours
        QTest::keyClick(f.window.get(), Qt::Key_F9);
        sampler->tick();
        QCOMPARE(f.selection().current(), rgb(113, 113, 113)); // 4 × 255 / 9 = 113.3

        // Ctrl+wheel: 5 × 5 at once, and stored for the next pick.
        wheel(f.window->currentSwatch(), 1, Qt::ControlModifier);
        QCOMPARE(sampler->sampleSize(), 5);
        QCOMPARE(f.selection().current(), rgb(122, 122, 122)); // 12 × 255 / 25 = 122.4
        QCOMPARE(f.options.store().value("Pick/SampleSize"), std::optional<std::string>("5"));
        QCOMPARE(f.options.sampleSize(), 5);

        // In the screen's corner only the twelve pixels that exist count: six white.
        f.screen.pos = {0, 1};
        sampler->tick();
        QCOMPARE(f.selection().current(), rgb(128, 128, 128)); // 127.5 up
        QTest::keyClick(f.window.get(), Qt::Key_F9);
        QVERIFY(!sampler->isSampling());
    }

    void theWindowListsChoosesPinsRemovesCopiesAndClears() {
        MainWindowFixture f;
        QVERIFY(f.show());
        HistoryStore& store = *f.window->history();
        store.add(rgb(0x0A, 0x5A, 0x5A));
        store.add(rgb(0x12, 0x34, 0x56));
        store.add(kWhite);

        QTest::keyClick(f.window.get(), Qt::Key_H, Qt::ControlModifier);
        HistoryWindow* w = f.window->toolWindows()->history();
        QVERIFY(w != nullptr && w->isVisible());
        const QString now = QTime::currentTime().toString(QStringLiteral("HH:mm"));
        // (A minute may turn between the picks and the listing: compare the colours first.)
        QCOMPARE(spokenRows(*w).size(), 3);
        QVERIFY(spokenRows(*w).at(0).startsWith(QStringLiteral("#FFFFFF, ")));
        QVERIFY(spokenRows(*w).at(2).startsWith(QStringLiteral("#0A5A5A, ")));

        // Down to the second, P pins it, Enter makes it current.
        HistoryList* list = w->list();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_P);
        QTRY_VERIFY(spokenRows(*w).at(1).endsWith(QStringLiteral(", pinned")));
        QVERIFY(store.entries().at(1).pinned);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(f.selection().current(), rgb(0x12, 0x34, 0x56));
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#123456"));
        std::unique_ptr<QMimeData> drag(list->model()->mimeData({list->model()->index(1, 0)}));
        QCOMPARE(dragColor(drag.get()), std::optional(rgb(0x12, 0x34, 0x56)));

        // Delete removes the first; the keyboard stays in the list.
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(w->list()->count(), 2);
        QCOMPARE(store.entries().front().color, rgb(0x12, 0x34, 0x56));
        QVERIFY(list->currentItem() != nullptr);

        // A click on the pin's box unpins it again (through the row's check box).
        list->item(0)->setCheckState(Qt::Unchecked);
        QTRY_VERIFY(!store.entries().front().pinned);
        list->item(0)->setCheckState(Qt::Checked);
        QTRY_VERIFY(store.entries().front().pinned);

        // "No" keeps everything; "Yes" keeps the pinned only.
        QString asked;
        answerNextQuestion(QMessageBox::No, &asked);
        QTest::mouseClick(w->clearButton(), Qt::LeftButton);
        QCOMPARE(asked,
                 QStringLiteral("Remove every pick from the history except the pinned ones?"));
        QCOMPARE(store.entries().size(), std::size_t(2));
        answerNextQuestion(QMessageBox::Yes, &asked);
        QTest::mouseClick(w->clearButton(), Qt::LeftButton);
        QCOMPARE(spokenRows(*w).size(), 1);
        QVERIFY(spokenRows(*w).front().startsWith(QStringLiteral("#123456, ")));
        QVERIFY(!w->clearButton()->isEnabled());
        Q_UNUSED(now);
    }

    void aFileWithBrokenLinesShowsTheRest() {
        QDir().mkpath(QFileInfo(HistoryStore::defaultPath()).path());
        QFile file(HistoryStore::defaultPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const qint64 yesterday = QDateTime::currentDateTime().addDays(-1).toSecsSinceEpoch();
        file.write("#ABCDEF " + QByteArray::number(yesterday) + " pinned\n#12 cut\n\0\0\n" +
                   "#000000 86400\n");
        file.close();
        MainWindowFixture f;
        f.window->toolWindows()->showHistory();
        HistoryWindow* w = f.window->toolWindows()->history();
        const QString oldDate = QLocale().toString(QDate(1970, 1, 2), QLocale::ShortFormat);
        QCOMPARE(spokenRows(*w), (QStringList{QStringLiteral("#ABCDEF, yesterday, pinned"),
                                              QStringLiteral("#000000, ") + oldDate}));
    }

    void aHistoryThatCannotBeSavedSaysSoOnceAndLastsInMemory() {
        // A folder where the file should be.
        QVERIFY(QDir().mkpath(HistoryStore::defaultPath()));
        MessageBoxCatcher boxes;
        MainWindowFixture f;
        QVERIFY(f.show());
        f.screen.fill(QRect(0, 0, 50, 50), rgb(9, 8, 7));
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(f.window.get(), Qt::Key_F9);
            f.window->sampler()->tick();
            QTest::keyClick(f.window.get(), Qt::Key_Return);
        }
        QTRY_COMPARE(boxes.messages().size(), 1);
        QVERIFY(boxes.messages().front().contains(HistoryStore::defaultPath()));
        QCOMPARE(f.window->history()->entries().size(), std::size_t(1));
        QCOMPARE(f.window->history()->entries().front().color, rgb(9, 8, 7));
        QVERIFY(QDir().rmdir(HistoryStore::defaultPath()));
    }

    void timesReadAsTodayYesterdayOrADate() {
        const QDateTime now(QDate(2026, 12, 7), QTime(14, 3, 30));
        QCOMPARE(historyTimeText(QDateTime(QDate(2026, 12, 7), QTime(0, 0)), now),
                 QStringLiteral("00:00"));
        QCOMPARE(historyTimeText(QDateTime(QDate(2026, 12, 6), QTime(23, 59)), now),
                 QStringLiteral("yesterday"));
        QCOMPARE(historyTimeText(QDateTime(QDate(2026, 12, 5), QTime(23, 59)), now),
                 QLocale().toString(QDate(2026, 12, 5), QLocale::ShortFormat));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "HistoryWindowTest.moc"
