#include "app/Mdi.h"
#include "app/Options.h"
#include "app/ScreenReader.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Spectrivue"));
    QApplication::setOrganizationName(QStringLiteral("Spectrivue"));
    sv::Options options;
    options.load();
    sv::QtScreenReader screen;
    sv::Mdi mdi(screen, options);
    mdi.show();
    mdi.mostraCodigos(sv::kWhite);
    return QApplication::exec();
}
