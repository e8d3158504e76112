#pragma once
// The open and save file dialogs as the program asks for them, behind an interface so that
// tests put a double in their place.

#include <QString>

namespace sv {

struct FileDialogRequest {
    QString title;
    QString filter;           // Qt form: "PSP Palette File (*.pal)", several joined by ";;"
    QString defaultExtension; // without the dot, "pal"; added to a name typed without one (the
                              // chosen filter's own extension once the user picks another)
    QString defaultName;      // the name the dialog starts with
    QString initialFolder;    // absolute; empty: see getOpenFile / getSaveFile
};

// What the dialog returns: the chosen file, or nothing when the dialog was cancelled.
struct FileDialogResult {
    QString path;           // absolute
    QString selectedFilter; // the filter the user had chosen, as given in the request

    bool chosen() const { return !path.isEmpty(); }
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
