#pragma once
// The colour grid window: the palette enlarged to fill the window, with a style-sheet panel.
// Unlike the small tool windows it has the system's title bar and any size; the main window
// opens it maximised.

#include <QWidget>

namespace sv {

class ActivePanel;
class SMButton;

class FrmMaxGrid : public QWidget {
    Q_OBJECT
public:
    explicit FrmMaxGrid(QWidget* mainWindow);

    ActivePanel* pnlCSS() const { return pnlCSS_; }
    SMButton* btnCloseEdit() const { return btnCloseEdit_; }

private:
    ActivePanel* pnlCSS_ = nullptr;
    SMButton* btnCloseEdit_ = nullptr;
};

} // namespace sv
