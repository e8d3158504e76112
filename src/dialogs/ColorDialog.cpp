#include "dialogs/ColorDialog.h"

#include "widgets/QtColor.h"

#include <QColorDialog>

namespace sv {

ColorDialog::ColorDialog(ExecStep exec) : exec_(std::move(exec)) {
    custom_.fill(kFirstCustomColor);
    if (!exec_) {
        exec_ = &ColorDialog::execQColorDialog;
    }
}

std::optional<ColorValue> ColorDialog::choose(QWidget* owner, ColorValue current) {
    try {
        for (int i = 0; i < 16; ++i) {
            QColorDialog::setCustomColor(i, toQColor(custom_[std::size_t(i)]));
        }
        const std::optional<QColor> chosen = exec_(owner, toQColor(current));
        // The custom colours stay as the dialog leaves them, confirmed or not.
        for (int i = 0; i < 16; ++i) {
            custom_[std::size_t(i)] = fromQColor(QColorDialog::customColor(i));
        }
        if (chosen && chosen->isValid()) {
            return fromQColor(*chosen);
        }
    } catch (...) {
    }
    return std::nullopt;
}

std::optional<QColor> ColorDialog::execQColorDialog(QWidget* owner, const QColor& initial) {
    QColorDialog dialog(initial, owner);
    // The platform's own dialog would not show the custom colours.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

} // namespace sv
