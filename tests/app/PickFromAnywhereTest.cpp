// Picking from outside the main window, on a real X server and a real session bus, as people
// do it: Spectrivue --pick run as a command, its colour kept with a held click of the X
// server's own pointer over a window of 1-pixel patterns; the clipboard read back by xclip
// after the command has ended; and the running program called over D-Bus from this process.

#include "app/SessionBusService.h"
#include "color/ColorFormats.h"
#include "history/HistoryStore.h"
#include "settings/Options.h"
#include "settings/OwnFormats.h"
#include "settings/PickFormats.h"
#include "support/ScreenPattern.h"
#include "widgets/QtColor.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <cmath>
#include <memory>

using namespace sv;
using namespace sv::test;

namespace {

QString program() {
    return qEnvironmentVariable("SV_PROGRAM");
}

// Runs a program to its end with its output thrown away; its exit status.
int quietly(const QString& name, const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(name, args);
    p.write(input);
    p.closeWriteChannel();
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// The output of a program run to its end.
QString outputOf(const QString& name, const QStringList& args) {
    QProcess p;
    p.start(name, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether a process shows a window of this size on the X server: the main window, once the
// splash has gone.
bool showsWindowOfSize(qint64 pid, QSize size) {
    const QStringList windows = outputOf(QStringLiteral("xdotool"),
                                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--pid"), QString::number(pid)})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString wanted =
        QStringLiteral("WIDTH=%1\nHEIGHT=%2\n").arg(size.width()).arg(size.height());
    for (const QString& window : windows) {
        if (outputOf(QStringLiteral("xdotool"),
                     {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                .contains(wanted)) {
            return true;
        }
    }
    return false;
}

QString clipboardText() {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")});
    xclip.waitForFinished(5000);
    return QString::fromUtf8(xclip.readAllStandardOutput());
}

bool processRunning(const QString& commandLinePart) {
    return quietly(QStringLiteral("pgrep"), {QStringLiteral("-f"), commandLinePart}) == 0;
}

// A held click: the button stays down a moment, as a hand keeps it.
bool heldClick() {
    if (!xdotool({QStringLiteral("mousedown"), QStringLiteral("1")})) {
        return false;
    }
    QTest::qWait(120);
    return xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

QString html(QRgb rgb) {
    return QString::fromStdString(makeNotations(fromQRgb(rgb)).html);
}

struct Outcome {
    int status = -1;
    QString output;
    QString errors;
};

// One command-line pick: started, its grab awaited, then act() drives it to its end.
class CommandPick {
public:
    explicit CommandPick(const QStringList& arguments, bool waitForGrab = true) {
        process_.start(program(), QStringList{QStringLiteral("--pick")} + arguments);
        started_ = process_.waitForStarted(5000);
        if (started_ && waitForGrab) {
            // Its windows (the one that holds the grab, and the loupe) are on the server once
            // xdotool finds them; the grab follows at once.
            const QDeadlineTimer deadline(10000);
            while (!deadline.hasExpired() &&
                   quietly(QStringLiteral("xdotool"),
                           {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                            QStringLiteral("--pid"), QString::number(process_.processId())}) != 0) {
                QTest::qWait(30);
            }
            QTest::qWait(150);
        }
    }
    bool started() const { return started_; }
    Outcome finish() {
        Outcome o;
        if (process_.waitForFinished(10000) && process_.exitStatus() == QProcess::NormalExit) {
            o.status = process_.exitCode();
        }
        o.output = QString::fromUtf8(process_.readAllStandardOutput());
        o.errors = QString::fromUtf8(process_.readAllStandardError());
        return o;
    }

private:
    QProcess process_;
    bool started_ = false;
};

} // namespace

class PickFromAnywhereTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "this test needs a real X server");
        QVERIFY2(qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"),
                 "run under dbus-run-session");
        QCoreApplication::setApplicationName(QStringLiteral("Spectrivue"));
        QCoreApplication::setOrganizationName(QStringLiteral("Spectrivue"));
        QFile::remove(settingsPath());
        QFile::remove(HistoryStore::defaultPath());
        // The loupe on (the default), a square of 1 pixel, and one own format.
        QVERIFY(settingsFile().change([](SettingsMap& s) {
            storeOwnFormats(s, {{"Mine", "mine:{HEX}"}});
        }));
        pattern_.setPixmap(QPixmap::fromImage(patternImage()));
        pattern_.setGeometry(kPattern);
        pattern_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pattern_));
    }

    void aHeldClickPrintsThePixelUnderThePointerInTheFormatAsked() {
        struct Case {
            QString format;
            QPoint at;
            std::function<QString(ColorValue)> expected;
        };
        const auto builtIn = [](const char* name) {
            return [name](ColorValue c) {
                return QString::fromStdString(*builtInFormatText(c, name));
            };
        };
        const QList<Case> cases{
            {{}, {137, 151}, builtIn("html")},
            {QStringLiteral("hex"), {138, 151}, builtIn("hex")},
            {QStringLiteral("oklch"), {201, 377}, builtIn("oklch")},
            {QStringLiteral("delphi"), {249, 102}, builtIn("delphi")},
            {QStringLiteral("Mine"),
             {250, 102},
             [](ColorValue c) {
                 return QString::fromStdString("mine:" + expandTemplate("{HEX}", c));
             }},
            {QStringLiteral("{r},{g},{b}"),
             {300, 300},
             [](ColorValue c) { return QString::fromStdString(expandTemplate("{r},{g},{b}", c)); }},
        };
        for (const Case& c : cases) {
            QStringList arguments;
            if (!c.format.isEmpty()) {
                arguments << QStringLiteral("--format") << c.format;
            }
            CommandPick pick(arguments);
            QVERIFY(pick.started());
            QVERIFY(pointAt(c.at.x(), c.at.y()));
            QTest::qWait(120);
            QVERIFY(heldClick());
            const Outcome o = pick.finish();
            const ColorValue under = fromQRgb(patternAt(c.at.x(), c.at.y()));
            QCOMPARE(o.status, 0);
            QCOMPARE(o.output, c.expected(under) + QLatin1Char('\n'));
            QVERIFY2(o.errors.isEmpty(), qPrintable(o.errors));
        }
        // Every kept pick is in the history, the last first.
        HistoryStore history(HistoryStore::defaultPath());
        QCOMPARE(history.entries().size(), std::size_t(cases.size()));
        QCOMPARE(history.entries().front().color, fromQRgb(patternAt(300, 300)));
    }

    void stepsAverageAndEscapeWorkAsInTheWindow() {
        {
            // Three pixels right of where the pointer stood, then Enter; a 3 x 3 average.
            QVERIFY(pointAt(120, 130));
            CommandPick pick({QStringLiteral("--average"), QStringLiteral("3"),
                              QStringLiteral("--format"), QStringLiteral("{r} {g} {b}")});
            QVERIFY(pick.started());
            for (int i = 0; i < 3; ++i) {
                QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Right")}));
            }
            QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
            const Outcome o = pick.finish();
            int sum[3] = {0, 0, 0};
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QRgb p = patternAt(123 + dx, 130 + dy);
                    sum[0] += qRed(p);
                    sum[1] += qGreen(p);
                    sum[2] += qBlue(p);
                }
            }
            QCOMPARE(o.status, 0);
            QCOMPARE(o.output, QStringLiteral("%1 %2 %3\n")
                                   .arg(std::lround(sum[0] / 9.0))
                                   .arg(std::lround(sum[1] / 9.0))
                                   .arg(std::lround(sum[2] / 9.0)));
        }
        {
            CommandPick pick({});
            QVERIFY(pick.started());
            QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
            const Outcome o = pick.finish();
            QCOMPARE(o.status, 1);
            QCOMPARE(o.output, QString());
        }
    }

