#pragma once
// The gradient generator window: fills the whole palette, or one row of it, with a gradient
// between a start and an end colour. Each colour has three number fields and three sliders;
// letting go of a slider writes its field and the colour's preview, while typing in a field
// changes only what the next gradient uses.

#include "color/Color.h"
#include "widgets/ToolWindow.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace sv {

class ColorBox;
class ImageButton;
class Slider;
class PaletteModel;

enum class GradientEnd { Start = 0, End = 1 };

class GradientGeneratorWindow : public ToolWindow {
    Q_OBJECT
public:
    // palette is the main window's palette, which the gradients are written into.
    GradientGeneratorWindow(QWidget* mainWindow, PaletteModel& palette);

    ImageButton* createButton() const { return createButton_; }
    QLineEdit* field(GradientEnd end, Channel channel) const;
    Slider* slider(GradientEnd end, Channel channel) const;
    ColorBox* preview(GradientEnd end) const;
    // "All Grid" (0) or "Row 1" .. "Row 16" (1 .. 16).
    QComboBox* target() const { return target_; }

    // Writes the gradient the fields and the target ask for; a field that does not hold a
    // 16-bit number is reported and nothing is written.
    void createGradient();

private:
    int fieldWidth_ = 0;
    struct EndControls {
        std::array<QLineEdit*, 3> fields{};
        std::array<Slider*, 3> sliders{};
        ColorBox* preview = nullptr;
    };

    void buildEnd(GradientEnd end, int left, const QString& heading, ColorValue initial);
    void showPreview(GradientEnd end);

    PaletteModel& palette_;
    std::array<EndControls, 2> ends_;
    QComboBox* target_ = nullptr;
    ImageButton* createButton_ = nullptr;
};

} // namespace sv
