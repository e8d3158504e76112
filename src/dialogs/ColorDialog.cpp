#include "dialogs/ColorDialog.h"

#include "widgets/QtColor.h"

#include <QColorDialog>

namespace sv {

std::optional<ColorValue> chooseSystemColor(QWidget* owner, ColorValue current) {
    static const bool customColorsSet = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            QColorDialog::setCustomColor(i, toQColor(kFirstCustomColor));
        }
        return true;
    }();
    Q_UNUSED(customColorsSet);
    QColorDialog dialog(toQColor(current), owner);
    // The platform's own dialog would not show the custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return fromQColor(dialog.selectedColor());
}

} // namespace sv
