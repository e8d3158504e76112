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

// The folders the program writes into: palettes ("pallets") and colour-table pages
// ("tableColor"). Users' files live there under these names.
enum class WorkFolder { Palettes, ColorTables };

QString workFolderName(WorkFolder folder);

// Creates the folder inside base if missing and returns its path, ending with a separator.
// Creation errors are ignored: the dialog that opens there says what is wrong.
QString ensureFolder(WorkFolder folder, const QString& base = writableFolder());

} // namespace sv
