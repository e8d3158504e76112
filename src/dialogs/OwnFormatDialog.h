#pragma once
// Asks for a new colour format of the user's own: a name and a template, with the current
// colour shown through the template as it is typed. A format that cannot be used is explained
// in a message box and the dialog stays open.

#include "color/Color.h"
#include "settings/OwnFormats.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace sv {

class OwnFormatDialog : public QDialog {
    Q_OBJECT
public:
    OwnFormatDialog(QWidget* parent, ColorValue sample);

    OwnFormat format() const;
    QLineEdit* nameField() const { return name_; }
    QLineEdit* templateField() const { return pattern_; }
    QString previewText() const;

    void accept() override;

private:
    void updatePreview();

    ColorValue sample_;
    QLineEdit* name_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QLabel* preview_ = nullptr;
};

} // namespace sv
