#pragma once
// The file dialogs as QFileDialog, modal over their owner window (Qt centres them on it).

#include "files/FileDialogs.h"

class QWidget;

namespace sv {

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* owner) : owner_(owner) {}

    FileDialogResult getOpenFile(const FileDialogRequest& request) override;
    FileDialogResult getSaveFile(const FileDialogRequest& request) override;

private:
    QWidget* owner_;
};

} // namespace sv
