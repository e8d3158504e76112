#pragma once
// The folders the program keeps its files in: beside the executable where that folder is
// writable, otherwise the per-user data folder.

#include <QString>
#include <QStringList>

namespace sv {

// The executable's folder.
QString programFolder();
// The per-user data folder (QStandardPaths::AppDataLocation).
QString userDataFolder();
// Where the program writes its folders: the program folder when it is writable, else the
// per-user data folder (created on demand).
QString writableFolder();
// Where "Default.pal" is looked for, in order: the program folder, then the per-user folder.
QStringList startPaletteFolders();

enum class WorkFolder { Pallets = 1, TableColor = 2 };

// Creates base/"pallets" (kind 1) or base/"tableColor" (kind 2) if missing and returns its
// path, ending with a separator. Creation errors are ignored; other kinds give "".
QString EnsureFolder(int kind, const QString& base = writableFolder());

} // namespace sv
