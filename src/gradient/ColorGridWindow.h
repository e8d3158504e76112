#pragma once
// The colour grid window: the palette enlarged to fill the window, with a style-sheet panel.
// Unlike the small tool windows it has the system's title bar and any size.

#include <QWidget>

namespace sv {

class ImageButton;
class Panel;

class ColorGridWindow : public QWidget {
    Q_OBJECT
public:
    explicit ColorGridWindow(QWidget* mainWindow);

    Panel* cssPanel() const { return cssPanel_; }
    ImageButton* cssCloseButton() const { return cssCloseButton_; }

private:
    Panel* cssPanel_ = nullptr;
    ImageButton* cssCloseButton_ = nullptr;
};

} // namespace sv
