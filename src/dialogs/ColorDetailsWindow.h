#pragma once
// The colour details window: the current colour in today's notations (CSS, Qt, Android,
// SwiftUI, .NET), each with its own Copy button; how readable the current colour is as text
// on the last colour (WCAG ratio and verdicts, APCA Lc, a live sample); and the nearest of the
// named colours. It follows the colour selection live, during a pick too.

#include "color/Color.h"
#include "color/ColorFormats.h"
#include "widgets/ToolWindow.h"

#include <array>

class QLabel;
class QLineEdit;

namespace sv {

class ColorSelection;
class ImageButton;

class ColorDetailsWindow : public ToolWindow {
    Q_OBJECT
public:
    ColorDetailsWindow(QWidget* mainWindow, ColorSelection& selection);

    QLineEdit* field(ColorFormat format) const { return fields_[std::size_t(format)]; }
    ImageButton* copyButton(ColorFormat format) const { return copyButtons_[std::size_t(format)]; }
    QString contrastText() const;
    QString apcaText() const;
    QString nearestNameText() const;
    QLabel* sample() const { return sample_; }

private:
    void showColor(ColorValue current, ColorValue previous);

    std::array<QLineEdit*, kColorFormatCount> fields_{};
    std::array<ImageButton*, kColorFormatCount> copyButtons_{};
    QLabel* ratio_ = nullptr;
    QLabel* verdicts_ = nullptr;
    QLabel* apca_ = nullptr;
    QLabel* sample_ = nullptr;
    QLabel* largeSample_ = nullptr;
    QLabel* nearest_ = nullptr;
};

} // namespace sv
