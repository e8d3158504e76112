#pragma once
// The picture colour window: lists the distinct colours of a picture and writes them as an
// HTML colour table.

#include "widgets/ToolWindow.h"

#include <array>

namespace sv {

class CaptionedLine;
class ImageButton;
class ProgressBar;

enum class PictureCommand { Open, Paste, Generate, OpenPage };

class PictureColorsWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit PictureColorsWindow(QWidget* mainWindow);

    ImageButton* commandButton(PictureCommand command) const {
        return commandButtons_[static_cast<std::size_t>(command)];
    }
    CaptionedLine* countsLine() const { return countsLine_; }
    ProgressBar* progressBar() const { return progressBar_; }

private:
    std::array<ImageButton*, 4> commandButtons_{};
    CaptionedLine* countsLine_ = nullptr;
    ProgressBar* progressBar_ = nullptr;
};

} // namespace sv
