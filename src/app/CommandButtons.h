#pragma once
// The command buttons of the main window, in their two columns under "Color from Screen".

class QWidget;

namespace sv {

class ImageButton;

struct CommandButtons {
    ImageButton* pickFromScreen = nullptr;
    ImageButton* gradientGenerator = nullptr;
    ImageButton* colorGrid = nullptr;
    ImageButton* magnifier = nullptr;
    ImageButton* pictureColors = nullptr;
    ImageButton* colorNames = nullptr;
    ImageButton* systemColor = nullptr;
    ImageButton* options = nullptr;
    ImageButton* about = nullptr;
    ImageButton* newPalette = nullptr;
    ImageButton* openPalette = nullptr;
    ImageButton* savePalette = nullptr;
    ImageButton* exit = nullptr;

    // Makes, places and labels every button on the window.
    static CommandButtons create(QWidget* window);
};

} // namespace sv
