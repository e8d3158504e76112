// Picking through the desktop portal, as on Wayland: a fake portal on a private session bus
// answers as each case sets, and the main window shows what came back.

#include "MainWindowFixture.h"

#include "app/DesktopPortal.h"
#include "app/FrozenFramePick.h"
#include "app/GlobalShortcut.h"
#include "app/MagnifierScreenshots.h"
#include "app/PortalPicker.h"
#include "app/SessionBusService.h"
#include "app/ToolWindows.h"
#include "history/HistoryStore.h"
#include "support/ModalDialogs.h"
#include "support/TestFiles.h"
#include "widgets/ImageButton.h"
#include "widgets/QtColor.h"
#include "zoom/MagnifierWindow.h"

#include <QCursor>
#include <QDBusInterface>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <tuple>

#include <sys/stat.h>

using namespace sv;
using namespace sv::test;

class PortalPickTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"),
                 "run under dbus-run-session");
        behaviour_ = dir_.filePath(QStringLiteral("behaviour"));
        QVERIFY(writeFile(behaviour_, ""));
        log_ = dir_.filePath(QStringLiteral("log"));
        portal_.start(QStringLiteral("/usr/bin/python3"),
                      {qEnvironmentVariable("SV_FAKE_PORTAL"), behaviour_, log_});
        QVERIFY(portal_.waitForReadyRead(10000));
        QCOMPARE(portal_.readLine().trimmed(), QByteArray("ready"));
    }
    void cleanupTestCase() {
        portal_.kill();
        portal_.waitForFinished();
    }
    void init() {
        QFile::remove(HistoryStore::defaultPath());
        f_ = std::make_unique<MainWindowFixture>();
        QVERIFY(f_->show());
        picker_ = f_->window->portalPicker();
        QVERIFY(picker_ != nullptr);
        boxes_.clear();
        f_->selection().setCurrent(rgb(1, 2, 3));
    }
    void cleanup() { f_.reset(); }

    void aRefusedScreenshotFallsBackToThePortalsPick() {
        answer("Screenshot refuse\nPickColor color 0.2 0.4 0.6\n");
        pressF9();
        QTRY_COMPARE(f_->notation(Notation::Html), QStringLiteral("#336699"));
        QVERIFY(boxes_.messages().isEmpty());
        QCOMPARE(f_->window->history()->entries().front().color, rgb(0x33, 0x66, 0x99));
    }

    void cancelledOrMalformedAnswersChangeNothing() {
        answer("Screenshot refuse\nPickColor cancel\n");
        pressF9();
        QTRY_VERIFY(!picker_->isBusy());
        QVERIFY2(boxes_.messages().isEmpty(), qPrintable(boxes_.messages().join('|')));

        answer("Screenshot refuse\nPickColor color-text\n");
        pressF9();
        QTRY_COMPARE(boxes_.messages().size(), 1);
        QVERIFY(boxes_.messages().front().contains(QStringLiteral("colour that cannot be read")));

        boxes_.clear();
        const QString gone = dir_.filePath(QStringLiteral("gone.png"));
        for (const QString& a : {QStringLiteral("Screenshot uri http://example.org/s.png\n"),
                                 QStringLiteral("Screenshot screenshot ") + gone + '\n'}) {
            answer(a.toUtf8());
            pressF9();
            QTRY_VERIFY(!picker_->isBusy());
        }
        QCOMPARE(boxes_.messages().size(), 2);
        QVERIFY(boxes_.messages().back().contains(QStringLiteral("cannot be read")));
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3));
    }

    void theFrozenFrameFollowsThePointerAndAClickKeepsTheColour() {
        QTemporaryDir shots;
        const QString file = shots.filePath(QStringLiteral("shot.png"));
        const QRect desktop = writePatternedScreenshot(file);
        QVERIFY(desktop.width() >= 800 && desktop.height() >= 600);
        answer(("Screenshot fresh " + file + '\n').toUtf8());
        FrozenFramePick& frozen = picker_->frozenPick();

        // The pick starts with the pointer where nothing has moved it yet.
        QCursor::setPos(0, 0);
        pressF9();
        QTRY_VERIFY(frozen.isRunning());
        // The screenshot the portal wrote for this request is removed once read, and only it.
        QCOMPARE(QDir(shots.path()).entryList(QDir::Files), QStringList{"shot.png"});
        QTRY_COMPARE(f_->selection().current(), under(0, 0));
        QCOMPARE(frozen.views().size(), std::size_t(QGuiApplication::screens().size()));
        for (const QPoint& p : {QPoint(100, 100), desktop.bottomRight(), QPoint(255, 256)}) {
            QCursor::setPos(p);
            QTRY_COMPARE(f_->selection().current(), under(p.x(), p.y()));
        }
        QCursor::setPos(600, 100);
        QTRY_COMPARE(f_->selection().current(), under(600, 100));
        QTest::mouseClick(frozen.views().front(), Qt::LeftButton, {}, QPoint(600, 100));
        QVERIFY(!frozen.isRunning());
        QCOMPARE(f_->selection().current(), under(600, 100));
        const History& history = f_->window->history()->entries();
        QCOMPARE(history.front().color, under(600, 100));
        const std::size_t kept = history.size();

        // The arrow keys step the pick's pointer over the frame a pixel at a time; Enter keeps.
        pressF9();
        QTRY_VERIFY(frozen.isRunning());
        QCursor::setPos(398, 100);
        QTRY_COMPARE(f_->selection().current(), under(398, 100));
        QTest::keyClick(frozen.views().front(), Qt::Key_Right);
        QCOMPARE(f_->selection().current(), under(399, 100));
        QTest::keyClick(frozen.views().front(), Qt::Key_Right);
        QCOMPARE(f_->selection().current(), under(400, 100));
        QTest::keyClick(frozen.views().front(), Qt::Key_Left);
        QTest::keyClick(frozen.views().front(), Qt::Key_Return);
        QVERIFY(!frozen.isRunning());
        QCOMPARE(f_->selection().current(), under(399, 100));
        QCOMPARE(history.size(), kept + 1);
        QCOMPARE(history.front().color, under(399, 100));

        // Escape puts back the colours of before the pick.
        const ColorValue previous = f_->selection().previous();
        pressF9();
        QTRY_VERIFY(frozen.isRunning());
        QCursor::setPos(100, 100);
        QTRY_COMPARE(f_->selection().current(), under(100, 100));
        QTest::keyClick(frozen.views().front(), Qt::Key_Escape);
        QVERIFY(!frozen.isRunning());
        QCOMPARE(f_->selection().current(), under(399, 100));
        QCOMPARE(f_->selection().previous(), previous);
        QCOMPARE(history.size(), kept + 1); // a cancelled pick is not remembered
        QCOMPARE(history.front().color, under(399, 100));
    }

    void theMagnifierCapturesOverAScreenshotHeldStill() {
        QTemporaryDir shots;
        const QString file = shots.filePath(QStringLiteral("shot.png"));
        writePatternedScreenshot(file);
        answer(("Screenshot fresh " + file + '\n').toUtf8());
        f_->window->toolWindows()->showMagnifier();
        MagnifierWindow* magnifier = f_->window->toolWindows()->magnifier();
        auto* capture = magnifier->findChild<MagnifierScreenshots*>();
        QVERIFY(capture != nullptr);
        FrozenFrame& frame = capture->frame();
        const auto square = [&] { return magnifier->view()->square(); };
        // The square round the pointer, read from the screenshot as the live capture reads the
        // screen: a frame one pixel off shows.
        const auto expected = [](QPoint p, int side) {
            const PixelPoint corner = sourceCorner({p.x(), p.y()}, side);
            QImage part(side, side, QImage::Format_RGB32);
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    part.setPixel(x, y, patternPixel(corner.x + x, corner.y + y));
                }
            }
            return part;
        };

        QCursor::setPos(300, 200);
        QTest::mouseClick(magnifier->startButton(), Qt::LeftButton);
        QTRY_VERIFY(frame.isShown());
        QCOMPARE(frame.views().size(), std::size_t(QGuiApplication::screens().size()));
        QCOMPARE(magnifier->state(), MagnifierState::Capturing);
        QTRY_COMPARE(square(), expected({300, 200}, 26));
        QCursor::setPos(517, 433);
        QTRY_COMPARE(square(), expected({517, 433}, 26));
        // The zoom chosen in the options applies at once.
        f_->options.setAndStore(OptionKey::Zoom, int(ZoomLevel::Times20));
        QCursor::setPos(518, 433);
        QTRY_COMPARE(square(), expected({518, 433}, 13));

        // A click over the held picture ends the capture: the picture goes, the square stays
        // to be inspected.
        QTest::mouseClick(frame.views().front(), Qt::LeftButton, {}, QPoint(518, 433));
        QVERIFY(!frame.isShown());
        QCOMPARE(magnifier->state(), MagnifierState::Inspecting);
        QCOMPARE(square(), expected({518, 433}, 13));

        // F10 takes a new screenshot; Escape over it ends the capture and empties the view.
        QTest::keyClick(magnifier, Qt::Key_F10);
        QTRY_VERIFY(frame.isShown());
        QTest::keyClick(frame.views().front(), Qt::Key_Escape);
        QVERIFY(!frame.isShown());
        QVERIFY(square().isNull());
        QVERIFY(magnifier->state() != MagnifierState::Capturing);

        // A refused screenshot ends the capture with the portal's reason; nothing is shown.
        answer("Screenshot refuse\n");
        QTest::keyClick(magnifier, Qt::Key_F10);
        QTRY_COMPARE(boxes_.messages().size(), 1);
        QVERIFY(boxes_.messages().front().contains(QStringLiteral("could not take a screenshot")));
        QVERIFY(!frame.isShown());
        QVERIFY(magnifier->state() != MagnifierState::Capturing);
        QVERIFY(boxes_.messages().size() == 1); // no notice that the screen cannot be read
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3));
    }

    // What a portal's answer names is not ours to delete, nor to wait on: a file the user
    // already had, a named pipe, a folder, a link to a user's file.
    void answersNamingWhatTheRequestDidNotMakeLeaveItAlone() {
        QImage shot(8, 8, QImage::Format_RGB32);
        shot.fill(Qt::green);
        const QString document = dir_.filePath(QStringLiteral("report.png"));
        QVERIFY(shot.save(document));
        QFile old(document);
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addDays(-3),
                                QFileDevice::FileModificationTime));
        old.close();
        const QByteArray documentBytes = readFile(document);
        answer(("Screenshot screenshot " + document + '\n').toUtf8());
        pressF9();
        QTRY_VERIFY(picker_->frozenPick().isRunning());
        QTest::keyClick(picker_->frozenPick().views().front(), Qt::Key_Escape);
        QCOMPARE(readFile(document), documentBytes);

        const QString fifo = dir_.filePath(QStringLiteral("pipe.png"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString folder = dir_.filePath(QStringLiteral("folder.png"));
        QVERIFY(QDir().mkpath(folder));
        const QString link = dir_.filePath(QStringLiteral("link.png"));
        QVERIFY(QFile::link(document, link));
        for (const QString& named : {fifo, folder, link}) {
            boxes_.clear();
            answer(("Screenshot screenshot " + named + "\nPickColor cancel\n").toUtf8());
            pressF9();
            QTRY_VERIFY2(!picker_->isBusy(), qPrintable(named));
            QVERIFY2(boxes_.messages().size() == 1 && boxes_.messages().front().contains(named),
                     qPrintable(boxes_.messages().join('|')));
            QCOMPARE(f_->selection().current(), rgb(1, 2, 3));
        }
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(document), documentBytes);
    }

    void aPortalThatNeverAnswersTimesOut() {
        answer("Screenshot silent\n");
        DesktopPortal portal(nullptr, 300);
        QSignalSpy failed(&portal, &DesktopPortal::failed);
        portal.takeScreenshot();
        QVERIFY(failed.wait(3000));
        QVERIFY2(failed.front().at(1).value<PortalFailure>() == PortalFailure::TimedOut,
                 qPrintable(failed.front().at(0).toString()));
        QVERIFY(!portal.busy());
    }

    void aShortcutPressedAnywherePicksInTheMinimisedWindow() {
        QImage shot(40, 30, QImage::Format_RGB32);
        shot.fill(QColor(10, 20, 30));
        const QString file = dir_.filePath(QStringLiteral("shortcut.png"));
        QVERIFY(shot.save(file));
        answer(("GlobalShortcuts\nScreenshot screenshot " + file + '\n').toUtf8());
        QFile::remove(log_);
        auto* service = new SessionBusService(*f_->window);
        QVERIFY(service->owned());
        QTRY_VERIFY(service->shortcut()->isBound());
        QCOMPARE(readFile(log_).count("BindShortcuts"), 1);
        QVERIFY(readFile(log_).contains(" pick description=Pick a colour from the screen "
                                        "preferred_trigger=LOGO+SHIFT+c\n"));

        f_->window->showMinimized();
        QDBusInterface fake(QStringLiteral("org.freedesktop.portal.Desktop"),
                            QStringLiteral("/org/freedesktop/portal/desktop"),
                            QStringLiteral("org.spectrivue.test.Portal"));
        QVERIFY(fake.call(QStringLiteral("FireShortcut"), QStringLiteral("pick")).type() !=
                QDBusMessage::ErrorMessage);
        QTRY_VERIFY(picker_->frozenPick().isRunning());
        QVERIFY(!f_->window->isMinimized());
        QTRY_COMPARE(f_->selection().current(), rgb(10, 20, 30));
        QTest::keyClick(picker_->frozenPick().views().front(), Qt::Key_Return);
        QTRY_VERIFY(!picker_->isBusy());
        QCOMPARE(f_->window->history()->entries().front().color, rgb(10, 20, 30));
        // Another shortcut's activation, or our own before binding, starts nothing.
        fake.call(QStringLiteral("FireShortcut"), QStringLiteral("other"));
        // The portal's signal came before its answer to the call: it is in the queue now.
        QCoreApplication::processEvents();
        QVERIFY(!picker_->isBusy());
        QVERIFY(boxes_.messages().isEmpty());
    }

    void noShortcutWhereThePortalLacksIt() {
        answer("Screenshot cancel\n");
        QFile::remove(log_);
        auto* service = new SessionBusService(*f_->window);
        QVERIFY(service->owned());
        // The portal answers in order: a ping comes back after its answers to what the service
        // asked before it. Two let the service ask again on each answer, as it would to bind.
        QDBusInterface peer(QStringLiteral("org.freedesktop.portal.Desktop"),
                            QStringLiteral("/org/freedesktop/portal/desktop"),
                            QStringLiteral("org.freedesktop.DBus.Peer"));
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(peer.call(QStringLiteral("Ping")).type(), QDBusMessage::ReplyMessage);
            QCoreApplication::processEvents();
        }
        QVERIFY(!service->shortcut()->isBound());
        QVERIFY(!QFile::exists(log_));
        QVERIFY(boxes_.messages().isEmpty());
    }

    void aCommandLinePickGoesThroughThePortal() {
        const auto pick = [](const QStringList& arguments) {
            QProcess command;
            command.start(qEnvironmentVariable("SV_PROGRAM"),
                          QStringList{QStringLiteral("--pick")} + arguments);
            const bool finished = command.waitForFinished(20000);
            return std::tuple{finished ? command.exitCode() : -1,
                              QString::fromUtf8(command.readAllStandardOutput()),
                              QString::fromUtf8(command.readAllStandardError())};
        };
        // Where the program itself keeps its history.
        const QString app = QCoreApplication::applicationName();
        const QString organisation = QCoreApplication::organizationName();
        QCoreApplication::setApplicationName(QStringLiteral("Spectrivue"));
        QCoreApplication::setOrganizationName(QStringLiteral("Spectrivue"));
        const QString historyPath = HistoryStore::defaultPath();
        QCoreApplication::setApplicationName(app);
        QCoreApplication::setOrganizationName(organisation);
        QFile::remove(historyPath);
        answer("Screenshot refuse\nPickColor color 0.2 0.4 0.6\n");
        QCOMPARE(pick({QStringLiteral("--format"), QStringLiteral("rgb")}),
                 std::tuple(0, QStringLiteral("rgb(51 102 153)\n"), QString()));
        HistoryStore history(historyPath);
        QCOMPARE(history.entries().size(), std::size_t(1));
        QCOMPARE(history.entries().front().color, rgb(0x33, 0x66, 0x99));
        answer("Screenshot refuse\nPickColor cancel\n");
        QCOMPARE(pick({}), std::tuple(1, QString(), QString()));
        answer("Screenshot refuse\nPickColor refuse\n");
        const auto [status, output, errors] = pick({});
        QCOMPARE(status, 2);
        QCOMPARE(output, QString());
        QVERIFY2(errors.startsWith(QStringLiteral("Spectrivue: ")) && errors.count('\n') == 1,
                 qPrintable(errors));
    }

    void noPortalIsExplainedOnce() {
        portal_.kill();
        portal_.waitForFinished();
        pressF9();
        QTRY_COMPARE(boxes_.messages().size(), 1);
        QVERIFY(boxes_.messages().front().contains(QStringLiteral("No desktop portal")));
        pressF9();
        QTRY_VERIFY(!picker_->isBusy());
        QCOMPARE(boxes_.messages().size(), 1);
        QCOMPARE(f_->selection().current(), rgb(1, 2, 3));
    }

