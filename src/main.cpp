#include "app/FrmIntro.h"
#include "app/Mdi.h"
#include "app/Options.h"
#include "app/ScreenReader.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spectrivue"));
    QApplication::setOrganizationName(QStringLiteral("Spectrivue"));
    QApplication::setApplicationVersion(QStringLiteral("2.0.6"));

    sv::Options options;
    sv::QtScreenReader screen;
    std::unique_ptr<sv::Mdi> mainWindow;
    int status = 0;

    // The splash is the start-up object: it builds the main window and hands it over.
    auto* splash = new sv::FrmIntro(screen, options);
    QObject::connect(splash, &sv::FrmIntro::finished, &app, [&](bool ok) {
        mainWindow.reset(splash->takeMainWindow());
        splash->deleteLater();
        if (!ok) {
            status = 1;
            QApplication::exit(1);
        }
    });
    splash->show();
    const int rc = QApplication::exec();
    return status != 0 ? status : rc;
}
