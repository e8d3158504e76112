#include "app/LastingClipboard.h"

#include "widgets/ScreenReader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

namespace sv {

namespace {

constexpr int kHandOverMs = 5000;

// Runs a hand-over program to its end (its background process stays); empty when it succeeded,
// else why not. Its standard output is read only where it says something: a background process
// that inherits it would otherwise keep it open for good.
enum class Output { Read, Dropped };
QString run(QProcess& process, const QString& program, const QStringList& arguments, Output output,
            const QByteArray& input = {}) {
    if (output == Output::Dropped) {
        process.setStandardOutputFile(QProcess::nullDevice());
    }
    process.start(program, arguments);
    if (!process.waitForStarted(kHandOverMs)) {
        return QStringLiteral("%1 cannot be started").arg(program);
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(kHandOverMs)) {
        process.kill();
        return QStringLiteral("%1 did not answer").arg(program);
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return said.isEmpty() ? QStringLiteral("%1 failed").arg(program) : said;
    }
    return {};
}

} // namespace

QString clipboardHelperPath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("spectrivue-clipboard");
    const QString installed =
        programFolder.filePath(QStringLiteral("../libexec/spectrivue/") + name);
    if (QFileInfo(installed).isExecutable()) {
        return QDir::cleanPath(installed);
    }
    return programFolder.filePath(name);
}

QString keepOnClipboard(const QString& text) {
    QProcess process;
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    const QString wlCopy = QStandardPaths::findExecutable(QStringLiteral("wl-copy"));
    // Under XWayland too: the session's own clipboard is the Wayland one.
    const bool waylandSession =
        wayland || (runsUnderXWayland() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    if (waylandSession && !wlCopy.isEmpty()) {
        // From standard input: a text starting with "-" is not an option there.
        return run(process, wlCopy, {QStringLiteral("--type"), QStringLiteral("text/plain")},
                   Output::Dropped, text.toUtf8());
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return wayland ? QStringLiteral("copying on Wayland needs wl-copy (the package "
                                        "wl-clipboard)")
                       : QStringLiteral("no X11 display to hold the clipboard");
    }
    const QString helper = clipboardHelperPath();
    // It says "ok" once the clipboard is its own; its background process keeps no output.
    const QString failure = run(process, helper, {text}, Output::Read);
    if (failure.isEmpty() && process.readAllStandardOutput().trimmed() != "ok") {
        return QStringLiteral("%1 did not take the clipboard").arg(helper);
    }
    return failure;
}

} // namespace sv