    void aCopiedPickStaysOnTheClipboardUntilAnotherProgramTakesIt() {
        // A template of its own, so this run's clipboard helper can be told from any other.
        const QString marker =
            QStringLiteral("copied-%1-{hex}").arg(QCoreApplication::applicationPid());
        CommandPick pick({QStringLiteral("--copy"), QStringLiteral("--format"), marker});
        QVERIFY(pick.started());
        QVERIFY(pointAt(160, 170));
        QTest::qWait(120);
        QVERIFY(heldClick());
        const Outcome o = pick.finish();
        const QString text = QString(marker).replace(
            QStringLiteral("{hex}"),
            QString::fromStdString(expandTemplate("{hex}", fromQRgb(patternAt(160, 170)))));
        QCOMPARE(o.status, 0);
        QCOMPARE(o.output, text + QLatin1Char('\n'));
        // The command has ended; its text is still served.
        QCOMPARE(clipboardText(), text);
        QVERIFY(processRunning(text));
        QCOMPARE(quietly(QStringLiteral("xclip"),
                         {QStringLiteral("-i"), QStringLiteral("-selection"),
                          QStringLiteral("clipboard")},
                         "something else"),
                 0);
        QTRY_VERIFY(!processRunning(text));
        QCOMPARE(clipboardText(), QStringLiteral("something else"));
    }

