#include "AppInfo.h"
#include "app/CommandLine.h"
#include "app/CommandLinePick.h"
#include "app/MainWindow.h"
#include "app/SessionBusService.h"
#include "app/StartupSplash.h"
#include "app/Translations.h"
#include "bitmap/ColorPage.h"
#include "files/ProgramFolders.h"
#include "files/SafeFile.h"
#include "settings/Options.h"
#include "widgets/ScreenReader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLocale>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

int endWith(const sv::CommandLineOutcome& command) {
    std::fputs(command.output.toLocal8Bit().constData(), stdout);
    if (!command.error.isEmpty()) {
        std::fputs((command.error + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    }
    return command.exitCode;
}

void nameApplication() {
    QApplication::setApplicationName(QString::fromLatin1(sv::kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(sv::kAppTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(sv::kVersionText));
    // The desktop file's name is Wayland's app id; the application name above is the X11
    // window class (StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.spectrivue.spectrivue"));
}

// While the application object connects to the display, Qt's complaints are held back: where
// there is no display, a command-line pick ends with one line and status 2 instead of Qt's
// abort.
void quietUntilConnected(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        // Qt's own words blame a plugin; the person needs to hear what is missing.
        std::fputs("Spectrivue: no display to pick from: neither an X11 nor a Wayland display "
                   "could be opened\n",
                   stderr);
        std::_Exit(2);
    }
}

int runPick(int argc, char* argv[], const sv::PickRequest& request) {
    const sv::PickFormat format = sv::PickFormat::resolve(request.format.toStdString(),
                                                          sv::storedOwnFormats(sv::settingsFile()));
    if (!format.ok()) {
        std::fprintf(stderr, "Spectrivue: %s\n", format.error().c_str());
        return 2;
    }
    const QtMessageHandler qtHandler = qInstallMessageHandler(quietUntilConnected);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    const sv::CommandLineOutcome rest =
        sv::readCommandLine(QCoreApplication::arguments(), sv::CommandLineStage::AfterQt);
    if (!rest.proceed) {
        return endWith(rest);
    }
    nameApplication();
    sv::installTranslations(app, QLocale(), sv::translationsFolder());
    sv::Options options(sv::settingsFile());
    options.load();
    sv::QtScreenReader screen;
    sv::CommandLinePick pick(screen, format, request.copy,
                             request.sampleSize != 0 ? request.sampleSize : options.sampleSize(),
                             options.loupe());
    QObject::connect(&pick, &sv::CommandLinePick::finished, &app, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    pick.start();
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const sv::CommandLineOutcome information =
        sv::readCommandLine(arguments, sv::CommandLineStage::BeforeQt);
    if (information.listFormats) {
        std::fputs(
            sv::formatListing(sv::kFormatExample, sv::storedOwnFormats(sv::settingsFile())).c_str(),
            stdout);
        return 0;
    }
    if (!information.proceed) {
        return endWith(information);
    }
    if (information.pick.requested) {
        return runPick(argc, argv, information.pick);
    }

    QApplication app(argc, argv);
    sv::installTranslations(app, QLocale(), sv::translationsFolder());
    const sv::CommandLineOutcome rest =
        sv::readCommandLine(QCoreApplication::arguments(), sv::CommandLineStage::AfterQt);
    if (!rest.proceed) {
        return endWith(rest);
    }
    nameApplication();
    // The icon is the installed one, else our own copy.
    QIcon ownIcon;
    for (const int size : {16, 32, 48, 128}) {
        ownIcon.addFile(QStringLiteral(":/icons/org.spectrivue.spectrivue-%1.png").arg(size));
    }
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.spectrivue.spectrivue"), ownIcon));

    // The options come first: the palette's empty swatches already show the stored mask.
    sv::Options options(sv::settingsFile());
    options.load();
    // What writes cut short by a crash or a kill left behind.
    options.store().removeStaleWrites();
    for (const QString& base : {sv::programFolder(), sv::userDataFolder()}) {
        const QString pages = QDir(base).filePath(sv::workFolderName(sv::WorkFolder::ColorTables));
        sv::removeStaleTemporaryFiles(QFile::encodeName(pages).toStdString(),
                                      sv::kColorPageTemporaryPrefix);
    }
    sv::QtScreenReader screen;
    // Made while the splash stands, not before it.
    std::unique_ptr<sv::MainWindow> mainWindow;
    QPointer<sv::StartupSplash> splash = new sv::StartupSplash([&]() -> sv::MainWindow& {
        if (!mainWindow) {
            mainWindow = std::make_unique<sv::MainWindow>(screen, options);
        }
        return *mainWindow;
    });
    QObject::connect(splash, &sv::StartupSplash::finished, splash, &QObject::deleteLater);
    // On the bus once the window stands, for launchers, shortcuts and scripts to reach it.
    QObject::connect(splash, &sv::StartupSplash::finished, splash,
                     [&] { new sv::SessionBusService(*mainWindow); });
    splash->show();
    const int status = QApplication::exec();
    delete splash.data(); // if it still stands: it goes before the main window it refers to
    return status;
}
