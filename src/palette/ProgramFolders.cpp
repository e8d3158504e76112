#include "palette/ProgramFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sv {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString writableFolder() {
    const QString program = programFolder();
    const QFileInfo info(program);
    if (!program.isEmpty() && info.isDir() && info.isWritable()) {
        return program;
    }
    const QString user = userDataFolder();
    QDir().mkpath(user);
    return user;
}

QStringList startPaletteFolders() {
    return {programFolder(), userDataFolder()};
}

QString EnsureFolder(int kind, const QString& base) {
    QString name;
    switch (static_cast<WorkFolder>(kind)) {
    case WorkFolder::Pallets:
        name = QStringLiteral("pallets");
        break;
    case WorkFolder::TableColor:
        name = QStringLiteral("tableColor");
        break;
    default:
        return {};
    }
    const QString path = QDir(base).filePath(name);
    QDir().mkpath(path);
    return path + QLatin1Char('/');
}

} // namespace sv
