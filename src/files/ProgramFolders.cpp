#include "files/ProgramFolders.h"

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

QString workFolderName(WorkFolder folder) {
    return folder == WorkFolder::Palettes ? QStringLiteral("pallets")
                                          : QStringLiteral("tableColor");
}

QString ensureFolder(WorkFolder folder, const QString& base) {
    const QString path = QDir(base).filePath(workFolderName(folder));
    QDir().mkpath(path);
    return path + QLatin1Char('/');
}

} // namespace sv
