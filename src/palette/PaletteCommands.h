#pragma once
// The three palette commands of the main window, New, Open and Save, acting on the palette
// through the file dialogs.

#include <QObject>
#include <QString>

class QWidget;

namespace sv {

class FileDialogs;
class PaletteModel;

enum class PaletteCommand { New, Open, Save };

class PaletteCommands : public QObject {
    Q_OBJECT
public:
    // messageParent owns the message boxes; workFolder holds the "pallets" folder.
    PaletteCommands(PaletteModel& palette, FileDialogs& dialogs, QWidget* messageParent,
                    const QString& workFolder, QObject* parent = nullptr);

    void run(PaletteCommand command);

    void newPalette();
    void openPalette();
    void savePalette();

    // The file of the last successful Open or Save; empty before one.
    QString lastPath() const { return lastPath_; }

    static QString openTitle() { return tr("Load PSP Palette"); }
    static QString saveTitle() { return tr("Save PSP Palette"); }
    // Open lists every kind it reads, then each kind; Save each kind it writes, the classic
    // one first.
    static QString openFilter();
    static QString saveFilter();

private:
    PaletteModel& palette_;
    FileDialogs& dialogs_;
    QWidget* messageParent_;
    QString workFolder_;
    QString lastPath_;
    void warn(const QString& text);
};

} // namespace sv
