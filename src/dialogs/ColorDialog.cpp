#include "dialogs/ColorDialog.h"

#include "widgets/PlainText.h"
#include "widgets/QtColor.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>

namespace sv {

std::optional<ColorValue> chooseSystemColor(QWidget* owner, ColorValue current) {
    static const bool customColorsSet = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i) {
            QColorDialog::setCustomColor(i, toQColor(kFirstCustomColor));
        }
        return true;
    }();
    Q_UNUSED(customColorsSet);
    // The platform's own dialog would not show the custom colours. Qt decides whether to use it
    // as the dialog is made: a colour given to a dialog made for the platform's (GTK's, on
    // GNOME) goes there, and Qt's own then opens at black or white. So none is asked for while
    // this one is made.
    const bool nativeDialogsOff = QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, true);
    const QPointer<QColorDialog> dialog = new QColorDialog(toQColor(current), owner);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, nativeDialogsOff);
    const auto cleanUp = qScopeGuard([&] { delete dialog; });
    dialog->setOption(QColorDialog::DontUseNativeDialog);
    if (execDialog(dialog) != QDialog::Accepted || dialog == nullptr ||
        !dialog->selectedColor().isValid()) {
        return std::nullopt;
    }
    return fromQColor(dialog->selectedColor());
}

} // namespace sv
