// The floor for start-up times: a Qt Widgets program that shows one label and nothing else,
// built with the same compiler and flags as Spectrivue.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("A bare Qt Widgets window"));
    label.resize(200, 100);
    label.show();
    return QApplication::exec();
}
