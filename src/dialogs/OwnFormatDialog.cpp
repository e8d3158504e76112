#include "dialogs/OwnFormatDialog.h"

#include "AppInfo.h"
#include "color/ColorFormats.h"
#include "widgets/PlainText.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace sv {

namespace {

// A problem of the template in the user's language.
QString sentence(const TemplateProblem& problem) {
    QString text = QCoreApplication::translate("sv::OwnFormatDialog", problem.sentence.c_str());
    return problem.placeholder.empty() ? text
                                       : text.arg(QString::fromStdString(problem.placeholder));
}

} // namespace

OwnFormatDialog::OwnFormatDialog(QWidget* parent, ColorValue sample)
    : QDialog(parent), sample_(sample) {
    setWindowTitle(tr("Add Format"));
    auto* form = new QFormLayout(this);
    name_ = new QLineEdit(this);
    pattern_ = new QLineEdit(this);
    pattern_->setPlaceholderText(QStringLiteral("rgba({r}, {g}, {b}, 1)"));
    name_->setMaxLength(int(kMaxOwnFormatName));
    pattern_->setMaxLength(int(kMaxOwnFormatTemplate));
    // What is typed is shown as typed, never read as HTML.
    preview_ = plainLabel(QString(), this);
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
    const std::string pattern = pattern_->text().toStdString();
    const TemplateProblem problem = templateProblem(pattern);
    preview_->setText(problem.sentence.empty()
                          ? QString::fromStdString(expandTemplate(pattern, sample_))
                          : sentence(problem));
}

void OwnFormatDialog::accept() {
    const TemplateProblem problem = ownFormatProblem(format());
    if (!problem.sentence.empty()) {
        showMessage(this, QMessageBox::Warning,
                    tr("This format cannot be added:\n%1").arg(sentence(problem)));
        return;
    }
    QDialog::accept();
}

} // namespace sv
