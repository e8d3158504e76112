#pragma once
// The open and save file dialogs as the program asks for them, behind an interface so that
// tests put a double in their place.

#include <QString>
#include <QStringList>

namespace sv {

struct FileDialogRequest {
    QString title;
    QString filter;           // Qt form: "PSP Palette File (*.pal)", several joined by ";;"
    QString defaultExtension; // without the dot, "pal"; added to a name typed without one (the
                              // chosen filter's own extension once the user picks another)
    QString defaultName;      // the name the dialog starts with
    QString initialFolder;    // absolute; empty: see getOpenFile / getSaveFile
};

// What the dialog returns.
struct FileDialogResult {
    int count = 0;         // number of names (0 or 1)
    QStringList fileNames; // names only, without their folder
    QString folder;        // the chosen folder, ending with a separator
    bool cancelled = true;
    QString selectedFilter; // the filter the user had chosen, as given in the request

    // File name i, counted from 1; empty when there is none.
    QString fileName(int i) const {
        return i >= 1 && i <= fileNames.size() ? fileNames.at(i - 1) : QString();
    }
    // Folder + file name 1; empty when cancelled.
    QString path() const { return cancelled || count < 1 ? QString() : folder + fileName(1); }
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // An empty initial folder opens in the program's folder.
    virtual FileDialogResult getOpenFile(const FileDialogRequest& request) = 0;
    // An empty initial folder is left to the platform; an existing file is confirmed first.
    virtual FileDialogResult getSaveFile(const FileDialogRequest& request) = 0;
};

} // namespace sv
