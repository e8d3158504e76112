#include "app/CommandButtons.h"

#include "widgets/ImageButton.h"

#include <QCoreApplication>
#include <array>

namespace sv {

CommandButtons CommandButtons::create(QWidget* window) {
    CommandButtons b;
    b.pickFromScreen = new ImageButton(window);
    b.pickFromScreen->setText(
        QCoreApplication::translate("sv::CommandButtons", "Color from Screen"));
    b.pickFromScreen->setToolTip(
        QCoreApplication::translate("sv::CommandButtons", "  Color from Screen  - { F9 }  "));
    b.pickFromScreen->setGeometry(384, 165, 104, 24);

    struct Command {
        ImageButton** slot;
        const char* text;
        const char* toolTip;
    };
    const std::array<Command, 12> commands{{
        {&b.gradientGenerator, QT_TRANSLATE_NOOP("sv::CommandButtons", "Gradient"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Gradient Creator  ")},
        {&b.colorGrid, QT_TRANSLATE_NOOP("sv::CommandButtons", "Grid"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Big Color Grid  ")},
        {&b.magnifier, QT_TRANSLATE_NOOP("sv::CommandButtons", "Zoom"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Capture Magnification  ")},
        {&b.pictureColors, QT_TRANSLATE_NOOP("sv::CommandButtons", "Bitmap"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Extract Bitmap Color  ")},
        {&b.colorNames, QT_TRANSLATE_NOOP("sv::CommandButtons", "Names"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Color Names  ")},
        {&b.systemColor, QT_TRANSLATE_NOOP("sv::CommandButtons", "System"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  System Color Picker  ")},
        {&b.options, QT_TRANSLATE_NOOP("sv::CommandButtons", "Options"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Options...      ")},
        {&b.about, QT_TRANSLATE_NOOP("sv::CommandButtons", "About"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  About Spectrivue  ")},
        {&b.newPalette, QT_TRANSLATE_NOOP("sv::CommandButtons", "New"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  New Palette  ")},
        {&b.openPalette, QT_TRANSLATE_NOOP("sv::CommandButtons", "Open"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Open Palette  ")},
        {&b.savePalette, QT_TRANSLATE_NOOP("sv::CommandButtons", "Save"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Save Palette  ")},
        {&b.exit, QT_TRANSLATE_NOOP("sv::CommandButtons", "Exit"),
         QT_TRANSLATE_NOOP("sv::CommandButtons", "  Exit  ")},
    }};
    for (int i = 0; i < static_cast<int>(commands.size()); ++i) {
        const Command& c = commands[static_cast<std::size_t>(i)];
        auto* button = new ImageButton(window);
        button->setText(QCoreApplication::translate("sv::CommandButtons", c.text));
        button->setToolTip(QCoreApplication::translate("sv::CommandButtons", c.toolTip));
        button->setGeometry(384 + (i % 2) * 54, 195 + (i / 2) * 28, 50, 24);
        *c.slot = button;
    }
    return b;
}

} // namespace sv
