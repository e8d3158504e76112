#include "app/CommandButtons.h"

#include "widgets/ImageButton.h"

#include <array>

namespace sv {

CommandButtons CommandButtons::create(QWidget* window) {
    CommandButtons b;
    b.pickFromScreen = new ImageButton(window);
    b.pickFromScreen->setText(QStringLiteral("Color from Screen"));
    b.pickFromScreen->setToolTip(QStringLiteral("  Color from Screen  - { F9 }  "));
    b.pickFromScreen->setGeometry(384, 165, 104, 24);

    struct Command {
        ImageButton** slot;
        const char* text;
        const char* toolTip;
    };
    const std::array<Command, 12> commands{{
        {&b.gradientGenerator, "Gradient", "  Gradient Creator  "},
        {&b.colorGrid, "Grid", "  Big Color Grid  "},
        {&b.magnifier, "Zoom", "  Capture Magnification  "},
        {&b.pictureColors, "Bitmap", "  Extract Bitmap Color  "},
        {&b.colorNames, "Names", "  Color Names  "},
        {&b.systemColor, "System", "  System Color Picker  "},
        {&b.options, "Options", "  Options...      "},
        {&b.about, "About", "  About Spectrivue  "},
        {&b.newPalette, "New", "  New Palette  "},
        {&b.openPalette, "Open", "  Open Palette  "},
        {&b.savePalette, "Save", "  Save Palette  "},
        {&b.exit, "Exit", "  Exit  "},
    }};
    for (int i = 0; i < static_cast<int>(commands.size()); ++i) {
        const Command& c = commands[static_cast<std::size_t>(i)];
        auto* button = new ImageButton(window);
        button->setText(QString::fromLatin1(c.text));
        button->setToolTip(QString::fromLatin1(c.toolTip));
        button->setGeometry(384 + (i % 2) * 54, 195 + (i / 2) * 28, 50, 24);
        *c.slot = button;
    }
    return b;
}

} // namespace sv