    void badRequestsEndWithStatusTwoAndSayWhy() {
        {
            CommandPick pick({QStringLiteral("--format"), QStringLiteral("nonsense")}, false);
            const Outcome o = pick.finish();
            QCOMPARE(o.status, 2);
            QVERIFY2(o.errors.contains(QStringLiteral("\"nonsense\"")) &&
                         o.errors.contains(QStringLiteral("html, hex")) &&
                         o.errors.contains(QStringLiteral("\"Mine\"")),
                     qPrintable(o.errors));
        }
        {
            CommandPick pick({QStringLiteral("--format"), QStringLiteral("{r}{q}")}, false);
            const Outcome o = pick.finish();
            QCOMPARE(o.status, 2);
            QVERIFY2(o.errors.contains(QStringLiteral("{q}")), qPrintable(o.errors));
        }
        {
            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("DISPLAY"));
            env.remove(QStringLiteral("WAYLAND_DISPLAY"));
            env.remove(QStringLiteral("QT_QPA_PLATFORM"));
            process.setProcessEnvironment(env);
            process.start(program(), {QStringLiteral("--pick")});
            QVERIFY(process.waitForFinished(10000));
            QCOMPARE(process.exitStatus(), QProcess::NormalExit);
            QCOMPARE(process.exitCode(), 2);
            const QString errors = QString::fromUtf8(process.readAllStandardError());
            QCOMPARE(errors.count(QLatin1Char('\n')), 1);
            QVERIFY2(errors.contains(QStringLiteral("no display")), qPrintable(errors));
        }
    }

    void theRunningProgramPicksForOtherProgramsOverTheSessionBus() {
        QProcess first;
        first.start(program(), {});
        QVERIFY(first.waitForStarted());
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        const QString name = QString::fromLatin1(kBusName);
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(name), 20000);
        // The main window beside the pattern, not over it (there is no window manager here).
        QTRY_COMPARE(
            quietly(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                     QStringLiteral("--pid"), QString::number(first.processId()),
                     QStringLiteral("--name"), QStringLiteral("^Spectrivue$"),
                     QStringLiteral("windowmove"), QStringLiteral("450"), QStringLiteral("500")}),
            0);
        QDBusInterface picker(name, QString::fromLatin1(kBusPath),
                              QStringLiteral("org.spectrivue.Picker"));
        QDBusInterface application(name, QString::fromLatin1(kBusPath),
                                   QStringLiteral("org.freedesktop.Application"));
        const auto current = [&] {
            return QDBusReply<QString>(picker.call(QStringLiteral("CurrentColor"))).value();
        };

        // Any text a swatch takes; anything else is refused and changes nothing.
        for (const auto& [text, expected] :
             {std::pair{QStringLiteral("#0af"), QStringLiteral("#00AAFF")},
              std::pair{QStringLiteral("tomato"), QStringLiteral("#FF6347")},
              std::pair{QStringLiteral("hsl(180 80% 19.6%)"), QStringLiteral("#0A5A5A")}}) {
            const QDBusMessage set = picker.call(QStringLiteral("SetCurrentColor"), text);
            QVERIFY(set.type() != QDBusMessage::ErrorMessage);
            QCOMPARE(current(), expected);
        }
        const QDBusMessage refused =
            picker.call(QStringLiteral("SetCurrentColor"), QStringLiteral("not a colour"));
        QCOMPARE(refused.errorName(), QStringLiteral("org.spectrivue.Picker.Error.InvalidColor"));
        QCOMPARE(current(), QStringLiteral("#0A5A5A"));

        // Pick(): the pick runs in the window (the current colour follows the pointer) and the
        // kept colour is the answer.
        QVERIFY(pointAt(180, 190));
        QDBusPendingReply<QString> picked = picker.asyncCall(QStringLiteral("Pick"));
        QTRY_COMPARE(current(), html(patternAt(180, 190)));
        QVERIFY(pointAt(181, 190));
        QTRY_COMPARE(current(), html(patternAt(181, 190)));
        QVERIFY(heldClick());
        picked.waitForFinished();
        QVERIFY2(!picked.isError(), qPrintable(picked.error().message()));
        QCOMPARE(picked.value(), html(patternAt(181, 190)));
        const QDBusReply<QStringList> history = picker.call(QStringLiteral("History"));
        QCOMPARE(history.value().value(0), html(patternAt(181, 190)));

        QVERIFY(pointAt(310, 250));
        QDBusPendingReply<QString> cancelled = picker.asyncCall(QStringLiteral("Pick"));
        QTRY_COMPARE(current(), html(kGrey));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
        cancelled.waitForFinished();
        QCOMPARE(cancelled.error().name(), QStringLiteral("org.spectrivue.Picker.Error.Cancelled"));
        QCOMPARE(current(), html(patternAt(181, 190)));

        // The launcher's "Pick a Colour": a pick whose colour is also copied.
        QVERIFY(pointAt(300, 260));
        const QDBusMessage action =
            application.call(QStringLiteral("ActivateAction"), QStringLiteral("pick"),
                             QVariantList(), QVariantMap());
        QVERIFY(action.type() != QDBusMessage::ErrorMessage);
        QTRY_COMPARE(current(), html(kRed));
        QVERIFY(heldClick());
        QTRY_COMPARE(clipboardText(), html(kRed));

        // A second copy runs beside the first without the name. It asks for the name as its
        // main window shows.
        QProcess second;
        second.start(program(), {});
        QVERIFY(second.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(showsWindowOfSize(second.processId(), QSize(756, 466)), 20000);
        QCOMPARE(second.state(), QProcess::Running);
        QCOMPARE(bus->servicePid(name).value(), uint(first.processId()));
        QVERIFY(application.call(QStringLiteral("Activate"), QVariantMap()).type() !=
                QDBusMessage::ErrorMessage);
        second.kill();
        second.waitForFinished();
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }

private:
    QLabel pattern_{nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint};
};

QTEST_MAIN(PickFromAnywhereTest)
#include "PickFromAnywhereTest.moc"
