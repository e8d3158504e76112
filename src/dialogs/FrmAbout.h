#pragma once
// The About window: title and version, the maker's texts, a link to the maker's web page and
// a button asking for help files. It opens near the main window's bottom-right corner.

#include "widgets/ToolWindow.h"

class QLabel;

namespace sv {

class SMButton;

class FrmAbout : public ToolWindow {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* mainWindow);

    // "Spectrivue", a line break, "Version: 2.0.6".
    static QString versionText();
    // The help-file request shown by btnAbout.
    static QString helpRequestText();

    QLabel* lbl0() const { return lbl0_; }
    QLabel* lblSite() const { return lblSite_; }
    SMButton* btnAbout() const { return btnAbout_; }
    SMButton* btn() const { return closeButton(); }

    // Puts the window near the main window's bottom-right corner.
    void placeNearCorner(const QWidget& mainWindow);

signals:
    // After the help-file message the main window is on top again.
    void mainWindowPutOnTop();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askForHelp();

    QLabel* lbl0_ = nullptr;
    QLabel* lblSite_ = nullptr;
    SMButton* btnAbout_ = nullptr;
};

} // namespace sv
