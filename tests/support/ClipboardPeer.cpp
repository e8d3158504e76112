// Another program that owns the clipboard, as an image editor does after a copy: it offers a
// file's bytes under one MIME type, prints "ready" once it owns the clipboard and exits when
// another program takes it (or after a minute).
//
// Usage: clipboard_peer FILE MIME-TYPE

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        return 2;
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLocal8Bit(argv[2]), file.readAll());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setMimeData(data);
    QTimer::singleShot(200, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    QObject::connect(clipboard, &QClipboard::dataChanged, &app, [clipboard] {
        if (!clipboard->ownsClipboard()) {
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
