#pragma once
// The About window: title and version, the maker's texts, a link to the maker's web page and
// a button asking for help files. It opens near the main window's bottom-right corner.

#include "widgets/ToolWindow.h"

class QLabel;

namespace sv {

class ImageButton;

class AboutWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* mainWindow);

    // "Spectrivue", a line break, "Version: 2.0.6".
    static QString versionText();
    // The help-file request shown by the help button.
    static QString helpRequestText();

    QLabel* versionLabel() const { return versionLabel_; }
    QLabel* siteLink() const { return siteLink_; }
    ImageButton* helpButton() const { return helpButton_; }

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

    QLabel* versionLabel_ = nullptr;
    QLabel* siteLink_ = nullptr;
    ImageButton* helpButton_ = nullptr;
};

} // namespace sv
