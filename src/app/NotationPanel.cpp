#include "app/NotationPanel.h"

#include "widgets/ImageButton.h"
#include "widgets/ShadowLabel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

#include <algorithm>

namespace sv {

namespace {

constexpr int kRowHeight = 36;
constexpr int kFieldWidth = 210;
constexpr int kCopyWidth = 36;
constexpr int kCopyMargins = 10; // the button's frame and a little room either side

const char* labelText(Notation n) {
    switch (n) {
    case Notation::VisualBasic:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "Hex code for VB");
    case Notation::Long:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "RGB as long for VB");
    case Notation::Cpp:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "Hex code for C++");
    case Notation::Delphi:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "Hex code for Delphi");
    case Notation::Java:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "Code for Java");
    case Notation::Photoshop:
        return QT_TRANSLATE_NOOP("sv::NotationPanel", "Code for Photoshop");
    case Notation::Html:
        break;
    }
    return QT_TRANSLATE_NOOP("sv::NotationPanel", "Hex code for HTML");
}

// The height a caption's line has in the fonts the layout was drawn for.
constexpr int kCaptionLine = 16;

} // namespace

NotationPanel::NotationPanel(QWidget* parent) : QWidget(parent) {
    resize(kFieldWidth + 40, kNotationCount * kRowHeight);
    // The Copy buttons are as wide as their word needs ("Copiar" is wider than "Copy"), the
    // fields narrower by as much, so the panel keeps its width.
    const int copyWidth =
        std::max(kCopyWidth, fontMetrics().horizontalAdvance(tr("Copy")) + kCopyMargins);
    const int fieldWidth = kFieldWidth + kCopyWidth - copyWidth;
    for (int k = 0; k < kNotationCount; ++k) {
        const auto n = static_cast<Notation>(k);
        const int y = k * kRowHeight;
        auto* label = new ShadowLabel(this, tr(labelText(n)));
        // It sits on its field: a script with a taller line (Japanese, Chinese) grows upwards.
        label->move(0, std::min(y, y + kCaptionLine - label->height()));
        auto* field = new QLineEdit(this);
        field->setReadOnly(true);
        field->setAlignment(Qt::AlignCenter);
        field->setGeometry(0, y + 15, fieldWidth, 20);
        field->setAccessibleName(tr(labelText(n)));
        auto* copy = new ImageButton(this);
        copy->setText(tr("Copy"));
        copy->setToolTip(tr("  Copy to Clipboard  "));
        copy->setGeometry(fieldWidth + 4, y + 15, copyWidth, 20);
        copy->setAccessibleDescription(tr(labelText(n)));
        connect(copy, &ImageButton::clicked, this, [this, n] { copyToClipboard(n); });
        fields_[index(n)] = field;
        copyButtons_[index(n)] = copy;
    }
}

void NotationPanel::showColor(ColorValue c) {
    const Notations all = makeNotations(c);
    for (int k = 0; k < kNotationCount; ++k) {
        const auto n = static_cast<Notation>(k);
        const QString text = QString::fromStdString(notationText(all, n));
        if (field(n)->text() != text) {
            field(n)->setText(text);
        }
    }
}

void NotationPanel::copyToClipboard(Notation n) {
    QLineEdit* f = field(n);
    f->selectAll();
    f->setFocus(Qt::OtherFocusReason);
    // setText replaces every format the clipboard held before.
    QGuiApplication::clipboard()->setText(f->text());
}

} // namespace sv