private:
    // Every pixel of the picture a colour of its own, so a read one pixel off shows.
    static QRgb patternPixel(int x, int y) {
        return qRgb(x & 0xFF, y & 0xFF, (x >> 8) << 5 | ((x + y) % 2) << 4 | (y >> 8) << 2);
    }
    static ColorValue under(int x, int y) { return fromQRgb(patternPixel(x, y)); }
    // A screenshot of the whole offscreen desktop in the pattern, saved as PNG; the desktop.
    static QRect writePatternedScreenshot(const QString& path) {
        QRect desktop;
        for (const QScreen* screen : QGuiApplication::screens()) {
            desktop |= screen->geometry();
        }
        QImage shot(desktop.size(), QImage::Format_RGB32);
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                shot.setPixel(x, y, patternPixel(x, y));
            }
        }
        return shot.save(path) ? desktop : QRect();
    }
    void answer(const QByteArray& lines) { QVERIFY(writeFile(behaviour_, lines)); }
    void pressF9() { QTest::keyClick(f_->window.get(), Qt::Key_F9); }

    QTemporaryDir dir_;
    QString behaviour_;
    QString log_;
    QProcess portal_;
    std::unique_ptr<MainWindowFixture> f_;
    PortalPicker* picker_ = nullptr;
    test::MessageBoxCatcher boxes_;
};

QTEST_MAIN(PortalPickTest)
#include "PortalPickTest.moc"
