#include "AppInfo.h"
#include "app/MainWindow.h"
#include "app/StartupSplash.h"
#include "dialogs/Options.h"
#include "widgets/ScreenReader.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(sv::kAppTitle));
    QApplication::setOrganizationName(QString::fromLatin1(sv::kAppTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(sv::kVersionText));

    // The options come first: the palette's empty swatches already show the stored mask.
    sv::Options options;
    options.load();
    sv::QtScreenReader screen;
    sv::MainWindow mainWindow(screen, options);

    auto* splash = new sv::StartupSplash(mainWindow);
    QObject::connect(splash, &sv::StartupSplash::finished, splash, &QObject::deleteLater);
    splash->show();
    return QApplication::exec();
}
