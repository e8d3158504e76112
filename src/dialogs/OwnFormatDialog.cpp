#include "dialogs/OwnFormatDialog.h"

#include "AppInfo.h"
#include "color/ColorFormats.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace sv {

OwnFormatDialog::OwnFormatDialog(QWidget* parent, ColorValue sample)
    : QDialog(parent), sample_(sample) {
    setWindowTitle(tr("Add Format"));
    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(this);
    pattern_ = new QLineEdit(this);
    pattern_->setPlaceholderText(QStringLiteral("rgba({r}, {g}, {b}, 1)"));
    preview_ = new QLabel(this);
    preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* hint = new QLabel(tr("Placeholders: {r} {g} {b} (0-255), {rf} {gf} {bf} (0-1), "
                               "{hex} {HEX}, {h} {s} {l}"),
                            this);
    hint->setWordWrap(true);
    form->addRow(tr("&Name:"), name_);
    form->addRow(tr("&Template:"), pattern_);
    form->addRow(QString(), hint);
    form->addRow(tr("Preview:"), preview_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &OwnFormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OwnFormatDialog::reject);
    connect(pattern_, &QLineEdit::textChanged, this, &OwnFormatDialog::updatePreview);
    updatePreview();
}

OwnFormat OwnFormatDialog::format() const {
    return {name_->text().trimmed().toStdString(), pattern_->text().toStdString()};
}

QString OwnFormatDialog::previewText() const {
    return preview_->text();
}

void OwnFormatDialog::updatePreview() {
    const std::string error = templateError(pattern_->text().toStdString());
    preview_->setText(QString::fromStdString(
        error.empty() ? expandTemplate(pattern_->text().toStdString(), sample_) : error));
}

void OwnFormatDialog::accept() {
    const std::string error = ownFormatError(format());
    if (!error.empty()) {
        QMessageBox::warning(
            this, QString::fromLatin1(kAppTitle),
            tr("This format cannot be added:\n%1").arg(QString::fromStdString(error)));
        return;
    }
    QDialog::accept();
}

} // namespace sv
