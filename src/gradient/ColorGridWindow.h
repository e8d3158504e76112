#pragma once
// The colour grid window: the palette enlarged to fill the window, 16 by 16, with a right-click
// menu that writes style-sheet blocks for the colour under the pointer into a panel. Unlike the
// small tool windows it has the system's title bar and any size; every resize lays the cells
// out afresh and empties the panel.

#include "gradient/StyleSheet.h"

#include <QPlainTextEdit>
#include <QWidget>
#include <array>

class QLabel;
class QMenu;

namespace sv {

class ColorGridView;
class ImageButton;
class Panel;
class PaletteModel;

// The style-sheet text field; a copy keeps the text's CR LF line ends.
class StyleSheetField : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit StyleSheetField(QWidget* parent = nullptr);

    // The text with CR LF line ends, as it is written and copied.
    QString styleText() const;
    // Its length in characters, each line end counting two.
    std::size_t styleLength() const;
    void appendStyle(const std::string& text);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

class ColorGridWindow : public QWidget {
    Q_OBJECT
public:
    // palette is the main window's palette, whose swatches the cells show.
    ColorGridWindow(QWidget* mainWindow, PaletteModel& palette);

    // Recolours the cells from the palette without moving them.
    void repaintFromPalette();
    // Appends a block for rule in the colour last under the pointer and shows the panel.
    void appendStyle(StyleRule rule);

    ColorGridView* view() const { return view_; }
    Panel* cssPanel() const { return cssPanel_; }
    StyleSheetField* cssField() const { return cssField_; }
    ImageButton* cssCloseButton() const { return cssCloseButton_; }
    QLabel* cssHandle() const { return cssHandle_; }
    QMenu* styleMenu() const { return menu_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Escape closes the window, as it does every tool window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void layOut();
    void sizeCssPanel();

    PaletteModel& palette_;
    ColorGridView* view_ = nullptr;
    Panel* cssPanel_ = nullptr;
    StyleSheetField* cssField_ = nullptr;
    ImageButton* cssCloseButton_ = nullptr;
    QLabel* cssHandle_ = nullptr;
    QMenu* menu_ = nullptr;
    StyleSheetWriter writer_;
};

} // namespace sv
